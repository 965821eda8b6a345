#include "ui/screen_painter.h"

#include "ui/renderer.h"
#include "ui/screen_damage.h"

namespace qvl::ui {

std::vector<Rect> ScreenPainter::Update(DisplayList list, bool whole) {
  std::vector<Rect> painted;
  if (whole || screen_.width != kScreenWidth || screen_.height != kScreenHeight) {
    renderer_.Paint(list, screen_);
    painted.push_back(Rect{0, 0, kScreenWidth, kScreenHeight});
  } else {
    const ScreenAreas changed =
        ChangedAreas(shown_, list, [this](const DrawStep& step) { return renderer_.Extent(step); });
    for (const Rect& area : changed.areas()) renderer_.PaintArea(list, screen_, area);
    painted = changed.areas();
  }
  shown_ = std::move(list);
  return painted;
}

}  // namespace qvl::ui
