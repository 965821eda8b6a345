#include "game/window_layout.h"
#include "shell/closeup_window.h"
#include "shell/map_window.h"

namespace qvl {

CloseupWindow::CloseupWindow(ui::Windows& windows)
    : window(windows.Add("Closeup")),
      ClsUpImg(window.Add<ui::AnimatedPicture>("ClsUpImg")),
      ClsCapt(AddLabel(window, "ClsCapt", "", {0, 420, 500, 20})),
      Block(Place(window.Add<ui::PictureBox>("Block"), {0, 0, 500, 410})),
      Dummy(AddButton(window, "Dummy", "", {0, 0, 1, 1})),
      Command1(AddButton(window, "Command1", "Close", {210, 446, 80, 24})),
      StartUpDelay(AddTimer(window, "StartUpDelay", 1)) {
  window.SetCaption("Close-up");
  window.Move(150, 60, 500, 480);
  ClsCapt.SetStyle(Centred(10, true));
  Block.SetBackColour(0x00000000);
  Block.Hide();
}

MapWindowWindow::MapWindowWindow(ui::Windows& windows, const ui::BuiltinPictures& builtins)
    : window(windows.Add("MapWindow")),
      Image1(Place(window.Add<ui::ImageControl>("Image1"), {0, 0, 700, 475})),
      Hiliter(window, "Hiliter"),
      Loctn(window, "Loctn"),
      NewLoca(window.Add<ui::AnimatedPicture>("NewLoca")),
      Command1(AddButton(window, "Command1", "X", {676, 2, 22, 20})),
      Command2(AddButton(window, "Command2", "", {0, 0, 1, 1})),
      ButtnCancel(Place(window.Add<ui::ImageControl>("ButtnCancel"), {590, 425, 100, 40})),
      FNF(window.Add<ui::AnimatedPicture>("FNF")) {
  window.SetCaption("Map");
  window.Move(50, 10, 700, 475);
  Image1.SetStretch(true);
  for (int i = 1; i <= Hiliter.kCount; ++i) {
    Hiliter(i).SetBorderColour(0xFFFFFF00);
    Hiliter(i).Hide();
    Loctn(i).SetPicture(builtins.Get(ui::BuiltinPicture::kMapMarker));
    Loctn(i).Hide();
  }
  NewLoca.Hide();
  FNF.SetPicture(builtins.Get(ui::BuiltinPicture::kFnf));
  FNF.Hide();
}

}  // namespace qvl
