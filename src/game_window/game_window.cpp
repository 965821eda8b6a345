#include "game_window/game_window.h"

#include "engine/delays.h"
#include "game/error_report.h"
#include "game/player.h"
#include "game_window/inventory.h"
#include "game_window/pointers.h"
#include "media/scene_movie.h"
#include "media/sound_channels.h"
#include "media/soundtrack.h"
#include "platform/text_numbers.h"
#include "shell/map_locations.h"
#include "shell/notify.h"

namespace qvl {

namespace {

// Frame pictures of a skin button: 1 the normal look, 0 the highlighted one.
constexpr int kNormalFrame = 1;
constexpr int kHighlightFrame = 0;

void ShowFrame(ui::ImageControl& button, const ui::AnimatedPicture& resource, int frame) {
  if (PictureRef picture = resource.FramePicture(frame)) button.SetPicture(picture);
}

// The start-up layout of the window.
void MainLoad(Player& p) {
  MainWindow& m = p.windows.main;
  m.Block.Move(0, 0, MainWindow::kSceneWidth, MainWindow::kSceneHeight);
  // The panel is centred on the 800 × 600 screen the game draws.
  m.Picture1.Move(m.window.width() / 2 - m.Picture1.width() / 2, m.window.height() / 2 - m.Picture1.height() / 2);
  m.MsgStatus.Move(m.ScnImg.width() / 2 - m.MsgStatus.width() / 2, m.ScnImg.height() / 2 - m.MsgStatus.height() / 2);
  m.ConvBox.Move(m.ConvBox.left(), 343);
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    m.Animation(i).ZOrder();
    m.NoGIF(i).ZOrder();
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{&m.ConvBox, &m.AVIBG, &m.MoviePlayer1, &m.Block,
                                                                  &m.MsgStatus}) {
    control->ZOrder();
  }
  ShowPointer(p, pointer::kNormal);
  ShowButtonsNormal(p);
  p.music.CurrentSoundtrack.clear();
  p.game.Hand = kNothingInHand;
  p.inventory.CloseUpSlot = -1;
  InitTimers(p);
  m.ScnTimer.SetTimerEnabled(true);
  p.loop().DoEvents();
}

// The resize rule: minimised, the start and intro windows are hidden; in
// any other state they are shown, not modally. Our windows share one
// screen, so showing them must not bury the game: one that was showing
// comes back where it lay, one that was not lies behind every window.
void MainResize(Player& p, InputKind event) {
  for (ui::Window* window : {&p.windows.start.window, &p.windows.intro.window}) {
    if (event == InputKind::kWindowMinimised) {
      window->HideWhileMinimised();
    } else if (!window->loaded() || window->visible()) {
      continue;
    } else if (window->hidden_while_minimised()) {
      window->ShowInPlace();
    } else {
      window->ShowBehind();
    }
  }
}

// A key as a player names it, for the cause of a key handler's error.
std::string KeyName(int key) {
  if (key == keys::kEscape) return "Escape";
  if (key >= keys::kF1 && key < keys::kF1 + 12) return "F" + std::to_string(key - keys::kF1 + 1);
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  return "code " + std::to_string(key);
}

// Esc, F1 and the typed code words.
void MainKeyDown(Player& p, ui::KeyArgs& args) {
  MainWindow& m = p.windows.main;
  const int key = args.key;
  try {
    args.key = 0;
    if (key == keys::kEscape) {
      m.TypedWord.clear();
      if (MoviePlaying(p)) CancelSceneMovie(p);
      return;
    }
    if (key == keys::kF1) {
      m.TypedWord.clear();
      if (!p.game.SceneLoading) ToggleMusic(p);
      return;
    }
    if (key == keys::kF1 + 1 || key == keys::kF1 + 2) return;
    m.TypedWord += static_cast<char>(key);
    if (m.TypedWord == "DEBUG") {
      m.TypedWord.clear();
      SwitchOnDebugging(p);
    } else if (m.TypedWord == "BUILDDEBUG") {
      m.TypedWord.clear();
      SwitchOnBuildDebugging(p);
    }
    if (m.TypedWord.size() > MainWindow::kTypedWordLimit) m.TypedWord.clear();
  } catch (const RuntimeError& error) {
    RuntimeError cause = error;
    ReportErrorCause(p, "Form_KeyDown", cause.WithCause("key " + KeyName(key)));
    p.runtime().message_boxes().Show(
        kAppTitle, "Error in sub Form_KeyDown\r\nError #" + Num(error.number()) + " - " + error.description(),
        MsgIcon::kNone, MsgButtons::kOK);
  }
}

// The pointer over the background, the score display, the panel and the
// debug button: normal, also with an item in hand. The buttons go back to
// their normal look.
void NeutralMove(Player& p) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  if (PointerSlotShowing(p) != pointer::kNormal) ShowPointer(p, pointer::kNormal);
  m.ItemHiLite.Hide();
  m.HoverTarget = hover::kNeutral;
  ShowButtonsNormal(p);
}

// The pointer over the scene background: the item in hand, or normal.
void SceneMove(Player& p) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  ShowItemOrNormalPointer(p);
  m.ItemHiLite.Hide();
  m.HoverTarget = hover::kNeutral;
  ShowButtonsNormal(p);
}

