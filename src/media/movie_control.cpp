#include "media/movie_control.h"

namespace qvl {

MovieControl::MovieControl(ui::Window& window, std::string name, int index)
    : ui::Control(window, ui::ControlKind::kPictureBox, std::move(name), index) {}

void MovieControl::SetFileName(std::string file_name) {
  if (file_name_ == file_name) return;
  file_name_ = std::move(file_name);
  Changed();
}

void MovieControl::Draw(ui::DisplayList& out) const {
  ui::DrawStep fill = Step(ui::DrawStep::Op::kFill);
  fill.colour = 0xFF000000;
  out.push_back(fill);
}

}  // namespace qvl
