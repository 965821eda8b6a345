// Every timer of the program on one clock: window timers, animation frames,
// delay countdowns and movie polling. The event loop fires what is due.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/clock.h"

namespace qvl::ui {

class Scheduler {
 public:
  using TimerId = uint64_t;

  explicit Scheduler(const Clock& clock) : clock_(clock) {}
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  // Schedules `tick` to run `delay_ms` from now; a repeating timer then runs
  // every `delay_ms` until stopped. Returns the timer's id (never 0).
  TimerId Start(int delay_ms, bool repeat, std::function<void()> tick);

  // Cancels a timer; an unknown or already finished id is ignored. A timer
  // may stop itself from inside its own tick.
  void Stop(TimerId id);

  // When the next timer that can fire is due; timers whose tick is running
  // are left out, since they cannot fire inside themselves.
  std::optional<int64_t> NextDue() const;

  // When the timer `id` is next due; nothing when it is not scheduled.
  std::optional<int64_t> DueAt(TimerId id) const;

  // Runs every timer due now, earliest first, each at most once. Returns
  // whether any ran.
  bool RunDue();

  const Clock& clock() const { return clock_; }

 private:
  struct Timer {
    int64_t due = 0;
    int interval = 0;
    bool repeat = false;
    bool running = false;
    std::shared_ptr<std::function<void()>> tick;
  };

  const Clock& clock_;
  std::map<TimerId, Timer> timers_;
  TimerId next_id_ = 1;
};

// A timer owned by one object: stopped when the owner goes away or starts
// it again.
class TimerSlot {
 public:
  explicit TimerSlot(Scheduler& scheduler) : scheduler_(&scheduler) {}
  ~TimerSlot() { Stop(); }
  TimerSlot(const TimerSlot&) = delete;
  TimerSlot& operator=(const TimerSlot&) = delete;

  void Start(int delay_ms, bool repeat, std::function<void()> tick) {
    Stop();
    id_ = scheduler_->Start(delay_ms, repeat, std::move(tick));
  }
  void Stop() {
    if (id_ != 0) scheduler_->Stop(id_);
    id_ = 0;
  }

  // When the timer is next due; nothing when it is stopped or has fired
  // for the last time.
  std::optional<int64_t> DueAt() const {
    if (id_ == 0) return std::nullopt;
    return scheduler_->DueAt(id_);
  }

 private:
  Scheduler* scheduler_;
  Scheduler::TimerId id_ = 0;
};

}  // namespace qvl::ui
