#include "platform/sdl_handles.h"

namespace qvl::sdl {

VideoGuard::VideoGuard() { ok_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; }

VideoGuard::~VideoGuard() {
  if (ok_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TtfGuard::TtfGuard() { ok_ = TTF_Init() == 0; }

TtfGuard::~TtfGuard() {
  if (ok_) TTF_Quit();
}

Surface WrapPixels(const uint32_t* pixels, int width, int height) {
  // SDL wants a non-const pointer, but surfaces made here are only read.
  return Surface(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), width, height, 32,
                                                    width * 4, SDL_PIXELFORMAT_ARGB8888));
}

}  // namespace qvl::sdl
