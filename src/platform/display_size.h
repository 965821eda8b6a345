// The size of the real display the player runs on, in pixels.
#pragma once

#include <optional>

namespace qvl {

struct DisplaySize {
  int width = 0;
  int height = 0;
};

// The desktop size of the first display; nothing when no display can be
// asked (no video driver at all).
std::optional<DisplaySize> DesktopDisplaySize();

// The part of the first display that windows may take (the desktop less
// its panels); nothing when no display can be asked.
std::optional<DisplaySize> UsableDisplaySize();

}  // namespace qvl
