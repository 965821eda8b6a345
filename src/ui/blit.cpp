#include "ui/blit.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qvl::ui {
namespace {

Rect Bounds(const Image& image) { return Rect{0, 0, image.width, image.height}; }

}  // namespace

Rect Intersect(const Rect& a, const Rect& b) {
  const int left = std::max(a.left, b.left);
  const int top = std::max(a.top, b.top);
  const int right = std::min(a.Right(), b.Right());
  const int bottom = std::min(a.Bottom(), b.Bottom());
  if (right <= left || bottom <= top) return Rect{left, top, 0, 0};
  return Rect{left, top, right - left, bottom - top};
}

uint32_t BlendOver(uint32_t below, uint32_t above) {
  const uint32_t a = above >> 24;
  if (a == 255) return above;
  if (a == 0) return below;
  const uint32_t below_a = below >> 24;
  // Resulting alpha, and each channel weighted by how much of it shows.
  const uint32_t out_a = a + (below_a * (255 - a) + 127) / 255;
  if (out_a == 0) return 0;
  const uint32_t below_weight = (below_a * (255 - a) + 127) / 255;
  auto channel = [&](int shift) {
    const uint32_t s = (above >> shift) & 0xFF;
    const uint32_t d = (below >> shift) & 0xFF;
    return ((s * a + d * below_weight) + out_a / 2) / out_a;
  };
  return (out_a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

void FillRect(Image& target, const Rect& area, Colour colour, const Rect& clip) {
  if ((colour >> 24) == 0) return;
  const Rect r = Intersect(Intersect(area, clip), Bounds(target));
  for (int y = r.top; y < r.Bottom(); ++y) {
    uint32_t* row = &target.At(0, y);
    if ((colour >> 24) == 255) {
      std::fill(row + r.left, row + r.Right(), colour);
    } else {
      for (int x = r.left; x < r.Right(); ++x) row[x] = BlendOver(row[x], colour);
    }
  }
}

void DrawImage(Image& target, const Image& picture, int left, int top, const Rect& clip) {
  if (picture.Empty()) return;
  const Rect placed{left, top, picture.width, picture.height};
  const Rect r = Intersect(Intersect(placed, clip), Bounds(target));
  for (int y = r.top; y < r.Bottom(); ++y) {
    uint32_t* out = &target.At(0, y);
    const uint32_t* in = picture.pixels.data() + static_cast<size_t>(y - top) * picture.width;
    for (int x = r.left; x < r.Right(); ++x) {
      const uint32_t p = in[x - left];
      const uint32_t a = p >> 24;
      if (a == 255) {
        out[x] = p;
      } else if (a != 0) {
        out[x] = BlendOver(out[x], p);
      }
    }
  }
}

void DrawImageStretched(Image& target, const Image& picture, const Rect& area, const Rect& clip) {
  if (picture.Empty() || area.width <= 0 || area.height <= 0) return;
  const Rect r = Intersect(Intersect(area, clip), Bounds(target));
  if (r.width <= 0 || r.height <= 0) return;
  // Which source column each target column takes, worked out once.
  std::vector<int> source_x(static_cast<size_t>(r.width));
  for (int x = r.left; x < r.Right(); ++x) {
    source_x[static_cast<size_t>(x - r.left)] =
        static_cast<int>((static_cast<int64_t>(x - area.left) * picture.width) / area.width);
  }
  for (int y = r.top; y < r.Bottom(); ++y) {
    const int sy = static_cast<int>((static_cast<int64_t>(y - area.top) * picture.height) / area.height);
    const uint32_t* in = picture.pixels.data() + static_cast<size_t>(sy) * picture.width;
    uint32_t* out = &target.At(0, y);
    for (int x = r.left; x < r.Right(); ++x) {
      const uint32_t p = in[source_x[static_cast<size_t>(x - r.left)]];
      const uint32_t a = p >> 24;
      if (a == 255) {
        out[x] = p;
      } else if (a != 0) {
        out[x] = BlendOver(out[x], p);
      }
    }
  }
}

}  // namespace qvl::ui
