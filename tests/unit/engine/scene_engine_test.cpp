// What the play scripts cannot see of the scene engine: which placeholder
// picture an object shows, where the arrows lie and which pointer they
// carry, the sound channel rule, the item pictures, and SetFlag's and
// CheckFlag's edge rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "../app/player_test_support.h"
#include "engine/conversations.h"
#include "engine/delays.h"
#include "engine/flags.h"
#include "engine/new_game.h"
#include "engine/object_data.h"
#include "engine/scene_loading.h"
#include "game_window/inventory.h"

namespace qvl::testing {
namespace {

// A Player on the engine test game, started and taken into a new game
// (scene 1, the Hall).
class EngineGame : public ::testing::Test {
 protected:
  EngineGame() : t_(std::filesystem::path(QVL_TEST_GAMES_DIR) / "engine") {}

  void SetUp() override {
    t_.StartAndRun(2000);
    ASSERT_TRUE(t_.MenuShows());
    StartNewGame(p());
    t_.RunTo(p().loop().NowMs() + 2000);
    ASSERT_EQ(p().game.CurrentScene, 1);
  }

  Player& p() { return t_.p(); }
  const std::vector<std::string>& Log() { return p().windows.notify.List1.items(); }
  bool Logged(const std::string& line) { return std::count(Log().begin(), Log().end(), line) > 0; }

  TestPlayer t_;
};

TEST_F(EngineGame, ObjectsShowTheirPictureOrTheRightPlaceholder) {
  MainWindow& m = p().windows.main;
  ASSERT_NE(m.Animation(1).picture(), nullptr);
  EXPECT_NE(m.Animation(1).picture(), m.FNF.picture()) << "clock.gif exists";
  EXPECT_EQ(m.Animation(1).FrameCount(), m.Animation(1).picture()->FrameCount());
  EXPECT_TRUE(m.Animation(1).playing()) << "an active Ambient is started";
  EXPECT_EQ(m.Animation(2).picture(), m.FNF.picture()) << "a Link whose picture file is missing";
  EXPECT_EQ(m.Animation(3).picture(), m.AniGIF1.picture()) << "a Goodie without a picture";
  EXPECT_EQ(m.Animation(4).picture(), m.UnknownObject.picture()) << "kind 10";
  EXPECT_EQ(m.Animation(4).tag(), ">>> Unknown <<<");
  EXPECT_EQ(m.Animation(5).tag(), "Responder");
  EXPECT_EQ(m.Animation(5).picture(), nullptr) << "hidden kinds have no picture";
  EXPECT_EQ(m.Animation(2).left(), 300);
  EXPECT_EQ(m.Animation(2).top(), 200);
}

TEST_F(EngineGame, ArrowsAreReadTopFirstAndCarryTheirPointer) {
  MainWindow& m = p().windows.main;
  const ui::ImageControl& up = m.Directionl(1);
  EXPECT_EQ(up.left(), 200);
  EXPECT_EQ(up.top(), 10);
  EXPECT_EQ(up.width(), 40);
  EXPECT_EQ(up.height(), 30);
  const ui::ImageControl& right = m.Directionl(2);
  EXPECT_EQ(right.left(), 660);
  EXPECT_EQ(right.top(), 280);
  const auto& pointers = p().scene.ArrowPointer;
  EXPECT_EQ(pointers[2].picture, p().windows.mouse_point.Pointer(4).pointer().picture) << "its own pointer";
  EXPECT_EQ(pointers[1].picture, p().windows.mouse_point.Pointer(13).pointer().picture) << "0 means image 13";
}

TEST_F(EngineGame, ObjectSoundChannels) {
  EXPECT_EQ(ObjectSoundChannel(p(), sound_of::kAmbient, 1), 1);
  EXPECT_EQ(ObjectSoundChannel(p(), sound_of::kAmbient, 13), 13);
  EXPECT_EQ(ObjectSoundChannel(p(), sound_of::kAmbient, 14), 1) << "slots above 13 wrap to 1 … 7";
  EXPECT_EQ(ObjectSoundChannel(p(), sound_of::kReactor, 15), 15) << "a Reactor's -1 is the dialogue channel";
  p().scene.Rec.slot(20).Param(23) = 9;
  EXPECT_EQ(ObjectSoundChannel(p(), sound_of::kLink, 20, 1), 9);
  EXPECT_EQ(ObjectSoundChannel(p(), sound_of::kLink, 20, 2), 7);
  p().scene.Rec.slot(20).Param(21) = -1;
  EXPECT_EQ(ObjectSoundChannel(p(), sound_of::kResponder, 20), 7) << "-1 is the default for other kinds";
}

TEST_F(EngineGame, StartingItemPointerFallsBackToItsIcon) {
  ItemImagesWindow& images = p().windows.item_images;
  ASSERT_EQ(p().inventory.InvCount, 1);
  EXPECT_EQ(p().inventory.Slot[1].Item, 2);
  EXPECT_EQ(p().inventory.Slot[1].Caption, "A piece of string");
  ASSERT_NE(images.ItemIcon(1).picture(), nullptr);
  EXPECT_EQ(images.ItemPoint(1).pointer().picture, images.ItemIcon(1).picture()) << "gone.gif is missing";
  EXPECT_EQ(p().windows.main.invitem(1).picture(), images.ItemIcon(1).picture());
  AddItem(p(), 3, add_mode::kAppend, 0);
  EXPECT_EQ(images.ItemIcon(2).picture(), images.NoPic.picture()) << "a missing icon gives the placeholder";
}

TEST_F(EngineGame, SetFlagEdgeRules) {
  p().game.NotifyLogOn = true;
  p().game.BuildDebugOn = true;
  p().game.LastFlagSet = 33;
  const size_t before = Log().size();
  SetFlag(p(), 0, 5, 0);
  EXPECT_EQ(Log().size(), before) << "flag 0: no line, no evaluation";
  EXPECT_EQ(p().game.LastFlagSet, 33);

  SetFlag(p(), 12, -2, 0);
  EXPECT_TRUE(Logged("<Flag 12> Set to -2"));
  const size_t mark = Log().size();
  SetFlag(p(), 12, 9, 2);
  EXPECT_EQ(p().game.Flags[12], -2) << "an unknown mode changes nothing";
  EXPECT_EQ(p().game.LastFlagSet, 12);
  ASSERT_GT(Log().size(), mark);
  EXPECT_EQ(Log()[mark], "BUILD DEBUG: Check Hidden Objects") << "but still evaluates, without a flag line";

  SetFlag(p(), 12, 32767, 0);
  try {
    SetFlag(p(), 12, 1, 1);
    FAIL() << "an overflow goes to the caller";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), 6);
  }
  EXPECT_EQ(p().game.Flags[12], 32767);
  EXPECT_THROW(SetFlag(p(), 256, 1, 0), RuntimeError);
}

