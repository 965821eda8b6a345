// The events of playing a game: clicks and pointers over the scene's
// objects and arrows, the inventory bar, the examine button, the map and
// the close-up window.
#pragma once

namespace qvl {

struct Player;

void WirePlayEvents(Player& p);

}  // namespace qvl
