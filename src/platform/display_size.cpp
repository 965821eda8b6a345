#include "platform/display_size.h"

#include "platform/sdl_handles.h"

namespace qvl {

std::optional<DisplaySize> DesktopDisplaySize() {
  sdl::VideoGuard video;
  if (!video.ok()) return std::nullopt;
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w <= 0 || mode.h <= 0) return std::nullopt;
  return DisplaySize{mode.w, mode.h};
}

}  // namespace qvl
