// The start-up globals: the saved-games folder, the start-up and new-game
// marks, the game disc, the splash and display-mode choices, the screen
// size and the opening logo.
#pragma once

#include <cstdint>
#include <string>

namespace qvl {

struct StartupState {
  // Ends in a separator once InitSavedFolder has run.
  std::string SavedFolder;
  bool StartingUp = false;
  bool StartingNewGame = false;
  bool RunningFromCD = false;
  // The game disc in the drive, 1 … 4; 0 when unknown.
  int16_t CurrentCD = 0;
  // Where the game disc in use is mounted ("/media/cdrom"); and, once a
  // disc request found the wanted disc mounted somewhere else, the game
  // folder on that disc, which the game then reads (see AppPath).
  std::string DiscMount;
  std::string DiscGameFolder;
  bool ShowSplash = false;
  // The general settings choose the standard skin (read by GetInitData).
  bool StandardSkin = false;
  bool ChangeResolution = false;
  int32_t ScreenWidthPx = 0;
  int32_t ScreenHeightPx = 0;
  bool LogoPlaying = false;
  // StartApp has begun; the splash end can arrive twice but starts it once.
  bool StartAppBegun = false;
};

// The display mode switched for the game, and the mode to go back to.
struct DisplayState {
  bool ResolutionChanged = false;
  float SavedWidth = 0;
  float SavedHeight = 0;
  // The screen the game runs on now (800 × 600 while switched).
  bool Fullscreen800x600 = false;
};

}  // namespace qvl
