// The movie control of a window: the place where a movie's picture shows,
// with the file it was given. Black where no picture is drawn.
#pragma once

#include <string>

#include "ui/control.h"
#include "ui/scheduler.h"

namespace qvl {

class MoviePlayer;

class MovieControl : public ui::Control {
 public:
  MovieControl(ui::Window& window, std::string name, int index);

  // The movie file the control was given; empty when it holds none.
  const std::string& file_name() const { return file_name_; }
  void SetFileName(std::string file_name);

  // The player whose pictures the control shows while it holds a file;
  // null shows black. With `follow` the control draws itself anew at the
  // movie's pace (real play; headless play has no screen to keep fresh).
  void ShowPicturesOf(MoviePlayer* player, bool follow);

  void Draw(ui::DisplayList& out) const override;

 private:
  void NextPicture();

  std::string file_name_;
  MoviePlayer* player_ = nullptr;
  ui::TimerSlot picture_timer_;
};

}  // namespace qvl
