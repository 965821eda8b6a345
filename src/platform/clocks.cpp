#include "platform/clocks.h"

namespace qvl {

RealClock::RealClock() : start_(std::chrono::steady_clock::now()) {}

int64_t RealClock::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
      .count();
}

void VirtualClock::AdvanceTo(int64_t ms) {
  if (ms > now_ms_) now_ms_ = ms;
}

}  // namespace qvl
