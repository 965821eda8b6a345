#include "shell/exit_picture.h"

#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/player.h"
#include "shell/display_services.h"
#include "shell/quit.h"

namespace qvl {

namespace {

void NagLoad(Player& p) {
  NagFormWindow& nag = p.windows.nag;
  nag.window.SetAlwaysOnTop(true);
  try {
    nag.Picture1.SetPicture(LoadGamePicture(p, p.AppPath() + "resource/Gfx/" + p.gen.ExitPicture));
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "NagForm_Load", error);
  }
  p.loop().DoEvents();
  GetScreenMetrics(p);
  const int width = nag.Picture1.width();
  const int height = nag.Picture1.height();
  nag.window.Move(p.startup.ScreenWidthPx / 2 - width / 2, p.startup.ScreenHeightPx / 2 - height / 2, width, height);
  nag.Timer1.SetTimerEnabled(true);
}

// The OK button sits centred near the bottom of the picture.
void NagTimer(Player& p) {
  NagFormWindow& nag = p.windows.nag;
  nag.Timer1.SetTimerEnabled(false);
  nag.Command1.Move(nag.Picture1.width() / 2 - nag.Command1.width() / 2,
                    nag.Picture1.height() - nag.Command1.height() - 12);
}

}  // namespace

void WireNagForm(Player& p) {
  NagFormWindow& nag = p.windows.nag;
  nag.window.on_load = [&p] { NagLoad(p); };
  nag.Timer1.on_tick = [&p] { NagTimer(p); };
  nag.Command1.on_click = [&p](const ui::MouseArgs&) { EndApplication(p); };
  nag.window.SetDialogButtons(&nag.Command1, &nag.Command1);
}

}  // namespace qvl
