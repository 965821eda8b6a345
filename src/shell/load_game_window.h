// The load dialog `LoadGame`: the list of saved games, what the chosen one
// holds, and the skinned OK and cancel buttons.
#pragma once

#include "ui/list_box.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class LoadGameWindow {
 public:
  explicit LoadGameWindow(ui::Windows& windows);

  ui::Window& window;
  ui::Label& FCaption;  // "LOAD SAVED GAME"
  ui::FileListBox& File1;
  ui::Label& Label1;
  ui::Label& Label2;
  ui::Label& Label3;
  ui::Label& Label4;  // "Please choose a file!"
  ui::ImageControl& ButtnOK;
  ui::ImageControl& ButtnC;
  ui::TimerControl& MsgTimer;
};

}  // namespace qvl
