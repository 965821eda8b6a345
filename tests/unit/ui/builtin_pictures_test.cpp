// The built-in pictures decode from the program itself, and every pointer's
// hot spot lies on the part of the picture that points.
#include "ui/builtin_pictures.h"

#include <gtest/gtest.h>

namespace qvl::ui {
namespace {

bool OpaqueNear(const Image& image, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int px = x + dx;
      const int py = y + dy;
      if (px >= 0 && py >= 0 && px < image.width && py < image.height && (image.At(px, py) >> 24) != 0) return true;
    }
  }
  return false;
}

TEST(BuiltinPictures, FifteenPointersWithHotSpotsOnTheirPictures) {
  const BuiltinPictures builtin;
  for (int slot = 1; slot <= 15; ++slot) {
    const PointerPicture& p = builtin.Pointer(slot);
    ASSERT_TRUE(p.picture) << slot;
    ASSERT_EQ(p.picture->FrameCount(), 1) << slot;
    EXPECT_EQ(p.picture->width, 32) << slot;
    EXPECT_EQ(p.picture->height, 32) << slot;
    EXPECT_TRUE(OpaqueNear(p.picture->frames[0].image, p.hot_x, p.hot_y)) << "pointer " << slot;
  }
  EXPECT_NE(builtin.Pointer(1).picture, builtin.Pointer(2).picture);
  EXPECT_EQ(builtin.Pointer(13).hot_x, 1) << "the normal arrow points with its tip";
  EXPECT_EQ(builtin.Pointer(14).hot_x, 16) << "the wait sign's hot spot is its centre";
  EXPECT_EQ(builtin.Pointer(0).picture, builtin.Pointer(13).picture);
  EXPECT_EQ(builtin.Pointer(99).picture, builtin.Pointer(13).picture);
}

TEST(BuiltinPictures, EngineLogoAnimatesForAFewSeconds) {
  const BuiltinPictures builtin;
  const PictureRef logo = builtin.Get(BuiltinPicture::kEngineLogo);
  ASSERT_GT(logo->FrameCount(), 1) << "more than one frame: the splash plays it rather than waiting 2000 ms";
  int total = 0;
  for (const Frame& f : logo->frames) total += f.delay_ms;
  EXPECT_GE(total, 1500);
  EXPECT_LE(total, 4000);
}

TEST(BuiltinPictures, PlaceholdersAreDistinctPictures) {
  const BuiltinPictures builtin;
  for (auto which : {BuiltinPicture::kFnf, BuiltinPicture::kAniGif1, BuiltinPicture::kUnknownObject,
                     BuiltinPicture::kNoPic, BuiltinPicture::kMapMarker}) {
    const PictureRef p = builtin.Get(which);
    ASSERT_TRUE(p);
    EXPECT_GT(p->width, 0);
  }
  EXPECT_NE(builtin.Get(BuiltinPicture::kFnf)->frames[0].image.pixels,
            builtin.Get(BuiltinPicture::kUnknownObject)->frames[0].image.pixels);
  for (uint32_t p : builtin.Get(BuiltinPicture::kNoPic)->frames[0].image.pixels) {
    ASSERT_EQ(p >> 24, 0u) << "an empty slot shows nothing";
  }
}

}  // namespace
}  // namespace qvl::ui
