// The globals the general settings fill: the game's sounds, title, exit
// picture, discs, skin choices, credits and intro.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qvl {

// A sound the settings name, with its two numbers.
struct SoundSetting {
  std::string file;  // trimmed; empty when the game has none
  int32_t vol = 0;
  int32_t pan = 0;
};

struct GenSettings {
  SoundSetting ClickSound;
  SoundSetting ObjectSound;
  SoundSetting InventoryFullSound;
  SoundSetting MenuMusic;  // pan is not used
  SoundSetting HoverSound;
  std::string GameTitle;
  bool ExitPictureOn = false;
  std::string ExitPicture;
  int16_t BuildDebug = 0;
  bool CDMode = false;
  std::array<std::string, 5> CDLabel;  // 1 … 4
  std::array<int16_t, 5> CDFirstScene{};
  std::array<int16_t, 5> CDLastScene{};
  int16_t MovieSize = 0;
  bool CustomSkin = false;
  int16_t CreditsScene = 0;
  bool ItemTooltips = false;
  bool CloseUpPreload = false;
  bool IntroAvailable = false;
};

}  // namespace qvl
