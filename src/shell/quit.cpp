#include "shell/quit.h"

#include "game/player.h"
#include "media/sound_channels.h"
#include "media/soundtrack.h"
#include "shell/display_services.h"

namespace qvl {

namespace {

// Lets pending window events run, unless the program is already ending.
void Yield(Player& p) {
  if (!p.loop().Ended()) p.loop().DoEvents();
}

}  // namespace

void EndApplication(Player& p) {
  if (!p.ended) {
    p.ended = true;
    p.data.CloseAll();
    p.windows.mp3.Mp3Timer.SetTimerEnabled(false);
    p.windows.main.MoviePlayer1.SetFileName("");
    if (p.media.movie) p.media.movie->Close();
    Yield(p);
    if (p.display.ResolutionChanged) ChangeRes(p, p.display.SavedWidth, p.display.SavedHeight);
    // The MIDI player lets go of its file; the MP3 player is released with
    // the music engine.
    p.media.midi->Release();
    if (!TerminateEngine(p)) {
      p.runtime().message_boxes().Show("Warning", "Unable to Terminate DirectShow Engine Successfully.",
                                       MsgIcon::kInformation, MsgButtons::kOK);
    }
    Yield(p);
    ShutdownSound(p);
    Yield(p);
    PlayerWindows& w = p.windows;
    const std::initializer_list<ui::Window*> in_order = {
        &w.mp3.window,         &w.map.window,      &w.debug.window,      &w.item_images.window, &w.load_game.window,
        &w.closeup.window,     &w.mouse_point.window, &w.quit_query.window, &w.save_game.window, &w.intro.window,
        &w.notify.window,      &w.nag.window,      &w.start.window,      &w.main.window,        &w.main_menu.window};
    // A window left in front as the others close does not start anything
    // (the menu would start its music again).
    for (ui::Window* window : in_order) window->on_activate = nullptr;
    // The loop ends first: no event runs between the windows' unloads.
    p.loop().EndProgram();
    for (ui::Window* window : in_order) window->Unload();
  }
  throw ui::ProgramEnded{};
}

}  // namespace qvl
