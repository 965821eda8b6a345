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

std::optional<DisplaySize> UsableDisplaySize() {
  sdl::VideoGuard video;
  if (!video.ok()) return std::nullopt;
  SDL_Rect area;
  if (SDL_GetDisplayUsableBounds(0, &area) != 0 || area.w <= 0 || area.h <= 0) return std::nullopt;
  return DisplaySize{area.w, area.h};
}

}  // namespace qvl
