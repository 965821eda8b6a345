#include "app/startup.h"

#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/general_settings.h"
#include "game/player.h"
#include "media/soundtrack.h"
#include "platform/text_numbers.h"
#include "shell/display_services.h"
#include "shell/quit.h"
#include "shell/skin.h"

namespace qvl {

namespace {

void Yield(Player& p) { p.loop().DoEvents(); }

std::string VersionCaption() {
  return "QVL v" + Num(QVL_VERSION_MAJOR) + "." + Num(QVL_VERSION_MINOR) + "." + Num(QVL_VERSION_PATCH);
}

// On a screen wider than the game's 800 pixels the start window's controls
// are centred (on the 800 × 600 screen the game draws, which the window
// shows in the middle of the larger one).
void CentreStartControls(Player& p) {
  const ui::ScreenMetrics metrics = p.runtime().GetScreenMetrics();
  if (metrics.WidthTwips() / 15 <= 800) return;
  StartForm& f = p.windows.start;
  const int width = f.window.width();
  const int height = f.window.height();
  f.Label1.Move(width / 2 - f.Label1.width() / 2, height / 2 - f.Label1.height() / 2);
  f.QVLGIFLogo.Move(width / 2 - f.QVLGIFLogo.width() / 2, height / 2 - f.QVLGIFLogo.height() / 2);
  f.QuorvelURL.Move(width / 2 - f.QuorvelURL.width() / 2, height / 2 + f.QVLGIFLogo.height() / 2 + 5);
  f.QVLPVersion.Move(width - 60, height - 20);
}

void StartFormLoad(Player& p) {
  StartForm& f = p.windows.start;
  f.QVLPVersion.SetCaption(VersionCaption());
  GetInitData(p);
  Yield(p);
  CheckRes(p);
  Yield(p);
  CentreStartControls(p);
  if (p.startup.ShowSplash) f.QVLPVersion.Show();
  p.music.MusicOn = true;
  f.Timer1.SetTimerEnabled(true);
  // The skin's pictures are decoded while the start window waits.
  if (p.startup.StandardSkin) PrepareStandardSkin(p);
  Yield(p);
}

void SplashEnd(Player& p) {
  StartForm& f = p.windows.start;
  f.Timer2.SetTimerEnabled(false);
  f.QVLGIFLogo.Hide();
  f.QuorvelURL.Hide();
  f.QVLPVersion.Hide();
  StartApp(p);
}

// The second stage, 1200 ms after the load: every window loads hidden, the
// sound mixer learns the windows, then the splash or StartApp.
void Timer1Tick(Player& p) {
  StartForm& f = p.windows.start;
  PlayerWindows& w = p.windows;
  f.Timer1.SetTimerEnabled(false);
  Yield(p);
  for (ui::Window* window : {&w.intro.window, &w.debug.window, &w.closeup.window, &w.mouse_point.window,
                             &w.quit_query.window, &w.save_game.window, &w.load_game.window,
                             &w.main_menu.window, &w.main.window, &w.map.window}) {
    window->Load();
  }
  int32_t handle = 0;
  for (ui::Window* window : {&w.intro.window, &w.debug.window, &w.save_game.window, &w.load_game.window,
                             &w.quit_query.window, &w.main_menu.window, &w.main.window, &w.map.window}) {
    (void)window;
    p.media.mixer->AttachWindow(++handle);
  }
  Yield(p);
  f.Label1.Hide();
  if (!p.startup.ShowSplash) {
    StartApp(p);
    return;
  }
  f.QVLGIFLogo.Show();
  f.QuorvelURL.Show();
  if (f.QVLGIFLogo.FrameCount() > 1) {
    f.QVLGIFLogo.SetCurrentFrame(0);
    f.QVLGIFLogo.Start();
  } else {
    f.Timer2.SetTimerEnabled(true);
  }
  Yield(p);
}

void StartFormKeyDown(Player& p, ui::KeyArgs& args) {
  StartForm& f = p.windows.start;
  if (args.key == keys::kEscape) {
    if (f.QVLGIFLogo.visible()) {
      SplashEnd(p);
    } else if (f.UserAnimLogo.visible()) {
      f.UserLogoTimer.SetInterval(1);
      f.UserAnimLogo.Stop();
      f.UserAnimLogo.Hide();
      f.UserLogoTimer.SetTimerEnabled(true);
    } else if (f.UserAVILogo.visible()) {
      if (p.media.movie) p.media.movie->Stop();
      f.UserAVILogo.Hide();
      p.startup.LogoPlaying = false;
    }
  }
  args.key = 0;
}

// The game runs from a CD-ROM drive: which of the game's discs is in it.
void LocateGameDisc(Player& p) {
  if (TypeOfDrive(p, p.AppPath()) != drive_type::kCdRom) return;
  p.startup.RunningFromCD = true;
  p.startup.CurrentCD = 0;
  p.startup.DiscMount = DiscMountHolding(p, p.AppPath());
  // The disc's label is read once and compared with each disc's.
  const std::string label = LCase(VolumeLabelOf(p, p.AppPath()).value_or(""));
  for (int16_t i = 1; i <= 4; ++i) {
    if (label == LCase(p.gen.CDLabel[static_cast<size_t>(i)])) p.startup.CurrentCD = i;
  }
  if (p.gen.CDMode && p.startup.CurrentCD == 0) {
    p.runtime().message_boxes().Show(
        "Quorvel Engine",
        "This application has been set up to run from a CD, and is currently running from a CD.  However, the "
        "Quorvel Engine was unable to determine which CD is inserted into the drive.  Possible cause: CD Labels "
        "entered into Quorvel do not match actual volume labels of the CDs.  Without knowing which CD has been "
        "inserted, it is impossible to continue.  Please correct the problem and try again.",
        MsgIcon::kCritical, MsgButtons::kOK);
    EndApplication(p);
  }
}

}  // namespace

void StartProgram(Player& p) { p.windows.start.window.Show(); }

void StartApp(Player& p) {
  if (p.startup.StartAppBegun) return;
  p.startup.StartAppBegun = true;
  try {
    InitMIDI(p);
    p.startup.StartingUp = true;
    p.startup.StartingNewGame = false;
    OpenGenBase(p);
    OpenLocBase(p);
    OpenInvBase(p);
    OpenSceneBase(p);
    OpenConvBase(p);
    Yield(p);
    LocateGameDisc(p);
    ApplyGenSettings(p, 4);
    ApplyGenSettings(p, 5);
    InitSavedFolder(p);
    Yield(p);
    p.startup.StartingUp = false;
    p.windows.main_menu.window.Show();
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "StartApp", error);
  }
}

void WireStartForm(Player& p) {
  StartForm& f = p.windows.start;
  f.window.on_load = [&p] { StartFormLoad(p); };
  f.window.on_key_down = [&p](ui::KeyArgs& args) { StartFormKeyDown(p, args); };
  f.window.on_key_press = [](int& character) { character = 0; };
  f.Timer1.on_tick = [&p] { Timer1Tick(p); };
  f.Timer2.on_tick = [&p] { SplashEnd(p); };
  f.QVLGIFLogo.on_played_through = [&p] { SplashEnd(p); };
  f.UserLogoTimer.on_tick = [&p] {
    StartForm& form = p.windows.start;
    form.UserLogoTimer.SetTimerEnabled(false);
    form.UserAnimLogo.Hide();
    p.startup.LogoPlaying = false;
  };
}

}  // namespace qvl
