#include "shell/start_form.h"

#include "game/window_layout.h"

namespace qvl {

namespace {

ui::Label& AddCaption(ui::Window& window, const char* name, const char* caption, ui::Rect at) {
  auto& label = AddLabel(window, name, caption, at);
  label.SetForeColour(0xFFFFFFFF);
  return label;
}

}  // namespace

StartForm::StartForm(ui::Windows& windows, const ui::BuiltinPictures& builtins)
    : window(windows.Add("StartForm")),
      QVLGIFLogo(window.Add<ui::AnimatedPicture>("QVLGIFLogo")),
      QVLPVersion(AddCaption(window, "QVLPVersion", "", {730, 576, 60, 14})),
      QuorvelURL(AddCaption(window, "QuorvelURL", "quorvel.example.org", {240, 362, 320, 16})),
      Label1(AddCaption(window, "Label1", "Loading.  Please wait...", {300, 280, 200, 16})),
      UserAnimLogo(window.Add<ui::AnimatedPicture>("UserAnimLogo")),
      UserAVILogo(window.Add<MovieControl>("UserAVILogo")),
      Timer1(AddTimer(window, "Timer1", 1200)),
      Timer2(AddTimer(window, "Timer2", 2000)),
      UserLogoTimer(AddTimer(window, "UserLogoTimer", 3000)),
      MovieTimer(AddTimer(window, "MovieTimer", 300)) {
  window.SetCaption("Quorvel Player");
  window.Move(0, 0, 800, 600);
  window.SetBackColour(0xFF000000);
  QVLGIFLogo.SetPicture(builtins.Get(ui::BuiltinPicture::kEngineLogo));
  QVLGIFLogo.SetOnce(true);
  QVLGIFLogo.Move(240, 230);
  QVLGIFLogo.Hide();
  ui::TextStyle small;
  small.size_pt = 7;
  QVLPVersion.SetStyle(small);
  QVLPVersion.Hide();
  QuorvelURL.Hide();
  QuorvelURL.SetStyle(Centred());
  Label1.SetStyle(Centred());
  UserAnimLogo.Move(0, 0);
  UserAnimLogo.Hide();
  UserAVILogo.Move(0, 0, 800, 600);
  UserAVILogo.Hide();
}

}  // namespace qvl
