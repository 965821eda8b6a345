// The notify window, which shows the notify log of the game's author, and
// the two code words that switch the author's tools on.
#pragma once

#include <string>

namespace qvl {

struct Player;

// "DEBUG" typed in the game window: the debug button and the notify log.
void SwitchOnDebugging(Player& p);

// "BUILDDEBUG": the same, then build debugging with its detailed lines.
void SwitchOnBuildDebugging(Player& p);

// The events of the notify window.
void WireNotifyWindow(Player& p);

}  // namespace qvl
