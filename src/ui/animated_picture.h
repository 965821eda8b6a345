// The animated-picture control that shows every animated GIF of the game:
// loading with a loaded event, copying and clearing pictures, playing
// forwards, backwards or there and back, once or repeating, each frame for
// its own delay, and the two frame pictures of a skin button.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"
#include "ui/control.h"
#include "ui/scheduler.h"

namespace qvl::ui {

enum class PlayDirection {
  kForwards,
  kBackwards,
  kForwardsAndBack,  // to the last frame and back to the first
};

class AnimatedPicture : public Control {
 public:
  // The playback settings the game writes by number.
  static constexpr int kSettingDirection = 21;  // 0 forwards, 1 backwards, 2 forwards and back
  static constexpr int kSettingOnce = 28;       // 0 repeats, 1 plays once and stops
  static constexpr int kSettingOther = 29;      // kept, with no effect on playing

  AnimatedPicture(Window& window, std::string name, int index);

  // Reads a picture file and shows its first frame, stopped; the loaded
  // event follows through the event loop. A missing or undecodable file
  // raises RuntimeError 53 or 481 and leaves the control as it was.
  void LoadFile(const std::filesystem::path& real_path);
  // The same for a picture already in memory.
  void LoadPicture(PictureRef picture);

  // The picture shown (all its frames); null when cleared.
  const PictureRef& picture() const { return picture_; }
  // Shows another control's picture from its first frame, stopped, without
  // a loaded event; null clears it.
  void SetPicture(PictureRef picture);
  void ClearPicture() { SetPicture(nullptr); }

  // Plays from the current frame in the current direction; one that plays
  // already goes on as it was.
  void Start();
  // Stops where it is.
  void Stop();
  bool playing() const { return playing_; }

  int FrameCount() const { return picture_ ? picture_->FrameCount() : 0; }
  int current_frame() const { return frame_; }
  // Places the animation on a frame (0 = first); out of range is ignored.
  void SetCurrentFrame(int frame);

  PlayDirection direction() const { return direction_; }
  bool once() const { return once_; }
  void SetOnce(bool once) { once_ = once; }
  void SetSetting(int id, int value);
  int Setting(int id) const;

  // One frame as a picture of its own (the same object on every call for
  // the same picture); null when there is no such frame. For a two-frame
  // skin button index 1 is the normal and 0 the highlighted look.
  PictureRef FramePicture(int index) const;

  // When, on the clock, the playing animation next reaches its end (the
  // moment on_played_through is raised); nothing when it does not play.
  std::optional<int64_t> PlayedThroughAt() const;

  // A load has finished.
  std::function<void()> on_loaded;
  // The animation reached its end (each round when it repeats).
  std::function<void()> on_played_through;

  void Draw(DisplayList& out) const override;

 private:
  void ShowPicture(PictureRef picture);
  // One frame on from `frame`: the frame shown next, whether the way back
  // has begun, and whether that ends a round.
  struct FrameStep {
    int frame = 0;
    bool returning = false;
    bool round_done = false;
  };
  FrameStep NextStep(int frame, bool returning) const;
  void ScheduleNextFrame();
  void Advance();
  int FrameDelay(int frame) const;

  PictureRef picture_;
  int frame_ = 0;
  bool playing_ = false;
  PlayDirection direction_ = PlayDirection::kForwards;
  bool returning_ = false;  // on the way back when playing forwards and back
  bool once_ = false;
  int other_setting_ = 0;
  mutable std::vector<PictureRef> frame_pictures_;
  TimerSlot frame_timer_;
};

}  // namespace qvl::ui
