#include "media/movie_control.h"

#include <memory>

#include "platform/movie_player.h"
#include "ui/window.h"
#include "ui/windows.h"

namespace qvl {

namespace {

// How often a playing movie's picture is drawn anew: 40 pictures a second,
// enough for the 25 and 30 of the game's movies.
constexpr int kPictureIntervalMs = 25;

}  // namespace

MovieControl::MovieControl(ui::Window& window, std::string name, int index)
    : ui::Control(window, ui::ControlKind::kPictureBox, std::move(name), index),
      picture_timer_(window.windows().scheduler()) {}

void MovieControl::SetFileName(std::string file_name) {
  if (file_name_ == file_name) return;
  file_name_ = std::move(file_name);
  Changed();
}

void MovieControl::ShowPicturesOf(MoviePlayer* player, bool follow) {
  player_ = player;
  picture_timer_.Stop();
  if (player_ != nullptr && follow) picture_timer_.Start(kPictureIntervalMs, true, [this] { NextPicture(); });
  Changed();
}

void MovieControl::NextPicture() {
  if (player_ != nullptr && player_->IsPlaying() && ShownOnScreen()) Changed();
}

void MovieControl::Draw(ui::DisplayList& out) const {
  ui::DrawStep fill = Step(ui::DrawStep::Op::kFill);
  fill.colour = 0xFF000000;
  out.push_back(fill);
  if (player_ == nullptr || file_name_.empty() || !player_->IsOpen() || width() <= 0 || height() <= 0) return;
  auto picture = std::make_shared<Picture>();
  picture->width = width();
  picture->height = height();
  picture->frames.push_back(Frame{player_->CurrentFrame(width(), height()), 0});
  ui::DrawStep step = Step(ui::DrawStep::Op::kPicture);
  step.picture = std::move(picture);
  out.push_back(std::move(step));
}

}  // namespace qvl
