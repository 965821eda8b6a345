// What the game keeps of the map: its twenty locations, which are
// revealed, where each leads and what it plays on the way.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qvl {

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

}  // namespace qvl
