// The notify window `NoWin`: the notify log of the game's author, one line
// per notable event, with copy, empty and expand buttons.
#pragma once

#include "ui/list_box.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class NotifyWindow {
 public:
  explicit NotifyWindow(ui::Windows& windows);

  // The height that shows only the button row (675 twips, 45 pixels).
  static constexpr int kShrunkHeight = 45;
  // Where the window lies and how large it is when it loads.
  static constexpr ui::Rect kDesignPlace{440, 0, 360, 296};

  ui::Window& window;
  ui::Button& cc;       // "Copy to Clipboard"
  ui::Button& ClC;      // "Empty Contents"
  ui::Button& CompExp;  // "Expand Window" / "Shrink Window"
  ui::ListBox& List1;

  // The full height, kept while the window is shrunk.
  int FullHeight = 0;
};

}  // namespace qvl
