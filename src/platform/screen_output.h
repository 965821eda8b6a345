// The real window's side of the player: shows the finished 800 × 600 screen,
// sets the mouse pointer, and hands over input. The SDL backend implements
// it; headless play has none.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/input_event.h"

namespace qvl {

// A rectangle of the 800 × 600 screen, in its pixels.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenArea&) const = default;
};

class ScreenOutput {
 public:
  virtual ~ScreenOutput() = default;

  // Shows a finished screen (800 × 600) in the window, scaled to fit. Only
  // the `changed` areas differ from the screen presented last; the window
  // shows the whole screen anyway when it has to (its first showing, after
  // a resize, a mode change or when it was uncovered).
  virtual void Present(const Image& screen, const std::vector<ScreenArea>& changed) = 0;

  // How many times a second the display shows a new picture: presenting
  // more often than that is wasted.
  virtual int RefreshRate() const = 0;

  // Uses a picture as the mouse pointer, its hot spot at (hot_x, hot_y).
  virtual void SetPointer(const Image& picture, int hot_x, int hot_y) = 0;

  // The next input, waiting at most `timeout_ms` (0: do not wait).
  virtual std::optional<InputEvent> NextInput(int timeout_ms) = 0;

  virtual void SetFullscreen(bool on) = 0;
  virtual bool IsFullscreen() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // Minimises the window to the desktop's task bar.
  virtual void Minimise() = 0;
};

}  // namespace qvl
