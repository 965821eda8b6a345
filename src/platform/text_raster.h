// Single lines of text measured and drawn with a TrueType font held in
// memory. The renderer lays out captions (wrapping, alignment) and asks
// this for the pixels.
#pragma once

#include <compare>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/image.h"

namespace qvl {

struct FontSpec {
  int pixel_size = 11;  // the em height in screen pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  auto operator<=>(const FontSpec&) const = default;
};

class TextRaster {
 public:
  // `font_bytes` (a TTF file) must outlive the raster. A font that cannot
  // be read leaves every text empty rather than failing.
  explicit TextRaster(std::span<const uint8_t> font_bytes);
  ~TextRaster();
  TextRaster(const TextRaster&) = delete;
  TextRaster& operator=(const TextRaster&) = delete;

  // The distance from one line's top to the next line's top.
  int LineHeight(const FontSpec& font);

  // The width in pixels of one line of UTF-8 text.
  int Width(const FontSpec& font, std::string_view utf8);

  // One line drawn in `colour` (0xAARRGGBB) on a transparent background,
  // as tall as LineHeight; empty for empty text.
  Image Render(const FontSpec& font, std::string_view utf8, uint32_t colour);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qvl