TEST_F(EngineGame, CheckFlagOperators) {
  p().game.Flags[5] = 2;
  EXPECT_TRUE(CheckFlag(p(), 5, 2, 3));
  EXPECT_FALSE(CheckFlag(p(), 5, 3, 3));
  EXPECT_TRUE(CheckFlag(p(), 5, 1, 3));
  EXPECT_TRUE(CheckFlag(p(), 5, 0, 2.0));
  EXPECT_FALSE(CheckFlag(p(), 5, 4, 2)) << "unknown operators are false";
  EXPECT_TRUE(CheckFlag(p(), 0, 0, 0)) << "flag 0 reads 0";
  EXPECT_THROW(CheckFlag(p(), 256, 0, 0), RuntimeError);
  EXPECT_THROW(CheckFlag(p(), -1, 0, 0), RuntimeError);
}

TEST_F(EngineGame, ShowingTheActiveConversationAgainDoesNothing) {
  p().game.NotifyLogOn = true;
  ShowConversation(p(), 1, 8);
  ASSERT_EQ(p().game.ActiveConversation, 8);
  const size_t before = Log().size();
  ShowConversation(p(), 2, 8);
  EXPECT_EQ(Log().size(), before);
  EXPECT_EQ(p().windows.main.ConvText(1).caption(), "Ask about the clock.");
  try {
    ShowConversation(p(), 99, 9);
    FAIL() << "a cue card past the end of the file is a read error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), 63);
  }
}

