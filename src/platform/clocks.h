// The two clocks of the player: real time for the window, and virtual time
// for scripted play and tests, which only moves when the event loop moves it.
#pragma once

#include <chrono>
#include <cstdint>

#include "platform/clock.h"

namespace qvl {

// Milliseconds of the steady system clock since the clock was made.
class RealClock : public Clock {
 public:
  RealClock();
  int64_t NowMs() const override;
  bool IsVirtual() const override { return false; }

 private:
  std::chrono::steady_clock::time_point start_;
};

// Time that stands still until it is advanced; it never goes backwards.
class VirtualClock : public Clock {
 public:
  int64_t NowMs() const override { return now_ms_; }
  bool IsVirtual() const override { return true; }

  // Moves the time forward to `ms`; an earlier time leaves it unchanged.
  void AdvanceTo(int64_t ms);
  void AdvanceBy(int64_t ms) { AdvanceTo(now_ms_ + ms); }

 private:
  int64_t now_ms_ = 0;
};

}  // namespace qvl
