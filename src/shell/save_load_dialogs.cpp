#include "shell/save_load_dialogs.h"

#include <cstdio>

#include "game/error_report.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "media/sound_channels.h"
#include "media/soundtrack.h"
#include "platform/file_replace.h"
#include "platform/text_numbers.h"
#include "shell/dialog_buttons.h"
#include "shell/notify.h"
#include "shell/saved_game.h"

namespace qvl {

namespace {

// The letters a saved game's file name cannot hold.
constexpr const char* kLettersNoFileNameHolds = "/\\:*?\"<>|";

DialogButtons SaveButtons(Player& p) {
  SaveGameWindow& d = p.windows.save_game;
  MousePointWindow& skin = p.windows.mouse_point;
  return {d.ButtnOK, skin.OK_Resource, d.ButtnC, skin.Cancel_Resource};
}

DialogButtons LoadButtons(Player& p) {
  LoadGameWindow& d = p.windows.load_game;
  MousePointWindow& skin = p.windows.mouse_point;
  return {d.ButtnOK, skin.OK_Resource, d.ButtnC, skin.Cancel_Resource};
}

void ListSavedGames(Player& p, ui::FileListBox& list) {
  list.SetPath(p.startup.SavedFolder);
  list.Refresh();
}

// ---- SaveGame

void SaveLoad(Player& p) {
  SaveGameWindow& d = p.windows.save_game;
  CentreDialog(p, d.window);
  d.Text1.SetText("Filename");
  d.Text2.SetText("Game Description");
}

void SaveActivate(Player& p) {
  SaveGameWindow& d = p.windows.save_game;
  ListSavedGames(p, d.File1);
  ShowSkinBackground(d.window, p.windows.mouse_point.Save_BG, d.FCaption);
  ShowButtonsNormal(SaveButtons(p));
  d.Text2.SelectAll();
  d.Text1.SelectAll();
  d.window.SetFocus(&d.Text1);
}

// A listed game is chosen: its name and description fill the boxes.
void SaveFileChosen(Player& p) {
  SaveGameWindow& d = p.windows.save_game;
  const std::string file = d.File1.FileName();
  if (file.empty()) return;
  d.Text1.SetText(file);
  GetGameInfo(p, file);
  d.Text2.SetText(Trim(p.save_data.InfoDescription));
}

// Why a save failed, for the author's notify log and the error output.
void ReportSaveFailure(Player& p, const std::string& name, const std::string& reason) {
  const std::string line = "Could not save game '" + SaveFileName(name) + "': " + reason;
  if (p.game.NotifyLogOn) Notify(p, line);
  std::fprintf(stderr, "Quorvel Player: %s\n", line.c_str());
}

void CloseSaveDialog(Player& p) {
  p.windows.save_game.window.Hide();
  p.windows.main.window.Show();
  p.windows.save_game.SaveDialogOpen = false;
}

// The warning under the boxes shows for one second.
void ShowSaveWarning(Player& p, const std::string& text) {
  SaveGameWindow& d = p.windows.save_game;
  d.Label1.SetCaption(text);
  d.Label1.Show();
  d.MsgTimer.SetTimerEnabled(false);
  d.MsgTimer.SetTimerEnabled(true);
}

void SaveOK(Player& p) {
  SaveGameWindow& d = p.windows.save_game;
  const std::string name = d.Text1.text();
  if (name.empty() || LCase(name) == "filename") {
    d.Label1.SetCaption("Please enter a filename!");
    d.Label1.Show();
    d.MsgTimer.SetTimerEnabled(true);
    return;
  }
  d.Label1.Hide();
  d.MsgTimer.SetTimerEnabled(false);
  ShowButtonsNormal(SaveButtons(p));
  PlayOKPressSound(p);
  bool written = false;
  try {
    written = WriteSaveFile(p, name, d.Text2.text());
  } catch (const FileWriteError& error) {
    // Nothing was written; a saved game that was there is as it was, and
    // the dialog keeps what was typed so the save can be tried again.
    ReportSaveFailure(p, name, error.reason());
    ReportUnexpected(p, "ButtnOK_Click", error);
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "ButtnOK_Click", error);
  }
  if (written) CloseSaveDialog(p);
}

void SaveCancel(Player& p) {
  SaveGameWindow& d = p.windows.save_game;
  d.Label1.Hide();
  d.MsgTimer.SetTimerEnabled(false);
  PlayClickSound(p);
  CloseSaveDialog(p);
}

// ---- LoadGame

void LoadLoad(Player& p) { CentreDialog(p, p.windows.load_game.window); }

void LoadActivate(Player& p) {
  LoadGameWindow& d = p.windows.load_game;
  ListSavedGames(p, d.File1);
  ShowSkinBackground(d.window, p.windows.mouse_point.Load_BG, d.FCaption);
  ShowButtonsNormal(LoadButtons(p));
  d.Label1.SetCaption("");
  d.Label2.SetCaption("");
  d.Label3.SetCaption("");
  d.Label4.Hide();
}

// A listed game is chosen: what it holds is shown.
void LoadFileChosen(Player& p) {
  LoadGameWindow& d = p.windows.load_game;
  const std::string file = d.File1.FileName();
  if (file.empty()) return;
  GetGameInfo(p, file);
  d.Label1.SetCaption(Trim(p.save_data.InfoDescription));
  d.Label2.SetCaption(Trim(p.save_data.InfoDate));
  d.Label3.SetCaption(Trim(p.save_data.InfoTime));
}

void StopMenuMusic(Player& p) {
  StopWav(p, channels::kSoundtrack);
  StopMP3(p);
  StopMIDI(p);
}

void LoadOK(Player& p) {
  LoadGameWindow& d = p.windows.load_game;
  const std::string file = d.File1.FileName();
  if (file.empty() || d.Label2.caption().empty()) {
    d.Label4.Show();
    d.MsgTimer.SetTimerEnabled(true);
    return;
  }
  try {
    // A file that does not fit the game is refused before anything changes.
    if (!ReadSaveFile(p, file)) return;
    d.Label4.Hide();
    d.MsgTimer.SetTimerEnabled(false);
    ShowButtonsNormal(LoadButtons(p));
    PlayOKPressSound(p);
    StopMenuMusic(p);
    p.windows.main.HoverTarget = dialog_hover::kNone;
    ShowPointer(p, pointer::kWait);
    d.window.Hide();
    if (!LoadSaveFile(p, file)) {
      // The file changed since it was looked at and no longer fits the game.
      ShowPointer(p, pointer::kNormal);
      d.window.Show();
    }
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "ButtnOK_Click", error);
    // A file that could not be read leaves the player in the dialog.
    if (!p.windows.main.window.visible()) {
      ShowPointer(p, pointer::kNormal);
      d.window.Show();
    }
  }
}

