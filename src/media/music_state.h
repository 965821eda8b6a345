// The music switch (F1) and the soundtrack now playing.
#pragma once

#include <cstdint>
#include <string>

namespace qvl {

struct MusicState {
  // Music and soundtracks play only while it is on.
  bool MusicOn = false;
  // The soundtrack file playing; empty when none.
  std::string CurrentSoundtrack;
  // The volume last given for it (1/100 dB of attenuation, 0 full).
  int32_t CurrentSoundtrackVol = 0;
};

}  // namespace qvl
