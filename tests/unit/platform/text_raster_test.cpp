// Single lines of text from the shipped font: sizes that grow with the
// font, the colour asked for, and no failure with a font that cannot load.
#include "platform/text_raster.h"

#include <gtest/gtest.h>

#include "ui/embedded_assets.h"

namespace qvl {
namespace {

TEST(TextRaster, LinesGrowWithTheFontAndTheText) {
  TextRaster raster(ui::EmbeddedFont());
  const FontSpec small{11, false, false, false};
  const FontSpec big{32, false, false, false};
  EXPECT_GT(raster.LineHeight(big), raster.LineHeight(small) * 2);
  EXPECT_GT(raster.Width(small, "Inventory"), raster.Width(small, "Inv"));
  EXPECT_GT(raster.Width(FontSpec{11, true, false, false}, "Inventory"), raster.Width(small, "Inventory"));
  EXPECT_EQ(raster.Width(small, ""), 0);
}

TEST(TextRaster, DrawsInTheAskedColourOnTransparent) {
  TextRaster raster(ui::EmbeddedFont());
  const Image line = raster.Render(FontSpec{20, false, false, false}, "H\xC3\xA9", 0xFF20C040);
  ASSERT_FALSE(line.Empty());
  EXPECT_EQ(line.width, raster.Width(FontSpec{20, false, false, false}, "H\xC3\xA9"));
  int solid = 0;
  int clear = 0;
  for (uint32_t p : line.pixels) {
    if ((p >> 24) == 255) {
      ++solid;
      EXPECT_EQ(p & 0xFFFFFF, 0x20C040u);
    }
    if ((p >> 24) == 0) ++clear;
  }
  EXPECT_GT(solid, 20);
  EXPECT_GT(clear, solid);

  const Image faint = raster.Render(FontSpec{20, false, false, false}, "H", 0x80FFFFFF);
  uint32_t most = 0;
  for (uint32_t p : faint.pixels) most = std::max(most, p >> 24);
  EXPECT_NEAR(static_cast<int>(most), 128, 1);
}

TEST(TextRaster, AFontThatCannotLoadGivesEmptyText) {
  const std::vector<uint8_t> not_a_font{'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'n', 't'};
  TextRaster raster(not_a_font);
  EXPECT_EQ(raster.Width(FontSpec{}, "Hello"), 0);
  EXPECT_EQ(raster.LineHeight(FontSpec{}), 0);
  EXPECT_TRUE(raster.Render(FontSpec{}, "Hello", 0xFFFFFFFF).Empty());
}

}  // namespace
}  // namespace qvl