// The pointer over the main-menu or the save button: its highlighted
// look, and the hover sound once per entry.
void ButtonMove(Player& p, ui::ImageControl& button, const ui::AnimatedPicture& resource, int16_t target) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  ShowFrame(button, resource, kHighlightFrame);
  if (PointerSlotShowing(p) != pointer::kNormal) ShowPointer(p, pointer::kNormal);
  const SoundSetting& hover = p.gen.HoverSound;
  if (m.HoverTarget != target && !hover.file.empty()) {
    m.HoverTarget = target;
    PlayWAVQVL(p, hover.file, false, channels::kButtons, hover.pan, hover.vol);
  }
}

void MsgTimerTick(Player& p) {
  p.windows.main.MsgTimer.SetTimerEnabled(false);
  p.windows.main.MsgStatus.Hide();
}

void ScnTimerTick(Player& p) {
  p.windows.main.ScnTimer.SetTimerEnabled(false);
  p.game.SceneSettled = true;
}

}  // namespace

void ShowMessageStrip(Player& p, const std::string& text) {
  MainWindow& m = p.windows.main;
  m.Msg.SetCaption(text);
  m.MsgStatus.Show();
  m.MsgTimer.SetTimerEnabled(true);
}

void ShowButtonsNormal(Player& p) {
  MainWindow& m = p.windows.main;
  ShowFrame(m.MainMenuButtn, m.MMB_Resource, kNormalFrame);
  ShowFrame(m.SaveGameButtn, m.SGB_Resource, kNormalFrame);
  ShowFrame(m.ExamineItem, m.EI_Resource, kNormalFrame);
}

void LitControlLeft(Player& p) {
  ShowButtonsNormal(p);
  p.windows.main.ItemHiLite.Hide();
}

void WireMainWindow(Player& p) {
  MainWindow& m = p.windows.main;
  m.window.on_load = [&p] { MainLoad(p); };
  // Unloading stops the twenty countdowns, so none expires into a window
  // that is gone.
  m.window.on_unload = [&p] {
    StopAllTimers(p);
    if (!p.loop().Ended()) p.loop().DoEvents();
  };
  p.runtime().on_window_event = [&p](InputKind event) {
    // Losing or gaining the keyboard focus changes nothing in the game.
    if (event == InputKind::kWindowFocusLost || event == InputKind::kWindowFocusGained) return;
    MainResize(p, event);
  };
  m.window.on_key_down = [&p](ui::KeyArgs& args) { MainKeyDown(p, args); };
  m.window.on_key_press = [](int& character) { character = 0; };

  auto neutral = [&p](const ui::MouseArgs&) { NeutralMove(p); };
  m.window.on_mouse_move = neutral;
  m.Picture1.on_mouse_move = neutral;
  m.Command1.on_mouse_move = neutral;
  for (ui::Control* part : std::initializer_list<ui::Control*>{
           &m.LargeScore, &m.SmallScore, &m.Label1, &m.Label2, &m.Label3, &m.Label5, &m.CurrScore_Large,
           &m.CurrScore_Small, &m.MaxScore_Large, &m.MaxScore_Small}) {
    part->on_mouse_move = neutral;
  }
  m.ScnImg.on_mouse_move = [&p](const ui::MouseArgs&) { SceneMove(p); };
  m.MainMenuButtn.on_mouse_move = [&p](const ui::MouseArgs&) {
    ButtonMove(p, p.windows.main.MainMenuButtn, p.windows.main.MMB_Resource, hover::kMainMenuButton);
  };
  m.SaveGameButtn.on_mouse_move = [&p](const ui::MouseArgs&) {
    ButtonMove(p, p.windows.main.SaveGameButtn, p.windows.main.SGB_Resource, hover::kSaveButton);
  };
  for (ui::Control* lit : std::initializer_list<ui::Control*>{&m.MainMenuButtn, &m.SaveGameButtn, &m.ExamineItem}) {
    lit->on_mouse_leave = [&p] { LitControlLeft(p); };
  }
  for (int i = 1; i <= InventoryState::kSlots; ++i) m.invitem(i).on_mouse_leave = [&p] { LitControlLeft(p); };
  m.MMB_Resource.on_loaded = [&p] { ShowFrame(p.windows.main.MainMenuButtn, p.windows.main.MMB_Resource, kNormalFrame); };
  m.SGB_Resource.on_loaded = [&p] { ShowFrame(p.windows.main.SaveGameButtn, p.windows.main.SGB_Resource, kNormalFrame); };
  m.EI_Resource.on_loaded = [&p] { ShowFrame(p.windows.main.ExamineItem, p.windows.main.EI_Resource, kNormalFrame); };
  m.Command1.on_click = [&p](const ui::MouseArgs&) { p.windows.debug.window.Show(); };
  m.Command2.on_click = [&p](const ui::MouseArgs&) { ShowMapWindowModal(p); };
  // The main-menu and save buttons' clicks come with the quit and save work;
  // the scene objects' pointers and clicks are wired with playing.
  m.MsgTimer.on_tick = [&p] { MsgTimerTick(p); };
  m.ScnTimer.on_tick = [&p] { ScnTimerTick(p); };
}

void KickSceneTimer(Player& p) { p.windows.main.ScnTimer.SetInterval(1); }

}  // namespace qvl
