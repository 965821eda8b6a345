// What part of the screen looks different between two moments: the drawing
// steps of the windows then and now are lined up, and every step that came,
// went or changed (a new frame of an animation, a control moved, shown or
// hidden, a caption changed, a window raised) marks the area it covers.
#pragma once

#include <functional>
#include <vector>

#include "ui/display_list.h"

namespace qvl::ui {

// A few rectangles of the screen; overlapping ones are joined, and past a
// handful the two that waste least by it are joined too, so that painting
// them stays cheap.
class ScreenAreas {
 public:
  static constexpr size_t kMostAreas = 16;

  void Add(const Rect& area);
  const std::vector<Rect>& areas() const { return areas_; }
  bool empty() const { return areas_.empty(); }

 private:
  void JoinClosestPair();

  std::vector<Rect> areas_;
};

// The smallest rectangle holding both (an empty one adds nothing).
Rect Union(const Rect& a, const Rect& b);

// The areas where painting `after` gives other pixels than painting
// `before`. `extent` tells the part of the screen a step can draw on.
// Steps that are equal and in the same order relative to one another draw
// the same pixels, so only the steps left over count.
ScreenAreas ChangedAreas(const DisplayList& before, const DisplayList& after,
                         const std::function<Rect(const DrawStep&)>& extent);

}  // namespace qvl::ui
