// The listener's own levels on top of the game's: the music and the
// sounds each turned down to a share of what the game asks for, or
// everything muted. Wraps the media backends the game plays through.
#pragma once

#include <cstdint>

#include "media/media_set.h"

namespace qvl {

struct ListenerLevels {
  int music = 100;  // per cent of the game's music levels (MIDI and MP3)
  int sound = 100;  // per cent of the game's sound channel and movie levels
  bool mute = false;
  bool operator==(const ListenerLevels&) const = default;
};

// The attenuation (1/100 dB, 0 … -10000) that plays `percent` of a level.
int32_t AttenuationOf(int percent);

// The backends with the listener's levels applied to every volume the game
// sets; full levels give the backends back unchanged.
MediaSet WithListenerLevels(MediaSet media, const ListenerLevels& levels);

}  // namespace qvl
