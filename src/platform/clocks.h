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
  CalendarTime LocalTime() const override;

 private:
  std::chrono::steady_clock::time_point start_;
};

// Time that stands still until it is advanced; it never goes backwards.
// Its calendar starts at a fixed moment (06-15-2001 02:30:00 PM unless set)
// and moves with it, so that scripted play records the same dates each run.
class VirtualClock : public Clock {
 public:
  int64_t NowMs() const override { return now_ms_; }
  bool IsVirtual() const override { return true; }
  CalendarTime LocalTime() const override;
  // The calendar moment of virtual time 0.
  void SetCalendarStart(const CalendarTime& start) { start_ = start; }

  // Moves the time forward to `ms`; an earlier time leaves it unchanged.
  void AdvanceTo(int64_t ms);
  void AdvanceBy(int64_t ms) { AdvanceTo(now_ms_ + ms); }

 private:
  int64_t now_ms_ = 0;
  CalendarTime start_{2001, 6, 15, 14, 30, 0};
};

}  // namespace qvl
