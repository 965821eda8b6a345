// The game state every part of the game reads: where the game is, what is
// loading, the switches of the author's tools, and the 255 flags.
#pragma once

#include <array>
#include <cstdint>

namespace qvl {

// The hand's value while no item is in it.
constexpr int16_t kNothingInHand = 99;

struct GameState {
  static constexpr int kFlagCount = 255;

  int16_t CurrentScene = 0;
  int16_t PendingScene = 0;
  bool LoadedNewScene = false;
  int16_t LastFlagSet = 0;
  int16_t ActiveConversation = 0;
  bool SceneLoading = false;
  bool RestoringGame = false;
  int16_t MenuScene = 0;
  // The flag that holds the score; -1 when the game keeps none.
  int16_t ScoreFlag = -1;
  // The notify log is written; detailed lines also need BuildDebugOn.
  bool NotifyLogOn = false;
  bool BuildDebugOn = false;
  // 1 when the game window's debug button is to be shown.
  int16_t DebugButtonEnabled = 0;
  // The inventory slot of the item in hand; 99 when nothing is in hand.
  int16_t Hand = kNothingInHand;
  // The scene has settled after loading (the game window's scene timer).
  bool SceneSettled = false;
  // Flags 1 … 255 (index 0 is "no flag" and never holds a value).
  std::array<int16_t, kFlagCount + 1> Flags{};
};

}  // namespace qvl
