// The size a movie shows at in display mode 1 of the general settings:
// 400 wide, its height changed by as much as its width was.
#pragma once

namespace qvl {

struct MovieSize {
  int width = 0;
  int height = 0;
};

// From a width under 401 the height grows by 401 minus the width; from a
// wider one it shrinks by the width minus 400 (700 × 475 gives 400 × 175).
inline MovieSize NarrowMovieSize(MovieSize size) {
  if (size.width < 401) return MovieSize{400, size.height + (401 - size.width)};
  return MovieSize{400, size.height - (size.width - 400)};
}

}  // namespace qvl
