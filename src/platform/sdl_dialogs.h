// Message boxes and the clipboard of the real window, through SDL.
#pragma once

#include <memory>

#include "platform/message_boxes.h"

struct SDL_Window;

namespace qvl {

namespace sdl {
class VideoGuard;
}

// Shows each box as a dialog of `parent` (or on its own without one) and
// waits for the answer. Enter presses the first button; Escape presses
// Cancel, or OK in a box that has only OK. When no dialog can be shown at
// all, the text goes to the error output and the first button is taken.
class SdlMessageBoxes : public MessageBoxes {
 public:
  explicit SdlMessageBoxes(SDL_Window* parent = nullptr);
  ~SdlMessageBoxes() override;

  MsgAnswer Show(const std::string& title, const std::string& text, MsgIcon icon, MsgButtons buttons) override;

 private:
  SDL_Window* parent_;
  std::unique_ptr<sdl::VideoGuard> video_;
};

// The system clipboard, as text.
class SdlClipboard : public Clipboard {
 public:
  SdlClipboard();
  ~SdlClipboard() override;

  void SetText(const std::string& utf8) override;
  std::string GetText() const override;

 private:
  std::unique_ptr<sdl::VideoGuard> video_;
};

}  // namespace qvl
