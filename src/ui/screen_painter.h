// The 800 × 600 screen kept up to date between paints: only the areas that
// look different from the last paint are painted again, and the caller
// learns which, so that the window shows only those.
#pragma once

#include <vector>

#include "platform/image.h"
#include "ui/display_list.h"

namespace qvl::ui {

class Renderer;

class ScreenPainter {
 public:
  explicit ScreenPainter(Renderer& renderer) : renderer_(renderer) {}

  // Brings the screen up to `list` and returns the areas painted again
  // (none when nothing looks different). `whole` paints everything, as
  // the first paint always does.
  std::vector<Rect> Update(DisplayList list, bool whole);

  // The screen as last painted (800 × 600 after the first Update).
  const Image& screen() const { return screen_; }

 private:
  Renderer& renderer_;
  DisplayList shown_;  // what the screen shows now
  Image screen_;
};

}  // namespace qvl::ui
