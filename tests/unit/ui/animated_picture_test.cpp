// The animated-picture control on real GIF files: frame delays, once and
// repeat, backwards, played-through, loaded events and skin frames.
#include "ui/animated_picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/runtime_error.h"
#include "ui/runtime.h"

namespace qvl::ui {
namespace {

const std::filesystem::path kAnim = std::filesystem::path(QVL_TEST_SOURCE_DIR) / "data" / "anim";

// A headless runtime with one window holding one animated picture that
// records what it does.
struct Fixture {
  std::unique_ptr<Runtime> rt = Runtime::MakeHeadless();
  Window& window = rt->windows().Add("Main");
  AnimatedPicture& gif = window.Add<AnimatedPicture>("Animation", 1);
  std::vector<std::string> events;

  Fixture() {
    gif.on_loaded = [this] { events.push_back("loaded"); };
    gif.on_played_through = [this] {
      events.push_back("through@" + std::to_string(rt->clock().NowMs()) + " frame " +
                       std::to_string(gif.current_frame()));
    };
  }
  // Lets virtual time run to `ms`, firing what falls due on the way.
  void RunTo(int64_t ms) {
    while (auto next = rt->scheduler().NextDue()) {
      if (*next > ms) break;
      rt->virtual_clock()->AdvanceTo(*next);
      rt->loop().DoEvents();
    }
    rt->virtual_clock()->AdvanceTo(ms);
    rt->loop().DoEvents();
  }
};

TEST(AnimatedPicture, LoadsAllFramesAndReportsThroughTheLoop) {
  Fixture f;
  f.gif.LoadFile(kAnim / "three_frames.gif");
  EXPECT_EQ(f.gif.FrameCount(), 3);
  EXPECT_EQ(f.gif.width(), 20);
  EXPECT_EQ(f.gif.height(), 10);
  EXPECT_FALSE(f.gif.playing());
  EXPECT_TRUE(f.events.empty());  // not yet: the loaded event comes through the loop
  f.rt->loop().DoEvents();
  EXPECT_EQ(f.events, std::vector<std::string>{"loaded"});
}

TEST(AnimatedPicture, EachFrameShowsForItsOwnDelayAndPlaysOnce) {
  Fixture f;
  f.gif.LoadFile(kAnim / "three_frames.gif");
  f.gif.SetSetting(AnimatedPicture::kSettingOnce, 1);
  EXPECT_EQ(f.gif.PlayedThroughAt(), std::nullopt);  // not playing
  f.gif.Start();
  EXPECT_TRUE(f.gif.playing());
  EXPECT_EQ(f.gif.PlayedThroughAt(), 600);
  f.RunTo(99);
  EXPECT_EQ(f.gif.current_frame(), 0);
  f.RunTo(100);  // frame 0 shows 100 ms
  EXPECT_EQ(f.gif.current_frame(), 1);
  f.RunTo(299);
  EXPECT_EQ(f.gif.current_frame(), 1);
  f.RunTo(300);  // frame 1 shows 200 ms
  EXPECT_EQ(f.gif.current_frame(), 2);
  EXPECT_EQ(f.gif.PlayedThroughAt(), 600);
  f.RunTo(2000);  // frame 2 shows 300 ms, then it stops on it
  EXPECT_FALSE(f.gif.playing());
  EXPECT_EQ(f.gif.current_frame(), 2);
  EXPECT_EQ(f.events, (std::vector<std::string>{"loaded", "through@600 frame 2"}));
}

TEST(AnimatedPicture, RepeatsAndReportsEveryRound) {
  Fixture f;
  f.gif.LoadFile(kAnim / "three_frames.gif");
  f.gif.Start();
  f.RunTo(700);
  EXPECT_TRUE(f.gif.playing());
  EXPECT_EQ(f.gif.current_frame(), 1);
  EXPECT_EQ(f.gif.PlayedThroughAt(), 1200);  // the next round's end
  f.RunTo(1250);
  f.gif.Stop();
  const int stopped_on = f.gif.current_frame();
  f.RunTo(5000);
  EXPECT_EQ(f.gif.current_frame(), stopped_on);
  EXPECT_EQ(f.events, (std::vector<std::string>{"loaded", "through@600 frame 0", "through@1200 frame 0"}));
}

TEST(AnimatedPicture, RunsBackwardsFromItsLastFrame) {
  Fixture f;
  f.gif.LoadFile(kAnim / "three_frames.gif");
  f.gif.SetSetting(AnimatedPicture::kSettingOnce, 1);
  f.gif.SetSetting(AnimatedPicture::kSettingDirection, 1);
  f.gif.SetCurrentFrame(f.gif.FrameCount() - 1);
  f.gif.Start();
  EXPECT_EQ(f.gif.PlayedThroughAt(), 600);
  f.RunTo(300);  // the last frame shows its 300 ms first
  EXPECT_EQ(f.gif.current_frame(), 1);
  f.RunTo(500);
  EXPECT_EQ(f.gif.current_frame(), 0);
  f.RunTo(3000);
  EXPECT_FALSE(f.gif.playing());
  EXPECT_EQ(f.gif.current_frame(), 0);
  EXPECT_EQ(f.events, (std::vector<std::string>{"loaded", "through@600 frame 0"}));
}

TEST(AnimatedPicture, ForwardsAndBackReturnsToTheFirstFrame) {
  Fixture f;
  f.gif.LoadFile(kAnim / "three_frames.gif");
  f.gif.SetSetting(AnimatedPicture::kSettingDirection, 2);
  f.gif.SetSetting(AnimatedPicture::kSettingOnce, 1);
  f.gif.Start();
  EXPECT_EQ(f.gif.PlayedThroughAt(), 900);
  std::vector<int> frames;
  for (int64_t t : {100, 300, 600, 800}) {
    f.RunTo(t);
    frames.push_back(f.gif.current_frame());
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 1, 0}));
  f.RunTo(5000);
  EXPECT_FALSE(f.gif.playing());
  EXPECT_EQ(f.events.back(), "through@900 frame 0");
}

