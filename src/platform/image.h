// Pictures in memory: frames of 32-bit pixels, as decoded from BMP, JPG and
// GIF files or drawn by the player itself.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace qvl {

// One still image: width × height pixels, row by row, each 0xAARRGGBB with
// straight (not premultiplied) alpha.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  Image() = default;
  Image(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  bool Empty() const { return width <= 0 || height <= 0; }
};

// One frame of a picture and how long it stays before the next one.
struct Frame {
  Image image;  // the whole picture as it looks on this frame (already composed)
  int delay_ms = 0;
};

// A picture: one frame for BMP and JPG, one or more for a GIF.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Frame> frames;

  int FrameCount() const { return static_cast<int>(frames.size()); }
};

// Pictures are shared between controls, never copied pixel by pixel.
using PictureRef = std::shared_ptr<const Picture>;

}  // namespace qvl
