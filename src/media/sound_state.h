// What each of the twenty sound channels was last asked to play, under the
// name the game gave, so the game's tools can tell what a channel plays.
#pragma once

#include <array>
#include <string>

#include "platform/mixer.h"

namespace qvl {

struct SoundState {
  // The file last started on channel 1 … 20 (index 0 unused); the mixer
  // tells whether it still sounds.
  std::array<std::string, Mixer::kLastChannel + 1> ChannelFile;
};

}  // namespace qvl
