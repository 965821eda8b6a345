#include "platform/sdl_screen.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <unordered_map>

#include "platform/gl_probe.h"
#include "platform/sdl_handles.h"

namespace qvl {
namespace {

// Pointer pictures kept as SDL cursors; a game uses a few dozen at most.
constexpr size_t kKeptCursors = 64;

MouseButton ButtonOf(uint8_t sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return MouseButton::kLeft;
    case SDL_BUTTON_RIGHT: return MouseButton::kRight;
    case SDL_BUTTON_MIDDLE: return MouseButton::kMiddle;
    default: return MouseButton::kNone;
  }
}

void SetModifiers(InputEvent& event, uint16_t mod) {
  event.shift = (mod & KMOD_SHIFT) != 0;
  event.alt = (mod & KMOD_ALT) != 0;
  event.control = (mod & KMOD_CTRL) != 0;
}

// Identifies a pointer picture by its pixels, so the same picture reuses
// its cursor whichever image object holds it.
uint64_t PointerKey(const Image& picture, int hot_x, int hot_y) {
  uint64_t hash = 1469598103934665603ull;
  auto mix = [&](uint64_t v) { hash = (hash ^ v) * 1099511628211ull; };
  mix(static_cast<uint64_t>(picture.width));
  mix(static_cast<uint64_t>(picture.height));
  mix(static_cast<uint64_t>(hot_x));
  mix(static_cast<uint64_t>(hot_y));
  for (uint32_t p : picture.pixels) mix(p);
  return hash;
}

// What the desktop did to the window, for the events the game hears of.
std::optional<InputKind> WindowEventKind(uint8_t window_event) {
  switch (window_event) {
    case SDL_WINDOWEVENT_MINIMIZED: return InputKind::kWindowMinimised;
    case SDL_WINDOWEVENT_RESTORED: return InputKind::kWindowRestored;
    case SDL_WINDOWEVENT_MAXIMIZED: return InputKind::kWindowMaximised;
    case SDL_WINDOWEVENT_FOCUS_LOST: return InputKind::kWindowFocusLost;
    case SDL_WINDOWEVENT_FOCUS_GAINED: return InputKind::kWindowFocusGained;
    default: return std::nullopt;
  }
}

}  // namespace

Viewport FitScreen(int window_width, int window_height, bool integer_scale) {
  if (window_width <= 0 || window_height <= 0) return Viewport{};
  int width = 0;
  int height = 0;
  const int whole = std::min(window_width / kVirtualScreenWidth, window_height / kVirtualScreenHeight);
  if (integer_scale && whole >= 1) {
    width = kVirtualScreenWidth * whole;
    height = kVirtualScreenHeight * whole;
  } else if (static_cast<int64_t>(window_width) * kVirtualScreenHeight <=
             static_cast<int64_t>(window_height) * kVirtualScreenWidth) {
    // Narrower than 4:3: full width, bars above and below.
    width = window_width;
    height = static_cast<int>(static_cast<int64_t>(window_width) * kVirtualScreenHeight / kVirtualScreenWidth);
  } else {
    height = window_height;
    width = static_cast<int>(static_cast<int64_t>(window_height) * kVirtualScreenWidth / kVirtualScreenHeight);
  }
  return Viewport{(window_width - width) / 2, (window_height - height) / 2, width, height};
}

ScreenPoint WindowToScreen(const Viewport& viewport, int x, int y) {
  if (viewport.width <= 0 || viewport.height <= 0) return ScreenPoint{};
  const auto scale = [](int from, int offset, int size, int virtual_size) {
    const int64_t v = static_cast<int64_t>(from - offset) * virtual_size / size;
    return static_cast<int>(std::clamp<int64_t>(v, 0, virtual_size - 1));
  };
  // Points on the bars land outside the screen and are held at its edge.
  return ScreenPoint{scale(x, viewport.left, viewport.width, kVirtualScreenWidth),
                     scale(y, viewport.top, viewport.height, kVirtualScreenHeight)};
}

int GameKeyCode(int32_t sdl_keycode) {
  if (sdl_keycode >= SDLK_a && sdl_keycode <= SDLK_z) return 'A' + (sdl_keycode - SDLK_a);
  if (sdl_keycode >= SDLK_0 && sdl_keycode <= SDLK_9) return sdl_keycode;
  if (sdl_keycode >= SDLK_F1 && sdl_keycode <= SDLK_F12) return keys::kF1 + (sdl_keycode - SDLK_F1);
  if (sdl_keycode >= SDLK_KP_1 && sdl_keycode <= SDLK_KP_9) return 97 + (sdl_keycode - SDLK_KP_1);
  switch (sdl_keycode) {
    case SDLK_BACKSPACE: return keys::kBackspace;
    case SDLK_TAB: return keys::kTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return keys::kEnter;
    case SDLK_ESCAPE: return keys::kEscape;
    case SDLK_SPACE: return keys::kSpace;
    case SDLK_LEFT: return keys::kLeft;
    case SDLK_UP: return keys::kUp;
    case SDLK_RIGHT: return keys::kRight;
    case SDLK_DOWN: return keys::kDown;
    case SDLK_DELETE: return keys::kDelete;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return keys::kShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return keys::kControl;
    case SDLK_KP_0: return 96;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_INSERT: return 45;
    default: return 0;
  }
}

