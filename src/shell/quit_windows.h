// The windows of leaving: the quit query `QuitGameQuery` ("Quit to Main
// Menu?") and the author's exit picture `NagForm` with its OK button.
#pragma once

#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class QuitGameQueryWindow {
 public:
  explicit QuitGameQueryWindow(ui::Windows& windows);

  ui::Window& window;
  ui::Label& FCaption;  // "Quit to Main Menu?"
  ui::ImageControl& ButtnYes;
  ui::ImageControl& ButtnNo;
  ui::TimerControl& PauseIt;

  // Open from its activation until it is answered with no.
  bool QuitDialogOpen = false;
  // Yes or no has been handled; a second press does nothing.
  bool QuitAnswered = false;
  // The 700 ms after yes have passed.
  bool PauseDone = true;
};

class NagFormWindow {
 public:
  explicit NagFormWindow(ui::Windows& windows);

  ui::Window& window;
  ui::PictureBox& Picture1;  // the exit picture
  ui::Button& Command1;      // "OK"
  ui::TimerControl& Timer1;
};

}  // namespace qvl
