#include "game/window_layout.h"
#include "shell/load_game_window.h"
#include "shell/save_game_window.h"

namespace qvl {

namespace {

ui::Label& AddTitle(ui::Window& window, const char* caption) {
  auto& title = AddLabel(window, "FCaption", caption, {0, 10, 400, 24});
  title.SetStyle(Centred(14, true));
  return title;
}

ui::Label& AddWarning(ui::Window& window, const char* name, const char* caption) {
  auto& warning = AddLabel(window, name, caption, {20, 276, 360, 16});
  warning.SetForeColour(0xFFC00000);
  warning.Hide();
  return warning;
}

}  // namespace

SaveGameWindow::SaveGameWindow(ui::Windows& windows)
    : window(windows.Add("SaveGame")),
      FCaption(AddTitle(window, "SAVE GAME")),
      Text1(Place(window.Add<ui::TextBox>("Text1"), {20, 44, 360, 20})),
      Text2(Place(window.Add<ui::TextBox>("Text2"), {20, 70, 360, 20})),
      File1(Place(window.Add<ui::FileListBox>("File1"), {20, 98, 360, 172})),
      Label1(AddWarning(window, "Label1", "Please enter a filename!")),
      ButtnOK(Place(window.Add<ui::ImageControl>("ButtnOK"), {60, 296, 100, 40})),
      ButtnC(Place(window.Add<ui::ImageControl>("ButtnC"), {240, 296, 100, 40})),
      MsgTimer(AddTimer(window, "MsgTimer", 1000)) {
  window.SetCaption("Save Game");
  window.Move(200, 130, 400, 340);
  Text1.SetText("Filename");
  Text2.SetText("Game Description");
  File1.SetPattern("*.sav");
}

LoadGameWindow::LoadGameWindow(ui::Windows& windows)
    : window(windows.Add("LoadGame")),
      FCaption(AddTitle(window, "LOAD SAVED GAME")),
      File1(Place(window.Add<ui::FileListBox>("File1"), {20, 44, 360, 150})),
      Label1(AddLabel(window, "Label1", "", {20, 200, 360, 16})),
      Label2(AddLabel(window, "Label2", "", {20, 220, 360, 16})),
      Label3(AddLabel(window, "Label3", "", {20, 240, 360, 16})),
      Label4(AddWarning(window, "Label4", "Please choose a file!")),
      ButtnOK(Place(window.Add<ui::ImageControl>("ButtnOK"), {60, 296, 100, 40})),
      ButtnC(Place(window.Add<ui::ImageControl>("ButtnC"), {240, 296, 100, 40})),
      MsgTimer(AddTimer(window, "MsgTimer", 1000)) {
  window.SetCaption("Load Game");
  window.Move(200, 130, 400, 340);
  File1.SetPattern("*.sav");
}

}  // namespace qvl
