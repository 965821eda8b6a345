#include "game/window_layout.h"
#include "shell/main_menu.h"

namespace qvl {

MainMenuWindow::MainMenuWindow(ui::Windows& windows)
    : window(windows.Add("MainMenu")),
      Picture1(Place(window.Add<ui::PictureBox>("Picture1"), {0, 0, 800, 600})),
      Buttn(window, "Buttn"),
      PauseTimer(AddTimer(window, "PauseTimer", kPauseMs)) {
  window.SetCaption("Quorvel Player");
  window.Move(0, 0, 800, 600);
  window.SetBackColour(0xFF000000);
  Picture1.SetBackColour(0xFF000000);
  Picture1.SetAutoSize(true);
  for (int k = 1; k <= 5; ++k) Place(Buttn(k), {300, 150 + (k - 1) * 70, 200, 50});
}

}  // namespace qvl
