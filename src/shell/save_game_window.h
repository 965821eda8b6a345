// The save dialog `SaveGame`: file name and description boxes, the list of
// saved games, and the skinned OK and cancel buttons.
#pragma once

#include "ui/list_box.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"
#include "ui/windows.h"

namespace qvl {

class SaveGameWindow {
 public:
  explicit SaveGameWindow(ui::Windows& windows);

  ui::Window& window;
  ui::Label& FCaption;  // "SAVE GAME"
  ui::TextBox& Text1;   // file name
  ui::TextBox& Text2;   // game description
  ui::FileListBox& File1;
  ui::Label& Label1;  // "Please enter a filename!"
  ui::ImageControl& ButtnOK;
  ui::ImageControl& ButtnC;
  ui::TimerControl& MsgTimer;

  // The dialog is open over the game window.
  bool SaveDialogOpen = false;
};

}  // namespace qvl
