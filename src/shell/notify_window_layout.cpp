#include "game/window_layout.h"
#include "shell/notify_window.h"

namespace qvl {

NotifyWindow::NotifyWindow(ui::Windows& windows)
    : window(windows.Add("NoWin")),
      cc(AddButton(window, "cc", "Copy to Clipboard", {4, 4, 120, 22})),
      ClC(AddButton(window, "ClC", "Empty Contents", {128, 4, 110, 22})),
      CompExp(AddButton(window, "CompExp", "Expand Window", {242, 4, 110, 22})),
      List1(Place(window.Add<ui::ListBox>("List1"), {4, 30, 352, 260})) {
  window.SetCaption("Notify Window (Debug)");
  const ui::Rect& r = kDesignPlace;
  window.Move(r.left, r.top, r.width, r.height);
}

}  // namespace qvl
