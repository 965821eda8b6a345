// The movie control of a window: the place where a movie's picture shows,
// with the file it was given. Black where no picture is drawn.
#pragma once

#include <string>

#include "ui/control.h"

namespace qvl {

class MovieControl : public ui::Control {
 public:
  MovieControl(ui::Window& window, std::string name, int index);

  // The movie file the control was given; empty when it holds none.
  const std::string& file_name() const { return file_name_; }
  void SetFileName(std::string file_name);

  void Draw(ui::DisplayList& out) const override;

 private:
  std::string file_name_;
};

}  // namespace qvl
