#include "platform/sound_levels.h"

#include <gtest/gtest.h>

namespace qvl::media {
namespace {

TEST(SoundLevels, VolumeIsAttenuationInHundredthsOfADecibel) {
  EXPECT_DOUBLE_EQ(GainFromVolume(0), 1.0);
  EXPECT_DOUBLE_EQ(GainFromVolume(-10000), 0.0);
  EXPECT_DOUBLE_EQ(GainFromVolume(-20000), 0.0);
  EXPECT_NEAR(GainFromVolume(-600), 0.501187, 1e-6);   // -6 dB: about half
  EXPECT_NEAR(GainFromVolume(-2000), 0.1, 1e-12);      // -20 dB: a tenth
  EXPECT_NEAR(GainFromVolume(-9999), 1.00115e-5, 1e-9);  // just above silence
  EXPECT_DOUBLE_EQ(GainFromVolume(500), 1.0);           // no amplification
}

TEST(SoundLevels, PanAttenuatesOnlyTheFarSide) {
  const StereoGain centre = GainFromPan(0);
  EXPECT_DOUBLE_EQ(centre.left, 1.0);
  EXPECT_DOUBLE_EQ(centre.right, 1.0);

  const StereoGain full_left = GainFromPan(-10000);
  EXPECT_DOUBLE_EQ(full_left.left, 1.0);
  EXPECT_DOUBLE_EQ(full_left.right, 0.0);

  const StereoGain full_right = GainFromPan(10000);
  EXPECT_DOUBLE_EQ(full_right.left, 0.0);
  EXPECT_DOUBLE_EQ(full_right.right, 1.0);

  const StereoGain some_right = GainFromPan(3000);
  EXPECT_NEAR(some_right.left, 0.0316228, 1e-6);  // -30 dB
  EXPECT_DOUBLE_EQ(some_right.right, 1.0);

  const StereoGain some_left = GainFromPan(-3000);
  EXPECT_DOUBLE_EQ(some_left.left, 1.0);
  EXPECT_NEAR(some_left.right, 0.0316228, 1e-6);

  // Out-of-range values (the data is not checked) stay at the extremes.
  EXPECT_DOUBLE_EQ(GainFromPan(-2147483647 - 1).right, 0.0);
  EXPECT_DOUBLE_EQ(GainFromPan(2147483647).left, 0.0);
}

TEST(SoundLevels, VolumeAndPanMultiply) {
  const StereoGain g = ChannelGain(-600, -3000);
  EXPECT_NEAR(g.left, 0.501187, 1e-6);
  EXPECT_NEAR(g.right, 0.501187 * 0.0316228, 1e-6);
  const StereoGain silent = ChannelGain(-10000, 0);
  EXPECT_EQ(silent.left, 0.0);
  EXPECT_EQ(silent.right, 0.0);
}

}  // namespace
}  // namespace qvl::media
