// The game's real window: the finished 800 × 600 screen shown in an SDL
// window scaled to fit (aspect kept, bars around it, whole-number scaling
// on request, Alt+Enter for full screen), the game's pointer pictures, and
// mouse and keyboard turned into the player's input events.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/screen_output.h"
#include "platform/screen_scaling.h"

struct SDL_Window;

namespace qvl {

// The largest area of a window `window_width` × `window_height` that shows
// the virtual screen with its aspect kept, centred. With `integer_scale`
// only whole multiples are used (1×, 2× …), unless the window is too small
// for even 1×.
Viewport FitScreen(int window_width, int window_height, bool integer_scale);

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The virtual-screen point under window point (x, y); points on the bars
// around the screen count as its nearest edge.
ScreenPoint WindowToScreen(const Viewport& viewport, int x, int y);

// The game's key code (see input_event.h) for an SDL key code; 0 for keys
// the game has no code for.
int GameKeyCode(int32_t sdl_keycode);

// How the window shows the game: copying the changed pixels itself
// (software), or through OpenGL; `kAuto` uses OpenGL only when a graphics
// card draws it.
enum class RendererChoice { kAuto, kSoftware, kOpenGL };

struct ScreenOptions {
  std::string title = "Quorvel Player";
  int window_width = kVirtualScreenWidth;  // the window's first size
  int window_height = kVirtualScreenHeight;
  bool fullscreen = false;
  bool integer_scale = false;
  RendererChoice renderer = RendererChoice::kAuto;
};

class SdlScreen : public ScreenOutput {
 public:
  // Opens the window (shown at the first Present). Throws
  // std::runtime_error when no window can be made.
  explicit SdlScreen(const ScreenOptions& options = {});
  ~SdlScreen() override;
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  void Present(const Image& screen, const std::vector<ScreenArea>& changed) override;
  int RefreshRate() const override;
  void SetPointer(const Image& picture, int hot_x, int hot_y) override;
  std::optional<InputEvent> NextInput(int timeout_ms) override;
  void SetFullscreen(bool on) override;
  bool IsFullscreen() const override;
  void SetTitle(const std::string& title) override;
  void Minimise() override;

  void SetIntegerScale(bool on);

  // Whether the window shows the game through OpenGL (else it copies the
  // pixels itself).
  bool UsesOpenGl() const;

  // The window, for message boxes that belong to it.
  SDL_Window* Window() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qvl