TEST_F(EngineGame, TheConversationBoxFitsItsLinesAboveTheSceneBottom) {
  MainWindow& m = p().windows.main;
  ShowConversation(p(), 2, 8);
  EXPECT_TRUE(m.ConvText(1).visible());
  EXPECT_FALSE(m.ConvText(2).visible()) << "an empty line is not shown";
  EXPECT_TRUE(m.ConvText(3).visible());
  EXPECT_EQ(m.ConvBox.top() + m.ConvBox.height(), MainWindow::kSceneHeight);
  EXPECT_GE(m.ConvBox.height(), m.ConvText(3).top() + m.ConvText(3).height());
  ShowConversation(p(), 1, 9);
  EXPECT_EQ(m.ConvBox.top() + m.ConvBox.height(), MainWindow::kSceneHeight);
  EXPECT_GE(m.ConvBox.height(), m.ConvText(2).top() + m.ConvText(2).height());
  EXPECT_LT(m.ConvBox.height(), m.ConvText(3).top() + m.ConvText(3).height()) << "the box shrinks to two lines";
  EXPECT_EQ(m.ConvText(1).fore_colour(), conv_colour::kNormal);
}

TEST_F(EngineGame, VisibleObjectsFollowTheirModes) {
  LoadScene(p(), 17);
  t_.RunTo(p().loop().NowMs() + 1000);
  ASSERT_EQ(p().game.CurrentScene, 17);
  MainWindow& m = p().windows.main;
  EXPECT_TRUE(m.Animation(1).visible());
  EXPECT_FALSE(m.Animation(1).playing()) << "a Goodie in mode 3 stays still";
  EXPECT_FALSE(p().media.mixer->IsPlaying(1)) << "and silent";
  EXPECT_TRUE(m.Animation(1).once());
  EXPECT_FALSE(m.Animation(2).playing()) << "a Reactor with action 5 is stopped";
  const ui::AnimatedPicture& lever = m.Animation(3);
  EXPECT_EQ(lever.current_frame(), 0) << "a Switch that is off shows its first frame";
  EXPECT_FALSE(m.Animation(4).visible()) << "a click area hides the picture";
  EXPECT_TRUE(m.NoGIF(4).visible());
  EXPECT_EQ(m.NoGIF(4).width(), 80);
  EXPECT_EQ(m.NoGIF(4).height(), 50);
  EXPECT_EQ(m.NoGIF(4).tag(), "Link");
  EXPECT_EQ(m.Animation(5).direction(), ui::PlayDirection::kForwardsAndBack) << "mode 2";
  EXPECT_FALSE(m.Animation(5).once());

  SetFlag(p(), 120, 1, 0);
  EXPECT_EQ(lever.current_frame(), lever.FrameCount() - 1) << "on: the last frame";
  EXPECT_EQ(lever.direction(), ui::PlayDirection::kBackwards);
}

TEST_F(EngineGame, ADelayExpiringWhileASceneLoadsWaitsItsFullLengthAgain) {
  p().game.NotifyLogOn = true;
  p().scene.DelayAction[6] = FlagAction{130, 4, 0};
  StartDelay(p(), 6, 40);
  EXPECT_EQ(p().delays.DelayRunning[6], 1);
  EXPECT_EQ(Log().back(), "Delay 6 started. (40 secs)");
  const int64_t start = p().loop().NowMs();
  p().game.SceneLoading = true;
  t_.RunTo(start + 40000);
  EXPECT_EQ(Log().back(), "Delay 6 restarted. (40 secs) <Loading scene>");
  EXPECT_EQ(p().delays.DelayRunning[6], 1);
  p().game.SceneLoading = false;
  t_.RunTo(start + 79999);
  EXPECT_EQ(p().game.Flags[130], 0) << "the second countdown runs the full 40 seconds";
  t_.RunTo(start + 80000);
  EXPECT_EQ(p().game.Flags[130], 4);
  EXPECT_EQ(p().delays.DelayRunning[6], 0);
  EXPECT_TRUE(Logged("Delay 6 expired."));
}

TEST_F(EngineGame, StoppedCountdownsNeverExpire) {
  p().scene.DelayAction[2] = FlagAction{131, 1, 0};
  StartDelay(p(), 2, 1);
  StopAllTimers(p());
  EXPECT_EQ(p().delays.DelayRunning[2], 0);
  t_.RunTo(p().loop().NowMs() + 5000);
  EXPECT_EQ(p().game.Flags[131], 0);
}

}  // namespace
}  // namespace qvl::testing
