// Every window of the program, each a class owning its controls under the
// game's names. All are made with the Player; they load and show as the
// game asks.
#pragma once

#include "game_window/item_images.h"
#include "game_window/main_window.h"
#include "game_window/mouse_point.h"
#include "media/intro_window.h"
#include "shell/closeup_window.h"
#include "shell/debug_window.h"
#include "shell/load_game_window.h"
#include "shell/main_menu.h"
#include "shell/map_window.h"
#include "shell/notify_window.h"
#include "shell/quit_windows.h"
#include "shell/save_game_window.h"
#include "shell/start_form.h"

namespace qvl {

struct PlayerWindows {
  PlayerWindows(ui::Windows& windows, const ui::BuiltinPictures& builtins)
      : start(windows, builtins),
        main(windows, builtins),
        main_menu(windows),
        mouse_point(windows, builtins),
        debug(windows),
        notify(windows),
        save_game(windows),
        load_game(windows),
        quit_query(windows),
        nag(windows),
        intro(windows),
        mp3(windows),
        item_images(windows, builtins),
        closeup(windows),
        map(windows, builtins) {}

  StartForm start;                  // StartForm
  MainWindow main;                  // Main
  MainMenuWindow main_menu;         // MainMenu
  MousePointWindow mouse_point;     // MousePoint
  DebugWindow debug;                // QVDebug
  NotifyWindow notify;              // NoWin
  SaveGameWindow save_game;         // SaveGame
  LoadGameWindow load_game;         // LoadGame
  QuitGameQueryWindow quit_query;   // QuitGameQuery
  NagFormWindow nag;                // NagForm
  IntroWindow intro;                // IntroFrm
  Mp3FormWindow mp3;                // Mp3Form
  ItemImagesWindow item_images;     // ItemImages
  CloseupWindow closeup;            // Closeup
  MapWindowWindow map;              // MapWindow
};

}  // namespace qvl
