#include "shell/quit_query.h"

#include "engine/delays.h"
#include "engine/flags.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "media/soundtrack.h"
#include "shell/dialog_buttons.h"
#include "shell/display_services.h"

namespace qvl {

namespace {

DialogButtons QuitButtons(Player& p) {
  QuitGameQueryWindow& q = p.windows.quit_query;
  MousePointWindow& skin = p.windows.mouse_point;
  return {q.ButtnYes, skin.Yes_Resource, q.ButtnNo, skin.No_Resource};
}

void QuitActivate(Player& p) {
  QuitGameQueryWindow& q = p.windows.quit_query;
  q.QuitDialogOpen = true;
  q.QuitAnswered = false;
  ShowPointer(p, pointer::kNormal);
  ShowSkinBackground(q.window, p.windows.mouse_point.Quit_BG, q.FCaption);
  ShowButtonsNormal(QuitButtons(p));
}

void QuitNo(Player& p) {
  QuitGameQueryWindow& q = p.windows.quit_query;
  if (q.QuitAnswered) return;
  PlayClickSound(p);
  q.QuitAnswered = true;
  q.window.Hide();
  if (p.game.NotifyLogOn) {
    p.windows.notify.window.Show();
    SetTopMost(p.windows.notify.window, true);
  }
  q.QuitDialogOpen = false;
}

// Yes: the click sound gets 700 ms before the game is left; a second press
// meanwhile does nothing.
void QuitYes(Player& p) {
  QuitGameQueryWindow& q = p.windows.quit_query;
  p.game.BuildDebugOn = false;
  ShowPointer(p, pointer::kWait);
  if (q.QuitAnswered) return;
  PlayClickSound(p);
  q.QuitAnswered = true;
  StopAllTimers(p);
  q.PauseDone = false;
  q.PauseIt.SetTimerEnabled(true);
  p.loop().WaitUntil([&q] { return q.PauseDone; });
  ReturnToMenu(p);
}

void MenuButtonNormal(Player& p) {
  MainWindow& m = p.windows.main;
  if (PictureRef picture = m.MMB_Resource.FramePicture(1)) m.MainMenuButtn.SetPicture(picture);
}

}  // namespace

void MainMenuButtonClick(Player& p) {
  if (WaitPointerShows(p)) return;
  PlayClickSound(p);
  SetTopMost(p.windows.main.window, false);
  if (p.windows.main_menu.CreditsPlaying) {
    p.windows.quit_query.QuitAnswered = true;
    StopAllTimers(p);
    ReturnToMenu(p);
    return;
  }
  p.windows.quit_query.window.ShowModal();
}

void ReturnToMenu(Player& p) {
  MainWindow& m = p.windows.main;
  m.Block.Show();
  p.loop().DoEvents();
  if (p.windows.notify.window.loaded()) p.windows.notify.window.Unload();
  p.windows.quit_query.window.Hide();
  m.window.Hide();
  SetTopMost(m.window, false);
  StopAllSounds(p);
  ResetGameState(p);
  MenuButtonNormal(p);
  ShowPointer(p, pointer::kNormal);
  p.loop().DoEvents();
  p.windows.main_menu.window.Show();
  p.windows.main_menu.CreditsPlaying = false;
}

void WireQuitGameQuery(Player& p) {
  QuitGameQueryWindow& q = p.windows.quit_query;
  q.window.on_load = [&p] { CentreDialog(p, p.windows.quit_query.window); };
  q.window.on_activate = [&p] { QuitActivate(p); };
  q.ButtnYes.on_click = [&p](const ui::MouseArgs&) { QuitYes(p); };
  q.ButtnNo.on_click = [&p](const ui::MouseArgs&) { QuitNo(p); };
  q.window.SetDialogButtons(&q.ButtnYes, &q.ButtnNo);
  q.ButtnYes.on_mouse_move = [&p](const ui::MouseArgs&) {
    DialogButtonHover(p, QuitButtons(p), dialog_hover::kOK);
  };
  q.ButtnNo.on_mouse_move = [&p](const ui::MouseArgs&) {
    DialogButtonHover(p, QuitButtons(p), dialog_hover::kCancel);
  };
  auto neutral = [&p](const ui::MouseArgs&) { DialogButtonHover(p, QuitButtons(p), dialog_hover::kNone); };
  q.window.on_mouse_move = neutral;
  q.FCaption.on_mouse_move = neutral;
  auto left = [&p] { ShowButtonsNormal(QuitButtons(p)); };
  q.ButtnYes.on_mouse_leave = left;
  q.ButtnNo.on_mouse_leave = left;
  q.PauseIt.on_tick = [&q] {
    q.PauseIt.SetTimerEnabled(false);
    q.PauseDone = true;
  };
  p.windows.main.MainMenuButtn.on_click = [&p](const ui::MouseArgs&) { MainMenuButtonClick(p); };
}


void ForgetOpenQuitQuery(Player& p) { p.windows.quit_query.QuitDialogOpen = false; }

}  // namespace qvl