void LoadCancel(Player& p) {
  LoadGameWindow& d = p.windows.load_game;
  d.Label4.Hide();
  d.MsgTimer.SetTimerEnabled(false);
  PlayClickSound(p);
  d.window.Hide();
}

// ---- both

template <class Dialog>
void WireHover(Player& p, Dialog& d, DialogButtons (*buttons)(Player&),
               std::initializer_list<ui::Control*> elsewhere) {
  d.ButtnOK.on_mouse_move = [&p, buttons](const ui::MouseArgs&) {
    DialogButtonHover(p, buttons(p), dialog_hover::kOK);
  };
  d.ButtnC.on_mouse_move = [&p, buttons](const ui::MouseArgs&) {
    DialogButtonHover(p, buttons(p), dialog_hover::kCancel);
  };
  auto neutral = [&p, buttons](const ui::MouseArgs&) { DialogButtonHover(p, buttons(p), dialog_hover::kNone); };
  d.window.on_mouse_move = neutral;
  for (ui::Control* control : elsewhere) control->on_mouse_move = neutral;
  // A button the pointer leaves (also for the window below the dialog)
  // shows its normal look; the hover code stays until the pointer is over
  // another part of the dialog.
  auto left = [&p, buttons] { ShowButtonsNormal(buttons(p)); };
  d.ButtnOK.on_mouse_leave = left;
  d.ButtnC.on_mouse_leave = left;
}

template <class Dialog>
void WireWarningTimer(Dialog& d, ui::Label& warning) {
  d.MsgTimer.on_tick = [&d, &warning] {
    d.MsgTimer.SetTimerEnabled(false);
    warning.Hide();
  };
}

}  // namespace

void OpenSaveDialog(Player& p) {
  if (WaitPointerShows(p)) return;
  PlayClickSound(p);
  p.windows.save_game.SaveDialogOpen = true;
  SnapshotGameState(p);
  p.windows.save_game.window.ShowModal();
}

void ShowLoadDialog(Player& p) { p.windows.load_game.window.ShowModal(); }

void WireSaveLoadDialogs(Player& p) {
  SaveGameWindow& s = p.windows.save_game;
  s.window.on_load = [&p] { SaveLoad(p); };
  s.window.on_activate = [&p] { SaveActivate(p); };
  s.File1.on_click = [&p](const ui::MouseArgs&) { SaveFileChosen(p); };
  s.Text1.on_got_focus = [&s] { s.Text1.SelectAll(); };
  s.Text2.on_got_focus = [&s] { s.Text2.SelectAll(); };
  s.ButtnOK.on_click = [&p](const ui::MouseArgs&) { SaveOK(p); };
  s.ButtnC.on_click = [&p](const ui::MouseArgs&) { SaveCancel(p); };
  s.window.SetDialogButtons(&s.ButtnOK, &s.ButtnC);
  // Letters a file name on disk cannot hold are refused where they are typed.
  s.Text1.SetRefusedCharacters(kLettersNoFileNameHolds);
  s.Text1.on_refused = [&p] { ShowSaveWarning(p, "A file name cannot hold any of / \\ : * ? \" < > |"); };
  WireHover(p, s, SaveButtons, {&s.FCaption, &s.Text1, &s.Text2, &s.File1, &s.Label1});
  WireWarningTimer(s, s.Label1);

  LoadGameWindow& l = p.windows.load_game;
  l.window.on_load = [&p] { LoadLoad(p); };
  l.window.on_activate = [&p] { LoadActivate(p); };
  l.File1.on_click = [&p](const ui::MouseArgs&) { LoadFileChosen(p); };
  l.ButtnOK.on_click = [&p](const ui::MouseArgs&) { LoadOK(p); };
  l.ButtnC.on_click = [&p](const ui::MouseArgs&) { LoadCancel(p); };
  l.window.SetDialogButtons(&l.ButtnOK, &l.ButtnC);
  // A double click on a saved game loads it.
  l.File1.on_dbl_click = [&p](const ui::MouseArgs&) {
    LoadFileChosen(p);
    if (p.windows.load_game.File1.clicked_again()) LoadOK(p);
  };
  WireHover(p, l, LoadButtons, {&l.FCaption, &l.File1, &l.Label1, &l.Label2, &l.Label3, &l.Label4});
  WireWarningTimer(l, l.Label4);

  p.windows.main.SaveGameButtn.on_click = [&p](const ui::MouseArgs&) { OpenSaveDialog(p); };
}


void ForgetOpenSaveDialog(Player& p) { p.windows.save_game.SaveDialogOpen = false; }

}  // namespace qvl
