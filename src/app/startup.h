// Start-up: the start window and its stages, from the first read of the
// settings through the engine splash to StartApp, which opens the game's
// files, finds the game disc, plays the opening logo and intro, prepares
// the saved-games folder and shows the main menu.
#pragma once

namespace qvl {

struct Player;

// Starts the program: shows the start window (its load begins start-up).
void StartProgram(Player& p);

// The start-up procedure proper; runs once per program run.
void StartApp(Player& p);

// The events of the start window.
void WireStartForm(Player& p);

}  // namespace qvl
