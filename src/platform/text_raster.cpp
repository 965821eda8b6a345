#include "platform/text_raster.h"

#include <map>
#include <string>

#include "platform/sdl_handles.h"

namespace qvl {

struct TextRaster::Impl {
  explicit Impl(std::span<const uint8_t> bytes) : font_bytes(bytes) {}

  // The font opened at this size and style, opened once and kept.
  TTF_Font* Open(const FontSpec& font_spec) {
    if (!ttf.ok()) return nullptr;
    auto found = fonts.find(font_spec);
    if (found != fonts.end()) return found->second.get();
    SDL_RWops* stream = SDL_RWFromConstMem(font_bytes.data(), static_cast<int>(font_bytes.size()));
    sdl::Font font(TTF_OpenFontRW(stream, 1, font_spec.pixel_size > 0 ? font_spec.pixel_size : 1));
    if (font) {
      int style = TTF_STYLE_NORMAL;
      if (font_spec.bold) style |= TTF_STYLE_BOLD;
      if (font_spec.italic) style |= TTF_STYLE_ITALIC;
      if (font_spec.underline) style |= TTF_STYLE_UNDERLINE;
      TTF_SetFontStyle(font.get(), style);
      TTF_SetFontHinting(font.get(), TTF_HINTING_LIGHT);
    }
    return fonts.emplace(font_spec, std::move(font)).first->second.get();
  }

  std::span<const uint8_t> font_bytes;
  sdl::TtfGuard ttf;
  std::map<FontSpec, sdl::Font> fonts;
};

TextRaster::TextRaster(std::span<const uint8_t> font_bytes) : impl_(std::make_unique<Impl>(font_bytes)) {}

TextRaster::~TextRaster() = default;

int TextRaster::LineHeight(const FontSpec& font) {
  TTF_Font* f = impl_->Open(font);
  return f ? TTF_FontLineSkip(f) : 0;
}

int TextRaster::Width(const FontSpec& font, std::string_view utf8) {
  TTF_Font* f = impl_->Open(font);
  if (!f || utf8.empty()) return 0;
  const std::string text(utf8);
  int w = 0;
  int h = 0;
  if (TTF_SizeUTF8(f, text.c_str(), &w, &h) != 0) return 0;
  return w;
}

Image TextRaster::Render(const FontSpec& font, std::string_view utf8, uint32_t colour) {
  TTF_Font* f = impl_->Open(font);
  if (!f || utf8.empty()) return Image{};
  const std::string text(utf8);
  const SDL_Color sdl_colour{static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                             static_cast<uint8_t>(colour), 255};
  sdl::Surface drawn(TTF_RenderUTF8_Blended(f, text.c_str(), sdl_colour));
  if (!drawn) return Image{};
  Image image = sdl::ToImage(drawn.get());
  // A colour that is itself see-through makes the whole text so.
  const uint32_t alpha = colour >> 24;
  if (alpha != 255) {
    for (uint32_t& p : image.pixels) {
      const uint32_t a = ((p >> 24) * alpha + 127) / 255;
      p = (a << 24) | (p & 0x00FFFFFF);
    }
  }
  return image;
}

}  // namespace qvl
