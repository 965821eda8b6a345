// Paints a display list onto the 800 × 600 screen image: pictures, fills,
// outlines and text, clipped and blended, the same for the window and for
// screenshots.
#pragma once

#include <memory>

#include "platform/image.h"
#include "ui/display_list.h"

namespace qvl::ui {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

class Renderer {
 public:
  Renderer();
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // Paints `list` back to front over `screen` (which it first clears to
  // black). Text stays inside its rect as well as its clip; a picture only
  // inside its clip, so a picture larger than its rect shows whole unless
  // the clip cuts it.
  void Paint(const DisplayList& list, Image& screen);

  // Paints `list` again inside `area` only, exactly as Paint would paint
  // those pixels; the rest of `screen` (already 800 × 600) stays as it is.
  void PaintArea(const DisplayList& list, Image& screen, const Rect& area);

  // The part of the screen a step can change (empty when it draws nothing).
  Rect Extent(const DrawStep& step);

  // The size `text` takes in `style` (for captions that size themselves).
  Rect MeasureText(const std::string& text_utf8, const TextStyle& style);

 private:
  // A tooltip: a framed note sized to its text, kept on the screen.
  void PaintToolTip(const DrawStep& step, Image& screen, const Rect& clip);
  // Where a tooltip's note lies.
  Rect NoteRect(const DrawStep& step);

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qvl::ui
