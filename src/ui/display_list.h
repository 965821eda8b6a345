// What the windows look like at one moment, as a flat list of drawing steps
// from back to front. The windows model writes it; the renderer paints it
// onto the 800 × 600 screen, for the real window and for screenshots alike.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"

namespace qvl::ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool Contains(int x, int y) const { return x >= left && y >= top && x < Right() && y < Bottom(); }
  bool operator==(const Rect&) const = default;
};

// Colours are 0xAARRGGBB; alpha 0 draws nothing.
using Colour = uint32_t;

enum class Align { kLeft, kCentre, kRight };

struct TextStyle {
  std::string font_name = "MS Sans Serif";  // the game's font name; the renderer maps it to a shipped font
  int size_pt = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Align align = Align::kLeft;
  bool middle = false;  // centred from top to bottom too (button captions)
  bool word_wrap = true;
  bool operator==(const TextStyle&) const = default;
};

struct DrawStep {
  enum class Op {
    kFill,     // fill `rect` with `colour`
    kOutline,  // a frame of `border` pixels inside `rect` in `colour`
    kPicture,  // frame `frame` of `picture`, top-left at `rect`; stretched to `rect` when `stretch`
    kText,     // `text` (UTF-8) in `colour` inside `rect`, styled by `style`
    kToolTip,  // `text` (UTF-8) in a small framed note whose top-left is at `rect`, kept on the screen
  };
  Op op = Op::kFill;
  Rect rect;
  Rect clip;  // nothing outside the clip is drawn (the owning window's and container's area)
  Colour colour = 0xFF000000;
  int border = 1;
  PictureRef picture;
  int frame = 0;
  bool stretch = false;
  std::string text;
  TextStyle style;
  // The same step draws the same pixels (pictures are compared as objects:
  // a picture's pixels never change once it is made).
  bool operator==(const DrawStep&) const = default;
};

using DisplayList = std::vector<DrawStep>;

}  // namespace qvl::ui
