#include "shell/builtin_skin.h"

#include <algorithm>
#include <string_view>

#include "game/player.h"
#include "platform/image.h"
#include "platform/text_raster.h"
#include "ui/embedded_assets.h"

namespace qvl {

namespace {

constexpr uint32_t kNormalFace = 0xFF404860;
constexpr uint32_t kNormalText = 0xFFFFFFFF;
constexpr uint32_t kHighlightFace = 0xFFFFD040;
constexpr uint32_t kHighlightText = 0xFF000000;
constexpr uint32_t kEdge = 0xFF202030;

// Draws `text` (straight alpha) onto `image` at (left, top).
void Blend(Image& image, const Image& text, int left, int top) {
  for (int y = 0; y < text.height; ++y) {
    for (int x = 0; x < text.width; ++x) {
      const int tx = left + x;
      const int ty = top + y;
      if (tx < 0 || ty < 0 || tx >= image.width || ty >= image.height) continue;
      const uint32_t src = text.At(x, y);
      const uint32_t a = src >> 24;
      if (a == 0) continue;
      const uint32_t dst = image.At(tx, ty);
      auto mix = [a](uint32_t s, uint32_t d) { return (s * a + d * (255 - a)) / 255; };
      const uint32_t r = mix((src >> 16) & 0xFF, (dst >> 16) & 0xFF);
      const uint32_t g = mix((src >> 8) & 0xFF, (dst >> 8) & 0xFF);
      const uint32_t b = mix(src & 0xFF, dst & 0xFF);
      image.At(tx, ty) = 0xFF000000 | (r << 16) | (g << 8) | b;
    }
  }
}

Image ButtonFace(TextRaster& raster, std::string_view caption, int width, int height, uint32_t face,
                 uint32_t ink) {
  Image image(width, height, face);
  for (int x = 0; x < width; ++x) {
    for (int e = 0; e < 2; ++e) {
      image.At(x, e) = kEdge;
      image.At(x, height - 1 - e) = kEdge;
    }
  }
  for (int y = 0; y < height; ++y) {
    for (int e = 0; e < 2; ++e) {
      image.At(e, y) = kEdge;
      image.At(width - 1 - e, y) = kEdge;
    }
  }
  FontSpec font;
  font.pixel_size = std::max(10, height * 2 / 5);
  const Image text = raster.Render(font, caption, ink);
  Blend(image, text, (width - text.width) / 2, (height - text.height) / 2);
  return image;
}

PictureRef MakeButton(TextRaster& raster, std::string_view caption, int width, int height) {
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  picture->frames.push_back(Frame{ButtonFace(raster, caption, width, height, kHighlightFace, kHighlightText), 0});
  picture->frames.push_back(Frame{ButtonFace(raster, caption, width, height, kNormalFace, kNormalText), 0});
  return picture;
}

}  // namespace

void LoadBuiltinSkin(Player& p) {
  TextRaster raster(ui::EmbeddedFont());
  MainWindow& main = p.windows.main;
  const char* const menu[6] = {"", "Intro", "New Game", "Load Game", "Credits", "Close"};
  for (int k = 1; k <= 5; ++k) main.ButtnDefault(k).SetPicture(MakeButton(raster, menu[k], 200, 50));
  main.MMB_Resource.SetPicture(MakeButton(raster, "Menu", 90, 40));
  main.SGB_Resource.SetPicture(MakeButton(raster, "Save", 90, 40));
  main.EI_Resource.SetPicture(MakeButton(raster, "Examine", 90, 40));
  MousePointWindow& store = p.windows.mouse_point;
  store.Yes_Resource.SetPicture(MakeButton(raster, "Yes", 100, 40));
  store.No_Resource.SetPicture(MakeButton(raster, "No", 100, 40));
  store.OK_Resource.SetPicture(MakeButton(raster, "OK", 100, 40));
  store.Cancel_Resource.SetPicture(MakeButton(raster, "Cancel", 100, 40));
}

}  // namespace qvl
