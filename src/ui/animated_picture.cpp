#include "ui/animated_picture.h"

#include <memory>

#include "platform/runtime_error.h"
#include "ui/event_loop.h"
#include "ui/window.h"
#include "ui/windows.h"

namespace qvl::ui {

namespace {

// Frames without a usable delay show as long as browsers show them.
constexpr int kShortestDelayMs = 20;
constexpr int kDefaultDelayMs = 100;

}  // namespace

AnimatedPicture::AnimatedPicture(Window& window, std::string name, int index)
    : Control(window, ControlKind::kAnimatedPicture, std::move(name), index),
      frame_timer_(window.windows().scheduler()) {}

void AnimatedPicture::LoadFile(const std::filesystem::path& real_path) {
  // A missing file changes nothing. Otherwise the picture shown so far
  // gives its memory back before the new one is decoded, and a file that
  // cannot be decoded leaves the control empty.
  std::error_code error;
  if (!std::filesystem::is_regular_file(real_path, error)) {
    throw RuntimeError(err::kFileNotFound).WithFile(real_path.string());
  }
  ShowPicture(nullptr);
  PictureRef picture;
  try {
    picture = window().windows().LoadPicture(real_path);
  } catch (RuntimeError& e) {
    throw e.WithFile(real_path.string());
  }
  LoadPicture(std::move(picture));
}

void AnimatedPicture::LoadPicture(PictureRef picture) {
  ShowPicture(std::move(picture));
  window().windows().loop().Post([this] {
    if (on_loaded) on_loaded();
  });
}

void AnimatedPicture::SetPicture(PictureRef picture) { ShowPicture(std::move(picture)); }

void AnimatedPicture::ShowPicture(PictureRef picture) {
  Stop();
  picture_ = std::move(picture);
  frame_pictures_.clear();
  frame_ = 0;
  returning_ = false;
  if (picture_) Resize(picture_->width, picture_->height);
  Changed();
}

void AnimatedPicture::Start() {
  // Starting an animation that plays changes nothing: the frame on screen
  // keeps the rest of its delay and the way it was going.
  if (FrameCount() <= 1 || playing_) return;
  playing_ = true;
  // At either end the way on is clear; between them it goes on as before.
  if (frame_ == FrameCount() - 1) returning_ = true;
  if (frame_ == 0) returning_ = false;
  ScheduleNextFrame();
}

void AnimatedPicture::Stop() {
  playing_ = false;
  frame_timer_.Stop();
}

void AnimatedPicture::SetCurrentFrame(int frame) {
  if (frame < 0 || frame >= FrameCount() || frame == frame_) return;
  frame_ = frame;
  Changed();
  if (playing_) ScheduleNextFrame();
}

void AnimatedPicture::SetSetting(int id, int value) {
  switch (id) {
    case kSettingDirection:
      direction_ = value == 1   ? PlayDirection::kBackwards
                   : value == 2 ? PlayDirection::kForwardsAndBack
                                : PlayDirection::kForwards;
      break;
    case kSettingOnce:
      once_ = value != 0;
      break;
    case kSettingOther:
      other_setting_ = value;
      break;
    default:
      break;
  }
}

int AnimatedPicture::Setting(int id) const {
  switch (id) {
    case kSettingDirection:
      return direction_ == PlayDirection::kBackwards ? 1 : direction_ == PlayDirection::kForwardsAndBack ? 2 : 0;
    case kSettingOnce:
      return once_ ? 1 : 0;
    case kSettingOther:
      return other_setting_;
    default:
      return 0;
  }
}

PictureRef AnimatedPicture::FramePicture(int index) const {
  if (index < 0 || index >= FrameCount()) return nullptr;
  if (frame_pictures_.size() != static_cast<size_t>(FrameCount())) frame_pictures_.assign(FrameCount(), nullptr);
  PictureRef& cached = frame_pictures_[index];
  if (!cached) {
    auto single = std::make_shared<Picture>();
    single->width = picture_->width;
    single->height = picture_->height;
    single->frames.push_back(picture_->frames[index]);
    cached = std::move(single);
  }
  return cached;
}

int AnimatedPicture::FrameDelay(int frame) const {
  const int delay = picture_->frames[frame].delay_ms;
  return delay < kShortestDelayMs ? kDefaultDelayMs : delay;
}

void AnimatedPicture::ScheduleNextFrame() {
  frame_timer_.Start(FrameDelay(frame_), false, [this] { Advance(); });
}

AnimatedPicture::FrameStep AnimatedPicture::NextStep(int frame, bool returning) const {
  const int last = FrameCount() - 1;
  FrameStep step{frame, returning, false};
  switch (direction_) {
    case PlayDirection::kForwards:
      step.round_done = frame >= last;
      step.frame = step.round_done ? 0 : frame + 1;
      break;
    case PlayDirection::kBackwards:
      step.round_done = frame <= 0;
      step.frame = step.round_done ? last : frame - 1;
      break;
    case PlayDirection::kForwardsAndBack:
      if (!step.returning && frame >= last) step.returning = true;
      if (step.returning && frame <= 0) {
        step.round_done = true;
        step.returning = false;
      }
      step.frame = step.round_done ? 1 : step.returning ? frame - 1 : frame + 1;
      break;
  }
  return step;
}

void AnimatedPicture::Advance() {
  const FrameStep step = NextStep(frame_, returning_);
  returning_ = step.returning;
  if (step.round_done && once_) {
    // Played once: it stays on its end frame.
    playing_ = false;
    if (on_played_through) on_played_through();
    return;
  }
  frame_ = step.frame;
  Changed();
  ScheduleNextFrame();
  if (step.round_done && on_played_through) on_played_through();
}

std::optional<int64_t> AnimatedPicture::PlayedThroughAt() const {
  std::optional<int64_t> at = playing_ ? frame_timer_.DueAt() : std::nullopt;
  if (!at) return std::nullopt;
  int frame = frame_;
  bool returning = returning_;
  // A round passes every frame at most twice.
  for (int steps = 0; steps <= 2 * FrameCount() + 2; ++steps) {
    const FrameStep step = NextStep(frame, returning);
    if (step.round_done) return at;
    frame = step.frame;
    returning = step.returning;
    *at += FrameDelay(frame);
  }
  return std::nullopt;
}

void AnimatedPicture::Draw(DisplayList& out) const {
  if (!picture_ || picture_->frames.empty()) return;
  DrawStep pic = Step(DrawStep::Op::kPicture);
  pic.picture = picture_;
  pic.frame = frame_;
  pic.rect.width = picture_->width;
  pic.rect.height = picture_->height;
  out.push_back(pic);
}

}  // namespace qvl::ui
