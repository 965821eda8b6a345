// How the game's volume and pan numbers become loudness: volume is an
// attenuation in hundredths of a decibel (0 full, -10000 silent), pan runs
// from -10000 (left) through 0 to +10000 (right).
#pragma once

#include <cstdint>

namespace qvl::media {

constexpr int32_t kSilent = -10000;

// The gain of an attenuation in 1/100 dB: 10^(volume / 2000); 0 at -10000
// or below, 1 at 0 or above.
double GainFromVolume(int32_t volume);

// Left and right gains, each 0 … 1.
struct StereoGain {
  double left = 1.0;
  double right = 1.0;
};

// The gains of a pan as the game's mixer applied it: the side away from the
// pan is attenuated by |pan| hundredths of a decibel, the near side stays
// full (+3000 leaves the right at 1 and the left at 10^(-3000/2000)).
StereoGain GainFromPan(int32_t pan);

// Volume and pan together: each side's pan gain times the volume's gain.
StereoGain ChannelGain(int32_t volume, int32_t pan);

}  // namespace qvl::media
