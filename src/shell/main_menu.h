// The main menu window `MainMenu`: the game's menu background and the five
// skinned buttons (intro, new game, load game, credits, close), with the
// pause that lets the click sound play before a button acts.
#pragma once

#include <cstdint>

#include "game/control_array.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class MainMenuWindow {
 public:
  explicit MainMenuWindow(ui::Windows& windows);

  // The buttons by their number.
  static constexpr int kIntro = 1;
  static constexpr int kNewGame = 2;
  static constexpr int kLoadGame = 3;
  static constexpr int kCredits = 4;
  static constexpr int kClose = 5;
  static constexpr int kPauseMs = 700;

  ui::Window& window;
  ui::PictureBox& Picture1;
  ControlArray<ui::ImageControl, 5> Buttn;
  ui::TimerControl& PauseTimer;

  // A button click is being handled; other clicks and hovering wait.
  bool MenuBusy = false;
  // The 700 ms after a click have passed.
  bool PauseDone = true;
  // The button last highlighted, −1 when none.
  int16_t HoveredButton = -1;
  // The load button was used: the next activation keeps the music as it is.
  bool BackFromLoad = false;
  // The credits scene is playing in the game window.
  bool CreditsPlaying = false;
};

struct Player;

// Starts the credits scene in the game window (the menu's credits button).
void PlayCredits(Player& p);

// The events of the main menu window.
void WireMainMenu(Player& p);

}  // namespace qvl
