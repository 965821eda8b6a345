// The map's twenty locations: which the game has revealed, where each
// leads and what it plays on the way, and revealing one.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qvl {

struct Player;

struct MapLocation {
  int16_t OnMap = 0;      // 1 once the location has been added to the map
  int16_t Scene = 0;      // scene to travel to; 0 = not a travel target
  int16_t MediaKind = 0;  // 1 = travelling plays MediaFile
  std::string MediaFile;  // WAV or AVI under resource\mmedia\ .
  int32_t Volume = 0;     // sound volume, or the movie's level
  int32_t Pan = 0;
};

struct MapState {
  static constexpr int kLocationCount = 20;
  std::array<MapLocation, kLocationCount + 1> Location{};  // 1 … 20
  // The map is being opened by the game (a button, a Link, a Responder).
  bool MapOpening = false;
};

// Reveals location n (1 … 20) on the map; 0 does nothing.
void AddLocationToMap(Player& p, int16_t n);

// Opens the map window as the game asks for it and returns once it has
// been closed (or a location chosen).
void ShowMapWindowModal(Player& p);

// The events of the map window: its place, the markers' pointers and
// clicks, closing and cancelling.
void WireMapWindow(Player& p);

}  // namespace qvl
