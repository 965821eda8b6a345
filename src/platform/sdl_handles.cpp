#include "platform/sdl_handles.h"

#include <cstring>

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

Image ToImage(SDL_Surface* surface) {
  // Pixels without a palette or a transparent colour go straight into the
  // image, with no copy of the whole picture in between.
  if (!SDL_ISPIXELFORMAT_INDEXED(surface->format->format) && !SDL_HasColorKey(surface) &&
      SDL_LockSurface(surface) == 0) {
    Image image(surface->w, surface->h);
    const int converted = SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels,
                                            surface->pitch, SDL_PIXELFORMAT_ARGB8888, image.pixels.data(),
                                            surface->w * 4);
    SDL_UnlockSurface(surface);
    if (converted == 0) return image;
  }
  Surface argb(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb || SDL_LockSurface(argb.get()) != 0) return Image{};
  Image image(argb->w, argb->h);
  const auto* row = static_cast<const uint8_t*>(argb->pixels);
  for (int y = 0; y < argb->h; ++y, row += argb->pitch) {
    std::memcpy(&image.pixels[static_cast<size_t>(y) * image.width], row, static_cast<size_t>(image.width) * 4);
  }
  SDL_UnlockSurface(argb.get());
  return image;
}

}  // namespace qvl::sdl
