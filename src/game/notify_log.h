// The notify log of the game's author: every layer writes its lines here,
// and the notify window shows them. Ordinary lines are written while the
// log is on, "BUILD DEBUG:" lines only with build debugging on too.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/text_numbers.h"

namespace qvl {

struct Player;

struct NotifyLog {
  // The log holds as many lines as a list can number.
  static constexpr size_t kMostLines = 32767;

  std::vector<std::string> lines;
  // The notify window's view of the log: told of each line added and of
  // the log being emptied.
  std::function<void(const std::string&)> on_line;
  std::function<void()> on_empty;
};

// Appends one line to the notify log. Callers test NotifyLogOn (or
// BuildDebugOn for detailed lines) first. A full log is reported and
// emptied.
void Notify(Player& p, const std::string& text);

// Empties the notify log.
void EmptyNotifyLog(Player& p);

// A line of the log while it is on.
void LogLine(Player& p, const std::string& text);

// A detailed line, written only while build debugging is on too.
void DebugLine(Player& p, const std::string& text);

}  // namespace qvl
