#include "shell/main_menu.h"

#include "engine/new_game.h"
#include "engine/scene_loading.h"
#include "game/general_settings.h"
#include "game/player.h"
#include "game_window/inventory.h"
#include "game_window/pointers.h"
#include "media/media_kind.h"
#include "media/sound_channels.h"
#include "media/soundtrack.h"
#include "platform/text_numbers.h"
#include "shell/quit.h"
#include "shell/save_load_dialogs.h"

namespace qvl {

namespace {

constexpr int kNormalFrame = 1;
constexpr int kHighlightFrame = 0;

void ShowButtonFrame(Player& p, int k, int frame) {
  if (PictureRef picture = p.windows.main.ButtnDefault(k).FramePicture(frame)) {
    p.windows.main_menu.Buttn(k).SetPicture(picture);
  }
}

void ShowAllButtonsNormal(Player& p) {
  for (int k = 1; k <= 5; ++k) ShowButtonFrame(p, k, kNormalFrame);
}

// The menu's background lies in the middle of the 800 × 600 game screen.
void CentreBackground(Player& p) {
  MainMenuWindow& menu = p.windows.main_menu;
  menu.Picture1.Move(menu.window.width() / 2 - menu.Picture1.width() / 2,
                     menu.window.height() / 2 - menu.Picture1.height() / 2);
}

void MenuLoad(Player& p) {
  MainMenuWindow& menu = p.windows.main_menu;
  menu.Picture1.Move(0, 0);
  menu.window.Move(0, 0, 800, 600);
  CentreBackground(p);
  ShowPointer(p, pointer::kNormal);
  ShowAllButtonsNormal(p);
}

void StartMenuMusic(Player& p) {
  const SoundSetting& music = p.gen.MenuMusic;
  if (music.file.empty()) return;
  const std::string kind = MediaKind(music.file);
  if (kind == "wav") {
    PlayWAVQVL(p, music.file, true, channels::kSoundtrack, 0, music.vol);
  } else if (kind == "mid") {
    PlayMIDI(p, music.file, music.vol);
  } else if (kind == "mp3") {
    PlayMP3(p, music.file, music.vol, 0);
  }
}

void StopMenuMusic(Player& p) {
  StopWav(p, channels::kSoundtrack);
  StopMP3(p);
  StopMIDI(p);
  p.loop().DoEvents();
}

void MenuActivate(Player& p) {
  MainMenuWindow& menu = p.windows.main_menu;
  menu.MenuBusy = false;
  ShowPointer(p, pointer::kNormal);
  CentreBackground(p);
  if (menu.BackFromLoad) {
    menu.BackFromLoad = false;
    return;
  }
  // The menu shows before its music starts: a MIDI's synthesizer takes
  // tens of milliseconds to build, and the menu need not wait for it.
  p.runtime().PresentIfChanged();
  StartMenuMusic(p);
}

void ButtonHover(Player& p, int k) {
  MainMenuWindow& menu = p.windows.main_menu;
  if (menu.MenuBusy) return;
  for (int i = 1; i <= 5; ++i) ShowButtonFrame(p, i, i == k ? kHighlightFrame : kNormalFrame);
  const SoundSetting& hover = p.gen.HoverSound;
  if (!hover.file.empty() && menu.HoveredButton != k) {
    menu.HoveredButton = static_cast<int16_t>(k);
    PlayWAVQVL(p, hover.file, false, channels::kButtons, hover.pan, hover.vol);
  }
}

void BackgroundHover(Player& p) {
  MainMenuWindow& menu = p.windows.main_menu;
  menu.HoveredButton = -1;
  if (!menu.MenuBusy) ShowAllButtonsNormal(p);
}

// The pointer left a button for something else: its look goes out as
// over the background, unless the menu is busy. The hovered button stays,
// so coming back without crossing the background stays silent.
void ButtonLeft(Player& p) {
  if (!p.windows.main_menu.MenuBusy) ShowAllButtonsNormal(p);
}

// A chosen action that leaves the menu as it was: usable again.
void MenuFree(Player& p) {
  p.windows.main_menu.MenuBusy = false;
  ShowPointer(p, pointer::kNormal);
}

void IntroButton(Player& p) {
  ApplyGenSettings(p, gen_mode::kIntroCheck);
  if (!p.gen.IntroAvailable) {
    MenuFree(p);
    return;
  }
  StopMenuMusic(p);
  p.startup.StartingUp = false;
  p.startup.StartingNewGame = false;
  ApplyGenSettings(p, gen_mode::kIntro);
  p.windows.main_menu.window.SetAlwaysOnTop(true);
  // The intro's own path frees the menu when the intro window closes.
  MenuFree(p);
}

void NewGameButton(Player& p) {
  StopMenuMusic(p);
  p.loop().DoEvents();
  StartNewGame(p);
}

void LoadGameButton(Player& p) {
  MainMenuWindow& menu = p.windows.main_menu;
  menu.BackFromLoad = true;
  p.music.CurrentSoundtrack.clear();
  p.game.Hand = kNothingInHand;
  ShowPointer(p, pointer::kNormal);
  ShowLoadDialog(p);
  p.loop().DoEvents();
  menu.MenuBusy = false;
}

void CreditsButton(Player& p) {
  if (p.gen.CreditsScene == 0) {
    MenuFree(p);
    return;
  }
  StopMenuMusic(p);
  PlayCredits(p);
}

void CloseButton(Player& p) {
  StopMenuMusic(p);
  if (p.gen.ExitPictureOn) {
    ShowPointer(p, pointer::kNormal);
    p.windows.nag.window.Show();
    return;
  }
  EndApplication(p);
}

void ButtonClick(Player& p, int k) {
  MainMenuWindow& menu = p.windows.main_menu;
  ShowPointer(p, pointer::kWait);
  if (menu.MenuBusy) return;
  menu.window.SetAlwaysOnTop(false);
  menu.PauseDone = false;
  menu.MenuBusy = true;
  const SoundSetting& click = p.gen.ClickSound;
  if (!click.file.empty()) PlayWAVQVL(p, click.file, false, channels::kButtons, click.pan, click.vol);
  menu.PauseTimer.SetTimerEnabled(true);
  p.loop().WaitUntil([&menu] { return menu.PauseDone; });
  switch (k) {
    case MainMenuWindow::kIntro:
      IntroButton(p);
      break;
    case MainMenuWindow::kNewGame:
      NewGameButton(p);
      break;
    case MainMenuWindow::kLoadGame:
      LoadGameButton(p);
      break;
    case MainMenuWindow::kCredits:
      CreditsButton(p);
      break;
    case MainMenuWindow::kClose:
      CloseButton(p);
      break;
    default:
      break;
  }
}

}  // namespace

void PlayCredits(Player& p) {
  MainWindow& main = p.windows.main;
  p.windows.main_menu.CreditsPlaying = true;
  main.InvBar.Hide();
  main.ExamineItem.Hide();
  main.SaveGameButtn.Hide();
  main.LargeScore.Hide();
  main.SmallScore.Hide();
  if (p.game.DebugButtonEnabled == 1) main.Command1.Show();
  main.window.Show();
  p.loop().DoEvents();
  LoadScene(p, p.gen.CreditsScene);
}

void WireMainMenu(Player& p) {
  MainMenuWindow& menu = p.windows.main_menu;
  menu.window.on_load = [&p] { MenuLoad(p); };
  menu.window.on_activate = [&p] { MenuActivate(p); };
  menu.window.on_mouse_move = [&p](const ui::MouseArgs&) { BackgroundHover(p); };
  menu.Picture1.on_mouse_move = [&p](const ui::MouseArgs&) { BackgroundHover(p); };
  for (int k = 1; k <= 5; ++k) {
    menu.Buttn(k).on_mouse_move = [&p, k](const ui::MouseArgs&) { ButtonHover(p, k); };
    menu.Buttn(k).on_mouse_leave = [&p] { ButtonLeft(p); };
    menu.Buttn(k).on_click = [&p, k](const ui::MouseArgs&) { ButtonClick(p, k); };
    // A skin button picture that has finished loading shows its normal look.
    p.windows.main.ButtnDefault(k).on_loaded = [&p, k] { ShowButtonFrame(p, k, kNormalFrame); };
  }
  menu.PauseTimer.on_tick = [&menu] {
    menu.PauseTimer.SetTimerEnabled(false);
    menu.PauseDone = true;
  };
}

}  // namespace qvl
