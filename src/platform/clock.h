// The game's sense of time: real time for the window, virtual time for
// scripted play, where waiting jumps straight to the next timer.
#pragma once

#include <cstdint>

namespace qvl {

// A moment on the local calendar, as the player shows dates and times.
struct CalendarTime {
  int year = 2000;
  int month = 1;  // 1 … 12
  int day = 1;    // 1 … 31
  int hour = 0;   // 0 … 23
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the player started.
  virtual int64_t NowMs() const = 0;
  // True for virtual time: nobody waits for it, it moves when told to.
  virtual bool IsVirtual() const = 0;
  // The local date and time now (a saved game records when it was saved);
  // a clock without a calendar says midnight, 01-01-2000.
  virtual CalendarTime LocalTime() const { return {}; }
};

}  // namespace qvl
