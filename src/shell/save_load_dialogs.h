// The save dialog `SaveGame` and the load dialog `LoadGame`: the saved
// games listed, a file chosen, the name and description typed, the
// warnings, and OK and cancel.
#pragma once

namespace qvl {

struct Player;

// The game window's save button: the game as it is now is kept for the
// save, and the save dialog opens over the game.
void OpenSaveDialog(Player& p);

// The main menu's load button: the load dialog, until it is closed.
void ShowLoadDialog(Player& p);

// The events of both dialogs and of the game window's save button.
void WireSaveLoadDialogs(Player& p);

// The game has ended: the save dialog no longer counts as open.
void ForgetOpenSaveDialog(Player& p);

}  // namespace qvl
