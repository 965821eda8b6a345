// Starting a new game from the main menu: a clean game state, the map and
// the starting inventory from the data files, the game window, scene 1.
#pragma once

namespace qvl {

struct Player;

// Leaves the main menu for scene 1 of a fresh game.
void StartNewGame(Player& p);

// Sets up the map window's markers and the location table from the
// location file (also used when a saved game is restored).
void NewGameLocations(Player& p);

// Puts the items marked to be held at the start into the inventory.
void GiveStartingItems(Player& p);

// Shows the inventory bar, and shows or hides the examine and save buttons
// and the score panels as the skin settings left them in their tags (a new
// or restored game).
void RestoreOptionalControls(Player& p);

// With the debug button enabled (a game built for debugging, or DEBUG typed
// in an earlier game) a new or restored game logs from its first scene on:
// the notify window, emptied, in front of the game window, and the log
// switched on.
void ReopenNotifyLog(Player& p);

}  // namespace qvl
