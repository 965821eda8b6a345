#include "game/window_layout.h"
#include "shell/quit_windows.h"

namespace qvl {

QuitGameQueryWindow::QuitGameQueryWindow(ui::Windows& windows)
    : window(windows.Add("QuitGameQuery")),
      FCaption(AddLabel(window, "FCaption", "Quit to Main Menu?", {0, 20, 300, 24})),
      ButtnYes(Place(window.Add<ui::ImageControl>("ButtnYes"), {30, 70, 100, 40})),
      ButtnNo(Place(window.Add<ui::ImageControl>("ButtnNo"), {170, 70, 100, 40})),
      PauseIt(AddTimer(window, "PauseIt", 700)) {
  window.SetCaption("Quit");
  window.Move(250, 240, 300, 130);
  FCaption.SetStyle(Centred(12, true));
}

NagFormWindow::NagFormWindow(ui::Windows& windows)
    : window(windows.Add("NagForm")),
      Picture1(Place(window.Add<ui::PictureBox>("Picture1"), {0, 0, 400, 300})),
      Command1(AddButton(window, "Command1", "OK", {160, 260, 80, 24})),
      Timer1(AddTimer(window, "Timer1", 2)) {
  window.SetCaption("Quorvel Player");
  window.Move(200, 150, 400, 300);
  Picture1.SetAutoSize(true);
}

}  // namespace qvl
