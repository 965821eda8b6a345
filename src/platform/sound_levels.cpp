#include "platform/sound_levels.h"

#include <cmath>
#include <cstdlib>

namespace qvl::media {

double GainFromVolume(int32_t volume) {
  if (volume <= kSilent) return 0.0;
  if (volume >= 0) return 1.0;
  return std::pow(10.0, volume / 2000.0);
}

StereoGain GainFromPan(int32_t pan) {
  const int64_t distance = std::llabs(static_cast<int64_t>(pan));
  const double far_side = GainFromVolume(distance >= -kSilent ? kSilent : static_cast<int32_t>(-distance));
  if (pan < 0) return {1.0, far_side};
  return {far_side, 1.0};
}

StereoGain ChannelGain(int32_t volume, int32_t pan) {
  const double gain = GainFromVolume(volume);
  const StereoGain sides = GainFromPan(pan);
  return {sides.left * gain, sides.right * gain};
}

}  // namespace qvl::media
