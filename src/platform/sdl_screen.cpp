#include "platform/sdl_screen.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <unordered_map>

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
  sdl::Renderer renderer;
  sdl::Texture texture;
  int texture_width = 0;
  int texture_height = 0;
  bool integer_scale = false;
  bool shown = false;
  std::unordered_map<uint64_t, sdl::Cursor> cursors;
  uint64_t current_cursor = 0;

  // Draws the last presented screen again, scaled to the window as it is now.
  void Redraw() {
    if (!texture) return;
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
    Redraw();
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
        switch (e.window.event) {
          case SDL_WINDOWEVENT_MINIMIZED:
            event.kind = InputKind::kWindowMinimised;
            return event;
          case SDL_WINDOWEVENT_RESTORED:
            event.kind = InputKind::kWindowRestored;
            return event;
          case SDL_WINDOWEVENT_MAXIMIZED:
            event.kind = InputKind::kWindowMaximised;
            return event;
          case SDL_WINDOWEVENT_FOCUS_LOST:
            event.kind = InputKind::kWindowFocusLost;
            return event;
          case SDL_WINDOWEVENT_FOCUS_GAINED:
            event.kind = InputKind::kWindowFocusGained;
            return event;
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_SIZE_CHANGED:
            Redraw();
            return std::nullopt;
          default:
            return std::nullopt;
        }
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
  if (options.renderer == "opengl") SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
  if (options.renderer == "software") {
    impl_->renderer.reset(SDL_CreateRenderer(impl_->window.get(), -1, SDL_RENDERER_SOFTWARE));
  } else {
    impl_->renderer.reset(SDL_CreateRenderer(impl_->window.get(), -1, SDL_RENDERER_PRESENTVSYNC));
  }
  if (!impl_->renderer) impl_->renderer.reset(SDL_CreateRenderer(impl_->window.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!impl_->renderer) throw std::runtime_error(std::string("No renderer: ") + SDL_GetError());
  impl_->integer_scale = options.integer_scale;
}

SdlScreen::~SdlScreen() = default;

void SdlScreen::Present(const Image& screen) {
  if (screen.Empty()) return;
  Impl& s = *impl_;
  if (!s.texture || s.texture_width != screen.width || s.texture_height != screen.height) {
    s.texture.reset(SDL_CreateTexture(s.renderer.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                      screen.width, screen.height));
    if (!s.texture) return;
    s.texture_width = screen.width;
    s.texture_height = screen.height;
    s.UseScaleMode();
  }
  SDL_UpdateTexture(s.texture.get(), nullptr, screen.pixels.data(), screen.width * 4);
  if (!s.shown) {
    SDL_ShowWindow(s.window.get());
    s.shown = true;
  }
  s.Redraw();
}

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
  impl_->Redraw();
}

bool SdlScreen::IsFullscreen() const {
  return (SDL_GetWindowFlags(impl_->window.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void SdlScreen::SetTitle(const std::string& title) { SDL_SetWindowTitle(impl_->window.get(), title.c_str()); }

void SdlScreen::Minimise() { SDL_MinimizeWindow(impl_->window.get()); }

void SdlScreen::SetIntegerScale(bool on) {
  impl_->integer_scale = on;
  impl_->UseScaleMode();
  impl_->Redraw();
}

Viewport SdlScreen::CurrentViewport() const { return impl_->WindowViewport(); }

SDL_Window* SdlScreen::Window() const { return impl_->window.get(); }

}  // namespace qvl