struct SdlScreen::Impl {
  sdl::VideoGuard video;
  sdl::Window window;
  sdl::Renderer renderer;  // OpenGL; null when the window copies the pixels itself
  sdl::Texture texture;
  int texture_width = 0;
  int texture_height = 0;
  Image shown;  // the screen as presented last
  std::vector<uint32_t> scaled;  // window pixels on their way to the window
  bool integer_scale = false;
  bool shown_window = false;
  std::unordered_map<uint64_t, sdl::Cursor> cursors;
  uint64_t current_cursor = 0;

  // Starts drawing through OpenGL. With `check`, a renderer that turns out
  // to be a software rasteriser after all is let go again.
  void StartOpenGl(bool check) {
    renderer.reset(SDL_CreateRenderer(window.get(), -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC));
    if (!renderer) renderer.reset(SDL_CreateRenderer(window.get(), -1, SDL_RENDERER_ACCELERATED));
    if (renderer && check && DrawnBySoftware()) renderer.reset();
  }

  bool DrawnBySoftware() const {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer.get(), &info) != 0 || (info.flags & SDL_RENDERER_SOFTWARE) != 0) return true;
    if (SDL_GL_GetCurrentContext() == nullptr) return false;
    using GetString = const unsigned char* (*)(unsigned int);
    constexpr unsigned int kGlRenderer = 0x1F01;
    auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = get_string != nullptr ? get_string(kGlRenderer) : nullptr;
    return name != nullptr && IsSoftwareRasteriser(reinterpret_cast<const char*>(name));
  }

  // Shows the whole screen again, scaled to the window as it is now: after
  // a resize, a mode change, or when the window was uncovered.
  void ShowWhole() {
    if (shown.Empty()) return;
    if (renderer) {
      if (!texture) return;
      SDL_UpdateTexture(texture.get(), nullptr, shown.pixels.data(), shown.width * 4);
      RenderTexture();
      return;
    }
    SDL_Surface* surface = SDL_GetWindowSurface(window.get());
    if (surface == nullptr) return;
    const Viewport v = FitScreen(surface->w, surface->h, integer_scale);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    PaintWindowArea(*surface, v, WindowArea{v.left, v.top, v.width, v.height});
    SDL_UpdateWindowSurface(window.get());
  }

  // Shows the changed areas of the screen only.
  void ShowAreas(const std::vector<ScreenArea>& changed) {
    if (renderer) {
      if (!texture) return;
      for (const ScreenArea& a : changed) {
        const SDL_Rect rect{a.left, a.top, a.width, a.height};
        SDL_UpdateTexture(texture.get(), &rect, &shown.At(a.left, a.top), shown.width * 4);
      }
      RenderTexture();
      return;
    }
    SDL_Surface* surface = SDL_GetWindowSurface(window.get());
    if (surface == nullptr) return;
    const Viewport v = FitScreen(surface->w, surface->h, integer_scale);
    std::vector<SDL_Rect> rects;
    for (const ScreenArea& a : changed) {
      const WindowArea w = WindowAreaOf(v, a);
      if (w.width <= 0 || w.height <= 0) continue;
      PaintWindowArea(*surface, v, w);
      rects.push_back(SDL_Rect{w.left, w.top, w.width, w.height});
    }
    if (!rects.empty()) SDL_UpdateWindowSurfaceRects(window.get(), rects.data(), static_cast<int>(rects.size()));
  }

  // Scales the screen into one area of the window's own pixels.
  void PaintWindowArea(SDL_Surface& surface, const Viewport& v, const WindowArea& a) {
    if (a.width <= 0 || a.height <= 0) return;
    scaled.resize(static_cast<size_t>(a.width) * a.height);
    ScaleScreenArea(shown, v, a, !integer_scale, scaled.data());
    if (SDL_MUSTLOCK(&surface) && SDL_LockSurface(&surface) != 0) return;
    auto* target = static_cast<uint8_t*>(surface.pixels) + static_cast<ptrdiff_t>(a.top) * surface.pitch +
                   static_cast<ptrdiff_t>(a.left) * surface.format->BytesPerPixel;
    SDL_ConvertPixels(a.width, a.height, SDL_PIXELFORMAT_ARGB8888, scaled.data(), a.width * 4,
                      surface.format->format, target, surface.pitch);
    if (SDL_MUSTLOCK(&surface)) SDL_UnlockSurface(&surface);
  }

  void RenderTexture() {
    int out_w = 0;
    int out_h = 0;
    SDL_GetRendererOutputSize(renderer.get(), &out_w, &out_h);
    const Viewport v = FitScreen(out_w, out_h, integer_scale);
    const SDL_Rect target{v.left, v.top, v.width, v.height};
    SDL_SetRenderDrawColor(renderer.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer.get());
    SDL_RenderCopy(renderer.get(), texture.get(), nullptr, &target);
    SDL_RenderPresent(renderer.get());
  }

  void UseScaleMode() {
    if (texture) SDL_SetTextureScaleMode(texture.get(), integer_scale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  }

  Viewport WindowViewport() const {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window.get(), &w, &h);
    return FitScreen(w, h, integer_scale);
  }

  void ToggleFullscreen() {
    const bool on = (SDL_GetWindowFlags(window.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(window.get(), on ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    ShowWhole();
  }

  // The input event for an SDL event, or none for events the window
  // handles itself (Alt+Enter, repainting) or the game does not use.
  std::optional<InputEvent> Translate(const SDL_Event& e) {
    InputEvent event;
    switch (e.type) {
      case SDL_QUIT:
        event.kind = InputKind::kQuit;
        return event;
      case SDL_MOUSEMOTION: {
        event.kind = InputKind::kMouseMove;
        const ScreenPoint p = WindowToScreen(WindowViewport(), e.motion.x, e.motion.y);
        event.x = p.x;
        event.y = p.y;
        SetModifiers(event, static_cast<uint16_t>(SDL_GetModState()));
        return event;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        event.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputKind::kMouseDown : InputKind::kMouseUp;
        event.button = ButtonOf(e.button.button);
        if (event.button == MouseButton::kNone) return std::nullopt;
        const ScreenPoint p = WindowToScreen(WindowViewport(), e.button.x, e.button.y);
        event.x = p.x;
        event.y = p.y;
        SetModifiers(event, static_cast<uint16_t>(SDL_GetModState()));
        return event;
      }
      case SDL_KEYDOWN: {
        const SDL_Keycode sym = e.key.keysym.sym;
        if ((sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && (e.key.keysym.mod & KMOD_ALT)) {
          if (!e.key.repeat) ToggleFullscreen();
          return std::nullopt;
        }
        event.kind = InputKind::kKeyDown;
        event.key = GameKeyCode(sym);
        if (event.key == 0) return std::nullopt;
        SetModifiers(event, e.key.keysym.mod);
        return event;
      }
      case SDL_TEXTINPUT:
        event.kind = InputKind::kText;
        event.text = e.text.text;
        return event;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          ShowWhole();
          return std::nullopt;
        }
        if (auto kind = WindowEventKind(e.window.event)) {
          event.kind = *kind;
          return event;
        }
        return std::nullopt;
      case SDL_DISPLAYEVENT:
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        // A new display mode, or OpenGL lost what it held.
        ShowWhole();
        return std::nullopt;
      default:
        return std::nullopt;
    }
  }
};

SdlScreen::SdlScreen(const ScreenOptions& options) : impl_(std::make_unique<Impl>()) {
  if (!impl_->video.ok()) throw std::runtime_error(std::string("No video: ") + SDL_GetError());
  // Without a display SDL may fall back to a driver that shows nothing; a
  // game nobody can see would run on unnoticed, so that is an error unless
  // such a driver was asked for by name (tests, headless checks).
  const std::string driver = SDL_GetCurrentVideoDriver() != nullptr ? SDL_GetCurrentVideoDriver() : "";
  const char* requested = std::getenv("SDL_VIDEODRIVER");
  if ((driver == "offscreen" || driver == "dummy") &&
      (requested == nullptr || std::string(requested).find(driver) == std::string::npos)) {
    throw std::runtime_error("No display to open the game's window on (set DISPLAY or WAYLAND_DISPLAY)");
  }
  // A click that brings the window to the front also counts as a click,
  // as it does in the windows the games were made for.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  uint32_t flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
  if (options.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  impl_->window.reset(SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                       options.window_width, options.window_height, flags));
  if (!impl_->window) throw std::runtime_error(std::string("No window: ") + SDL_GetError());
  impl_->integer_scale = options.integer_scale;
  // OpenGL from a software rasteriser would cost its library's memory and
  // more processor time than copying the changed pixels ourselves.
  const bool open_gl = options.renderer == RendererChoice::kOpenGL ||
                       (options.renderer == RendererChoice::kAuto &&
                        !OnlySoftwareOpenGl(GatherGraphicsFacts(impl_->window.get())));
  if (open_gl) impl_->StartOpenGl(options.renderer == RendererChoice::kAuto);
  // The window's own pixels, without OpenGL behind them either.
  if (!impl_->renderer) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

SdlScreen::~SdlScreen() = default;

void SdlScreen::Present(const Image& screen, const std::vector<ScreenArea>& changed) {
  if (screen.Empty()) return;
  Impl& s = *impl_;
  bool whole = !s.shown_window || s.shown.width != screen.width || s.shown.height != screen.height;
  if (whole) {
    s.shown = screen;
  } else {
    for (const ScreenArea& a : changed) {
      const int left = std::clamp(a.left, 0, screen.width);
      const int right = std::clamp(a.left + a.width, left, screen.width);
      for (int y = std::max(a.top, 0); y < std::min(a.top + a.height, screen.height); ++y) {
        const uint32_t* from = screen.pixels.data() + static_cast<size_t>(y) * screen.width;
        std::copy(from + left, from + right, &s.shown.At(left, y));
      }
    }
  }
  if (s.renderer && (!s.texture || s.texture_width != screen.width || s.texture_height != screen.height)) {
    s.texture.reset(SDL_CreateTexture(s.renderer.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                      screen.width, screen.height));
    if (!s.texture) return;
    s.texture_width = screen.width;
    s.texture_height = screen.height;
    s.UseScaleMode();
    whole = true;
  }
  if (!s.shown_window) {
    SDL_ShowWindow(s.window.get());
    s.shown_window = true;
  }
  if (whole) {
    s.ShowWhole();
  } else {
    s.ShowAreas(changed);
  }
}

int SdlScreen::RefreshRate() const {
  SDL_DisplayMode mode{};
  const int display = SDL_GetWindowDisplayIndex(impl_->window.get());
  if (display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0) {
    return mode.refresh_rate;
  }
  return 60;  // what displays show when they do not say
}

bool SdlScreen::UsesOpenGl() const { return impl_->renderer != nullptr; }

void SdlScreen::SetPointer(const Image& picture, int hot_x, int hot_y) {
  if (picture.Empty()) return;
  Impl& s = *impl_;
  const uint64_t key = PointerKey(picture, hot_x, hot_y);
  if (key == s.current_cursor) return;
  auto found = s.cursors.find(key);
  if (found == s.cursors.end()) {
    if (s.cursors.size() >= kKeptCursors) {
      // The one in use stays: SDL must not lose the cursor it shows.
      std::erase_if(s.cursors, [&](const auto& entry) { return entry.first != s.current_cursor; });
    }
    sdl::Surface surface = sdl::WrapPixels(picture.pixels.data(), picture.width, picture.height);
    if (!surface) return;
    sdl::Cursor cursor(SDL_CreateColorCursor(surface.get(), std::clamp(hot_x, 0, picture.width - 1),
                                             std::clamp(hot_y, 0, picture.height - 1)));
    if (!cursor) return;
    found = s.cursors.emplace(key, std::move(cursor)).first;
  }
  SDL_SetCursor(found->second.get());
  s.current_cursor = key;
}

std::optional<InputEvent> SdlScreen::NextInput(int timeout_ms) {
  const uint64_t deadline = SDL_GetTicks64() + static_cast<uint64_t>(std::max(timeout_ms, 0));
  for (;;) {
    SDL_Event e;
    const uint64_t now = SDL_GetTicks64();
    const int wait = now >= deadline ? 0 : static_cast<int>(deadline - now);
    const bool got = wait == 0 ? SDL_PollEvent(&e) != 0 : SDL_WaitEventTimeout(&e, wait) != 0;
    if (!got) return std::nullopt;
    if (auto event = impl_->Translate(e)) return event;
  }
}

void SdlScreen::SetFullscreen(bool on) {
  SDL_SetWindowFullscreen(impl_->window.get(), on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  impl_->ShowWhole();
}

bool SdlScreen::IsFullscreen() const {
  return (SDL_GetWindowFlags(impl_->window.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void SdlScreen::SetTitle(const std::string& title) { SDL_SetWindowTitle(impl_->window.get(), title.c_str()); }

void SdlScreen::Minimise() { SDL_MinimizeWindow(impl_->window.get()); }

void SdlScreen::SetIntegerScale(bool on) {
  impl_->integer_scale = on;
  impl_->UseScaleMode();
  impl_->ShowWhole();
}


SDL_Window* SdlScreen::Window() const { return impl_->window.get(); }

}  // namespace qvl
