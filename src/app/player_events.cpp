#include "app/player_events.h"

#include "app/startup.h"
#include "engine/object_data.h"
#include "game/player.h"
#include "game_window/game_window.h"
#include "game_window/play_events.h"
#include "media/media_events.h"
#include "shell/debug_window.h"
#include "shell/exit_picture.h"
#include "shell/main_menu.h"
#include "shell/notify.h"
#include "shell/quit.h"
#include "shell/quit_query.h"
#include "shell/save_load_dialogs.h"

namespace qvl {

void WireEvents(Player& p) {
  WireStartForm(p);
  WireMainWindow(p);
  WireSceneEngine(p);
  WirePlayEvents(p);
  WireMainMenu(p);
  WireMediaWindows(p);
  WireNotifyWindow(p);
  WireDebugWindow(p);
  WireNagForm(p);
  WireSaveLoadDialogs(p);
  WireQuitGameQuery(p);
  // Closing the real window ends the game as the menu's close button does.
  p.runtime().on_quit = [&p] { EndApplication(p); };
}

}  // namespace qvl
