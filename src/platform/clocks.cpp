#include "platform/clocks.h"

#include <ctime>

namespace qvl {

namespace {

using namespace std::chrono;

// The calendar moment `ms` milliseconds after `start`.
CalendarTime AddMs(const CalendarTime& start, int64_t ms) {
  const sys_days day = year{start.year} / month{static_cast<unsigned>(start.month)} /
                       std::chrono::day{static_cast<unsigned>(start.day)};
  const sys_time<milliseconds> moment =
      day + hours{start.hour} + minutes{start.minute} + seconds{start.second} + milliseconds{ms};
  const sys_days new_day = floor<days>(moment);
  const year_month_day date{new_day};
  const hh_mm_ss<milliseconds> time{moment - new_day};
  return CalendarTime{static_cast<int>(date.year()),
                      static_cast<int>(static_cast<unsigned>(date.month())),
                      static_cast<int>(static_cast<unsigned>(date.day())),
                      static_cast<int>(time.hours().count()),
                      static_cast<int>(time.minutes().count()),
                      static_cast<int>(time.seconds().count())};
}

}  // namespace

RealClock::RealClock() : start_(std::chrono::steady_clock::now()) {}

int64_t RealClock::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
      .count();
}

CalendarTime RealClock::LocalTime() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return CalendarTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                      local.tm_hour,        local.tm_min,     local.tm_sec};
}

void VirtualClock::AdvanceTo(int64_t ms) {
  if (ms > now_ms_) now_ms_ = ms;
}

CalendarTime VirtualClock::LocalTime() const { return AddMs(start_, now_ms_); }

}  // namespace qvl
