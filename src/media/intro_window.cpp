#include "media/intro_window.h"

#include "game/window_layout.h"

namespace qvl {

IntroWindow::IntroWindow(ui::Windows& windows)
    : window(windows.Add("IntroFrm")),
      UserIntroMovie(Place(window.Add<MovieControl>("UserIntroMovie"), {0, 0, 800, 600})),
      UserIntro(window.Add<ui::AnimatedPicture>("UserIntro")),
      Command1(AddButton(window, "Command1", "Skip", {720, 570, 70, 22})),
      MovieTimer(AddTimer(window, "MovieTimer", 300)),
      UserIntroTimer(AddTimer(window, "UserIntroTimer", 2000)) {
  window.SetCaption("Quorvel Player");
  window.Move(0, 0, 800, 600);
  window.SetBackColour(0xFF000000);
  UserIntroMovie.Hide();
  UserIntro.Hide();
}

Mp3FormWindow::Mp3FormWindow(ui::Windows& windows)
    : window(windows.Add("Mp3Form")), Mp3Timer(AddTimer(window, "Mp3Timer", 600)) {
  window.SetCaption("Mp3Form - HIDDEN");
}

}  // namespace qvl
