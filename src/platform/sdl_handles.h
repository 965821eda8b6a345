// Owning handles for SDL objects, so every surface, texture, window, cursor,
// font and animation is released exactly once. Used only inside the
// platform layer.
#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <memory>

#include "platform/image.h"

namespace qvl::sdl {

struct SurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
struct TextureDeleter {
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
struct RendererDeleter {
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
};
struct WindowDeleter {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};
struct CursorDeleter {
  void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
};
struct FontDeleter {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
struct AnimationDeleter {
  void operator()(IMG_Animation* a) const { IMG_FreeAnimation(a); }
};
struct RWopsDeleter {
  void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};

using Surface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using Texture = std::unique_ptr<SDL_Texture, TextureDeleter>;
using Renderer = std::unique_ptr<SDL_Renderer, RendererDeleter>;
using Window = std::unique_ptr<SDL_Window, WindowDeleter>;
using Cursor = std::unique_ptr<SDL_Cursor, CursorDeleter>;
using Font = std::unique_ptr<TTF_Font, FontDeleter>;
using Animation = std::unique_ptr<IMG_Animation, AnimationDeleter>;
using RWops = std::unique_ptr<SDL_RWops, RWopsDeleter>;

// Keeps the SDL video subsystem up for as long as it lives. SDL counts
// these itself, so any number of guards may exist at once.
class VideoGuard {
 public:
  VideoGuard();
  ~VideoGuard();
  VideoGuard(const VideoGuard&) = delete;
  VideoGuard& operator=(const VideoGuard&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

// Keeps SDL_ttf up for as long as it lives (counted by SDL_ttf).
class TtfGuard {
 public:
  TtfGuard();
  ~TtfGuard();
  TtfGuard(const TtfGuard&) = delete;
  TtfGuard& operator=(const TtfGuard&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

// An ARGB surface that shares the pixels of `pixels` (no copy); it must not
// outlive them.
Surface WrapPixels(const uint32_t* pixels, int width, int height);

// The surface's pixels as 0xAARRGGBB; a transparent colour key becomes
// alpha 0. Empty when SDL cannot convert the surface.
Image ToImage(SDL_Surface* surface);

}  // namespace qvl::sdl
