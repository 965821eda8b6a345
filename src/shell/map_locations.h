// The map's twenty locations: which the game has revealed, where each
// leads and what it plays on the way, and revealing one.
#pragma once

#include <cstdint>

#include "shell/map_state.h"

namespace qvl {

struct Player;

// Reveals location n (1 … 20) on the map; 0 does nothing.
void AddLocationToMap(Player& p, int16_t n);

// The game has ended: no location is on the map, and the map is not being
// opened.
void ClearMap(Player& p);

// Opens the map window as the game asks for it and returns once it has
// been closed (or a location chosen).
void ShowMapWindowModal(Player& p);

// The events of the map window: its place, the markers' pointers and
// clicks, closing and cancelling.
void WireMapWindow(Player& p);

}  // namespace qvl
