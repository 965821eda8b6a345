#include "game_window/mouse_point.h"

#include "game/window_layout.h"

namespace qvl {

namespace {

const char* const kPointerNames[16] = {"",       "UP",      "DOWN",    "LEFT",   "RIGHT", "UP-L",
                                       "UP-R",   "DOWN-L",  "DOWN-R",  "EXIT",   "HOTSPOT", "GOODIE",
                                       "REACTOR", "NORMAL", "WAIT",    "BUTTONS"};

}  // namespace

MousePointWindow::MousePointWindow(ui::Windows& windows, const ui::BuiltinPictures& builtins)
    : window(windows.Add("MousePoint")),
      Pointer(window, "Pointer"),
      Defaults(window, "Defaults"),
      PointerName(window, "PointerName"),
      Save_BG(Place(window.Add<ui::PictureBox>("Save_BG"), {0, 200, 100, 60})),
      Load_BG(Place(window.Add<ui::PictureBox>("Load_BG"), {110, 200, 100, 60})),
      Quit_BG(Place(window.Add<ui::PictureBox>("Quit_BG"), {220, 200, 100, 60})),
      Yes_Resource(window.Add<ui::AnimatedPicture>("Yes_Resource")),
      No_Resource(window.Add<ui::AnimatedPicture>("No_Resource")),
      OK_Resource(window.Add<ui::AnimatedPicture>("OK_Resource")),
      Cancel_Resource(window.Add<ui::AnimatedPicture>("Cancel_Resource")) {
  window.SetCaption("Mousepointers - HIDDEN");
  window.Move(0, 0, 600, 300);
  for (int i = 1; i <= pointer::kCount; ++i) {
    const int left = 10 + (i - 1) * 38;
    Pointer(i).SetPointer(builtins.Pointer(i));
    Pointer(i).Move(left, 10);
    Defaults(i).SetPointer(builtins.Pointer(i));
    Defaults(i).Move(left, 60);
    Place(PointerName(i), {left, 110, 38, 14}).SetCaption(kPointerNames[i]);
  }
  for (ui::PictureBox* background : {&Save_BG, &Load_BG, &Quit_BG}) background->SetAutoSize(true);
  Yes_Resource.Move(330, 200);
  No_Resource.Move(400, 200);
  OK_Resource.Move(470, 200);
  Cancel_Resource.Move(540, 200);
}

}  // namespace qvl
