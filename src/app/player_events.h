// Connects every window's events to the game's procedures.
#pragma once

namespace qvl {

struct Player;

void WireEvents(Player& p);

}  // namespace qvl