TEST(AnimatedPicture, SkinButtonFramePictures) {
  Fixture f;
  f.gif.LoadFile(kAnim / "skin_button.gif");
  ASSERT_EQ(f.gif.FrameCount(), 2);
  PictureRef normal = f.gif.FramePicture(1);
  PictureRef highlighted = f.gif.FramePicture(0);
  ASSERT_TRUE(normal && highlighted);
  EXPECT_EQ(normal->FrameCount(), 1);
  EXPECT_EQ(normal->frames[0].image.At(5, 5) & 0xFFFFFF, 0x0000FFu);       // blue: normal
  EXPECT_EQ(highlighted->frames[0].image.At(5, 5) & 0xFFFFFF, 0xFF0000u);  // red: highlighted
  EXPECT_EQ(f.gif.FramePicture(1), normal);  // the same picture each time
  EXPECT_EQ(f.gif.FramePicture(2), nullptr);
  EXPECT_EQ(f.gif.FramePicture(-1), nullptr);
}

TEST(AnimatedPicture, CopyingClearingAndBadFiles) {
  Fixture f;
  f.gif.LoadFile(kAnim / "three_frames.gif");
  f.gif.Start();
  auto& other = f.window.Add<AnimatedPicture>("Animation", 2);
  int other_loaded = 0;
  other.on_loaded = [&] { ++other_loaded; };
  other.SetPicture(f.gif.picture());
  EXPECT_EQ(other.FrameCount(), 3);
  EXPECT_EQ(other.current_frame(), 0);
  EXPECT_FALSE(other.playing());

  try {
    f.gif.LoadFile(kAnim / "missing.gif");
    ADD_FAILURE() << "a missing file loaded";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), 53);
  }
  EXPECT_EQ(f.gif.FrameCount(), 3);  // what it showed, it still shows
  EXPECT_TRUE(f.gif.playing());

  other.ClearPicture();
  EXPECT_EQ(other.FrameCount(), 0);
  EXPECT_EQ(other.FramePicture(0), nullptr);
  other.Start();
  EXPECT_FALSE(other.playing());
  f.rt->loop().DoEvents();
  EXPECT_EQ(other_loaded, 0);
}

TEST(AnimatedPicture, DrawsItsCurrentFrame) {
  Fixture f;
  f.window.Show();
  f.gif.LoadFile(kAnim / "three_frames.gif");
  f.gif.Move(30, 40);
  f.gif.SetCurrentFrame(2);
  DisplayList list = f.rt->windows().Draw();
  ASSERT_FALSE(list.empty());
  const DrawStep& step = list.back();
  EXPECT_EQ(step.op, DrawStep::Op::kPicture);
  EXPECT_EQ(step.frame, 2);
  EXPECT_EQ(step.rect, (Rect{30, 40, 20, 10}));
}

}  // namespace
}  // namespace qvl::ui
