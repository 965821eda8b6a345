// Leaving a game for the main menu: the game window's main-menu button,
// the question "Quit to Main Menu?" with its yes and no, and the way back
// to the menu (also taken at once when the credits are playing).
#pragma once

namespace qvl {

struct Player;

// The game window's main-menu button: back to the menu at once while the
// credits play, otherwise the quit question.
void MainMenuButtonClick(Player& p);

// Leaves the game for the main menu: sounds stopped, the game cleared,
// the game window hidden and the menu shown.
void ReturnToMenu(Player& p);

// The events of the quit question and of the game window's main-menu button.
void WireQuitGameQuery(Player& p);

// The game has ended: the quit question no longer counts as open.
void ForgetOpenQuitQuery(Player& p);

}  // namespace qvl
