#include "platform/screen_scaling.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace qvl {

namespace {

// Where a window column (or row) `d` of a viewport `size` wide takes its
// pixel from, in 1/256 of a screen pixel, for pixel centres: (d + ½) of
// the viewport is (s + ½) of the screen.
int64_t SourceFixed(int d, int size, int screen_size) {
  return (static_cast<int64_t>(2 * d + 1) * screen_size * 256) / (2 * static_cast<int64_t>(size)) - 128;
}

struct Tap {
  int from = 0;  // the pixel before
  int to = 0;    // the pixel after (the same at the edge)
  uint32_t weight = 0;  // how much of `to`, 0 … 255
};

Tap SmoothTap(int d, int size, int screen_size) {
  const int64_t fixed = std::max<int64_t>(0, SourceFixed(d, size, screen_size));
  Tap tap;
  tap.from = std::min(static_cast<int>(fixed >> 8), screen_size - 1);
  tap.to = std::min(tap.from + 1, screen_size - 1);
  tap.weight = static_cast<uint32_t>(fixed & 255);
  return tap;
}

uint32_t Mix(uint32_t a, uint32_t b, uint32_t weight) {
  if (weight == 0) return a;
  const uint32_t keep = 256 - weight;
  const uint32_t rb = (((a & 0xFF00FFu) * keep + (b & 0xFF00FFu) * weight) >> 8) & 0xFF00FFu;
  const uint32_t g = (((a & 0x00FF00u) * keep + (b & 0x00FF00u) * weight) >> 8) & 0x00FF00u;
  return 0xFF000000u | rb | g;
}

const uint32_t* Row(const Image& image, int y) { return image.pixels.data() + static_cast<size_t>(y) * image.width; }

}  // namespace

WindowArea WindowAreaOf(const Viewport& viewport, const ScreenArea& area) {
  if (viewport.width <= 0 || viewport.height <= 0 || area.width <= 0 || area.height <= 0) return WindowArea{};
  const int sw = kVirtualScreenWidth;
  const int sh = kVirtualScreenHeight;
  // A smoothed window pixel reaches about half a scale step either side.
  const int margin_x = viewport.width / sw + 2;
  const int margin_y = viewport.height / sh + 2;
  const auto scaled = [](int v, int size, int screen_size) {
    return static_cast<int>(static_cast<int64_t>(v) * size / screen_size);
  };
  const int left = std::max(0, scaled(area.left, viewport.width, sw) - margin_x);
  const int top = std::max(0, scaled(area.top, viewport.height, sh) - margin_y);
  const int right = std::min(viewport.width, scaled(area.left + area.width, viewport.width, sw) + 1 + margin_x);
  const int bottom = std::min(viewport.height, scaled(area.top + area.height, viewport.height, sh) + 1 + margin_y);
  if (right <= left || bottom <= top) return WindowArea{};
  return WindowArea{viewport.left + left, viewport.top + top, right - left, bottom - top};
}

void ScaleScreenArea(const Image& screen, const Viewport& viewport, const WindowArea& area, bool smooth,
                     uint32_t* out) {
  const int sw = screen.width;
  const int sh = screen.height;
  if (viewport.width == sw && viewport.height == sh) {
    // One window pixel for one screen pixel: the rows as they are.
    for (int y = 0; y < area.height; ++y) {
      const uint32_t* row = Row(screen, area.top - viewport.top + y) + (area.left - viewport.left);
      std::memcpy(out + static_cast<size_t>(y) * area.width, row, static_cast<size_t>(area.width) * 4);
    }
    return;
  }
  if (!smooth) {
    std::vector<int> columns(static_cast<size_t>(area.width));
    for (int x = 0; x < area.width; ++x) {
      columns[static_cast<size_t>(x)] =
          static_cast<int>(static_cast<int64_t>(area.left - viewport.left + x) * sw / viewport.width);
    }
    for (int y = 0; y < area.height; ++y) {
      const int sy = static_cast<int>(static_cast<int64_t>(area.top - viewport.top + y) * sh / viewport.height);
      const uint32_t* row = Row(screen, sy);
      uint32_t* o = out + static_cast<size_t>(y) * area.width;
      for (int x = 0; x < area.width; ++x) o[x] = row[columns[static_cast<size_t>(x)]];
    }
    return;
  }
  std::vector<Tap> columns(static_cast<size_t>(area.width));
  for (int x = 0; x < area.width; ++x) {
    columns[static_cast<size_t>(x)] = SmoothTap(area.left - viewport.left + x, viewport.width, sw);
  }
  for (int y = 0; y < area.height; ++y) {
    const Tap rows = SmoothTap(area.top - viewport.top + y, viewport.height, sh);
    const uint32_t* upper = Row(screen, rows.from);
    const uint32_t* lower = Row(screen, rows.to);
    uint32_t* o = out + static_cast<size_t>(y) * area.width;
    for (int x = 0; x < area.width; ++x) {
      const Tap& c = columns[static_cast<size_t>(x)];
      o[x] = Mix(Mix(upper[c.from], upper[c.to], c.weight), Mix(lower[c.from], lower[c.to], c.weight), rows.weight);
    }
  }
}

}  // namespace qvl
