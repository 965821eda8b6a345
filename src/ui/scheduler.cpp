#include "ui/scheduler.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace qvl::ui {

Scheduler::TimerId Scheduler::Start(int delay_ms, bool repeat, std::function<void()> tick) {
  const TimerId id = next_id_++;
  Timer timer;
  timer.interval = std::max(delay_ms, 0);
  timer.due = clock_.NowMs() + timer.interval;
  timer.repeat = repeat;
  timer.tick = std::make_shared<std::function<void()>>(std::move(tick));
  timers_.emplace(id, std::move(timer));
  return id;
}

void Scheduler::Stop(TimerId id) { timers_.erase(id); }

std::optional<int64_t> Scheduler::NextDue() const {
  std::optional<int64_t> next;
  for (const auto& [id, timer] : timers_) {
    if (timer.running) continue;
    if (!next || timer.due < *next) next = timer.due;
  }
  return next;
}

std::optional<int64_t> Scheduler::DueAt(TimerId id) const {
  const auto it = timers_.find(id);
  if (it == timers_.end()) return std::nullopt;
  return it->second.due;
}

bool Scheduler::RunDue() {
  const int64_t now = clock_.NowMs();
  std::vector<std::pair<int64_t, TimerId>> due;
  for (const auto& [id, timer] : timers_) {
    if (!timer.running && timer.due <= now) due.emplace_back(timer.due, id);
  }
  std::sort(due.begin(), due.end());

  bool ran = false;
  for (const auto& [when, id] : due) {
    auto it = timers_.find(id);
    // An earlier tick may have stopped or restarted this one.
    if (it == timers_.end() || it->second.running || it->second.due > now) continue;
    Timer& timer = it->second;
    auto tick = timer.tick;  // stays alive even if the tick stops its own timer
    if (timer.repeat) {
      timer.running = true;
    } else {
      timers_.erase(it);
    }
    ran = true;
    (*tick)();
    auto after = timers_.find(id);
    if (after != timers_.end() && after->second.running) {
      // The next tick counts from this one's due time, but never lies in
      // the past: a tick that took long does not fire again at once.
      after->second.running = false;
      const int64_t next = after->second.due + std::max(after->second.interval, 1);
      after->second.due = std::max(next, clock_.NowMs() + (after->second.interval > 0 ? 0 : 1));
    }
  }
  return ran;
}

}  // namespace qvl::ui
