// The close-up window `Closeup`: an inventory item's close-up picture with
// its caption, shown when the player examines the item.
#pragma once

#include <cstdint>
#include <string>

#include "ui/animated_picture.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class CloseupWindow {
 public:
  explicit CloseupWindow(ui::Windows& windows);

  ui::Window& window;
  ui::AnimatedPicture& ClsUpImg;
  ui::Label& ClsCapt;
  ui::PictureBox& Block;
  ui::Button& Dummy;
  ui::Button& Command1;  // close
  ui::TimerControl& StartUpDelay;

  // Handed over by the examine button before the window shows: how the
  // picture plays (1 repeating, 2 once, else still) and the item's sound.
  int16_t Mode = 0;
  std::string Sound;
  int32_t SoundVol = 0;
  int32_t SoundPan = 0;
  // The close-up picture asked for has arrived.
  bool PictureLoaded = true;
};

}  // namespace qvl
