// The 800 × 600 screen scaled into the window's own pixels, a rectangle at a
// time: each window pixel is worked out from the whole screen the same way
// whichever rectangle it is painted with, so a window painted in pieces
// looks exactly like one painted at once.
#pragma once

#include <cstdint>

#include "platform/image.h"
#include "platform/screen_output.h"

namespace qvl {

constexpr int kVirtualScreenWidth = 800;
constexpr int kVirtualScreenHeight = 600;

// A rectangle of the window, in window pixels.
struct WindowArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowArea&) const = default;
};

// Where the virtual screen lies inside the window, in window units.
struct Viewport {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Viewport&) const = default;
};

// The window pixels that show the screen area `area` when the screen lies
// at `viewport`, with a margin: a smoothed pixel also takes from its
// neighbours. Always inside the viewport.
WindowArea WindowAreaOf(const Viewport& viewport, const ScreenArea& area);

// Paints the window pixels of `area` (inside the viewport) into `out`,
// `area.width` pixels a row: the screen scaled to the viewport, smoothed
// between pixels or (`smooth` false) taking the nearest pixel.
void ScaleScreenArea(const Image& screen, const Viewport& viewport, const WindowArea& area, bool smooth,
                     uint32_t* out);

}  // namespace qvl
