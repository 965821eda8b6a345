// How the engine writes its notify-log lines: ordinary lines while the
// notify log is on, "BUILD DEBUG:" lines only with build debugging on too.
#pragma once

#include <string>

#include "game/player.h"
#include "platform/text_numbers.h"
#include "shell/notify.h"

namespace qvl {

inline void LogLine(Player& p, const std::string& text) {
  if (p.game.NotifyLogOn) Notify(p, text);
}

inline void DebugLine(Player& p, const std::string& text) {
  if (p.game.NotifyLogOn && p.game.BuildDebugOn) Notify(p, text);
}

}  // namespace qvl
