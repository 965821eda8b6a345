// The close-up window `Closeup`: an inventory item's close-up picture with
// its caption, shown when the player examines the item.
#pragma once

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
};

}  // namespace qvl
