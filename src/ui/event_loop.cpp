#include "ui/event_loop.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <limits>
#include <new>

#include "platform/clocks.h"
#include "platform/runtime_error.h"
#include "platform/screen_output.h"

namespace qvl::ui {

namespace {

// Removes the innermost wait when a wait ends, however it ends.
class WaitFrame {
 public:
  WaitFrame(std::vector<WaitKind>& waits, WaitKind kind) : waits_(waits) { waits_.push_back(kind); }
  ~WaitFrame() { waits_.pop_back(); }
  WaitFrame(const WaitFrame&) = delete;
  WaitFrame& operator=(const WaitFrame&) = delete;

 private:
  std::vector<WaitKind>& waits_;
};

}  // namespace

EventLoop::EventLoop(Scheduler& scheduler, VirtualClock* virtual_clock, ScreenOutput* screen)
    : scheduler_(scheduler), virtual_clock_(virtual_clock), screen_(screen) {}

bool EventLoop::WaitsOnlyForInput() const {
  return !HasPendingWork() && std::find(waits_.begin(), waits_.end(), WaitKind::kGame) == waits_.end();
}

bool EventLoop::DoEvents() {
  try {
    return RunPending();
  } catch (const std::bad_alloc&) {
    // Memory ran out in a handler: the procedure waiting here gets the
    // game's "Out of memory" run-time error and reports it as its own.
    throw RuntimeError(err::kOutOfMemory);
  }
}

bool EventLoop::RunPending() {
  if (ended_) return false;
  if (screen_ != nullptr && virtual_clock_ == nullptr) {
    while (auto event = screen_->NextInput(0)) input_.push_back(std::move(*event));
  }
  bool ran = false;
  // Only what is pending now runs; what the handlers queue waits for the
  // next round, so one DoEvents always comes to an end.
  size_t inputs = input_.size();
  while (inputs-- > 0 && !input_.empty() && !ended_) {
    InputEvent event = std::move(input_.front());
    input_.pop_front();
    ran = true;
    if (input_handler_) input_handler_(event);
  }
  size_t tasks = posted_.size();
  while (tasks-- > 0 && !posted_.empty() && !ended_) {
    auto task = std::move(posted_.front());
    posted_.pop_front();
    ran = true;
    task();
  }
  if (!ended_ && scheduler_.RunDue()) ran = true;
  return ran;
}

void EventLoop::WaitUntil(const std::function<bool()>& done, WaitKind kind) {
  WaitFrame frame(waits_, kind);
  while (true) {
    if (ended_) throw ProgramEnded{};
    if (done()) return;
    if (DoEvents()) continue;
    if (ended_) throw ProgramEnded{};
    if (done()) return;
    if (before_sleep_) before_sleep_();
    if (idle_source_ != nullptr) {
      idle_source_->Idle(*this);
    } else {
      PassTime(std::nullopt);
    }
  }
}

bool EventLoop::RunSpare() {
  if (spare_.empty() || HasPendingWork()) return false;
  if (std::optional<int64_t> next = scheduler_.NextDue(); next && *next - NowMs() < kSpareTimeMs) return false;
  auto task = std::move(spare_.front());
  spare_.pop_front();
  task();
  return true;
}

void EventLoop::PassTime(std::optional<int64_t> until_ms) {
  if (HasPendingWork()) return;
  // Time that would be slept is spent on spare-time work first.
  if (RunSpare()) return;
  std::optional<int64_t> next = scheduler_.NextDue();
  if (until_ms && (!next || *until_ms < *next)) next = until_ms;

  if (virtual_clock_ != nullptr) {
    if (!next) throw Hang("the player waits for something that nothing can bring");
    virtual_clock_->AdvanceTo(*next);
    return;
  }
  if (screen_ == nullptr) {
    // Real time without a window: nothing but a timer can come.
    if (!next) throw Hang("the player waits for something that nothing can bring");
    const int64_t wait = *next - NowMs();
    // Without a window there is no input to wake the loop early.
    if (wait > 0) std::this_thread::sleep_for(std::chrono::milliseconds(wait));
    return;
  }
  int timeout = std::numeric_limits<int>::max();
  if (next) timeout = static_cast<int>(std::clamp<int64_t>(*next - NowMs(), 0, std::numeric_limits<int>::max()));
  if (auto event = screen_->NextInput(timeout)) input_.push_back(std::move(*event));
}

}  // namespace qvl::ui
