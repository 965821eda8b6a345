// What the play scripts cannot reach of playing a game: an object of an
// unknown kind, clicks while the wait pointer shows, the inventory-full
// sound, item pictures that are missing, an examination whose new item is
// already held, and a still close-up.
#include <gtest/gtest.h>

#include <algorithm>

#include "../app/player_test_support.h"
#include "engine/new_game.h"
#include "game_window/examine.h"
#include "game_window/inventory.h"
#include "game_window/object_clicks.h"
#include "game_window/pointers.h"
#include "shell/closeup.h"
#include "shell/map_locations.h"

namespace qvl::testing {
namespace {

// A Player on the play test game, in a new game at the beach (scene 1),
// with the notify log on.
class PlayGame : public ::testing::Test {
 protected:
  PlayGame() : t_(std::filesystem::path(QVL_TEST_GAMES_DIR) / "play") {}

  void SetUp() override {
    t_.StartAndRun(2000);
    ASSERT_TRUE(t_.MenuShows());
    StartNewGame(p());
    Settle();
    ASSERT_EQ(p().game.CurrentScene, 1);
    p().game.NotifyLogOn = true;
  }

  void Settle() { t_.RunTo(p().loop().NowMs() + 2000); }
  Player& p() { return t_.p(); }
  const std::vector<std::string>& Log() { return p().windows.notify.List1.items(); }
  bool Logged(const std::string& line) { return std::count(Log().begin(), Log().end(), line) > 0; }
  void Click(int slot) {
    AnimationClick(p(), slot);
    Settle();
  }

  TestPlayer t_;
};

TEST_F(PlayGame, AnObjectOfAnUnknownKindOnlySaysSo) {
  p().scene.Rec.slot(12).Kind = 12;
  const size_t before = Log().size();
  Click(12);
  ASSERT_EQ(t_.boxes.size(), 1u);
  EXPECT_EQ(t_.boxes[0].rfind("Outdated version of Quorvel Player | This object type is unknown!", 0), 0u)
      << t_.boxes[0];
  EXPECT_EQ(Log().size(), before);
}

TEST_F(PlayGame, NothingAnswersWhileTheWaitPointerShows) {
  ShowPointer(p(), pointer::kWait);
  Click(1);
  DirectionlClick(p(), 2);
  EXPECT_EQ(p().inventory.InvCount, 0);
  EXPECT_EQ(p().game.CurrentScene, 1);
  ShowPointer(p(), pointer::kNormal);
  Click(1);
  EXPECT_EQ(p().inventory.InvCount, 1);
}

TEST_F(PlayGame, AFullBarRefusesAGoodieWithTheGamesSound) {
  p().gen.InventoryFullSound = {"drip.wav", 50, 0};
  for (int k = 0; k < 16; ++k) AddItem(p(), 5, add_mode::kAppend, 0);
  ASSERT_EQ(p().inventory.InvCount, 16);
  Click(1);
  EXPECT_EQ(p().inventory.InvCount, 16);
  EXPECT_EQ(p().game.Flags[1], 0) << "the Goodie stays";
  EXPECT_TRUE(p().windows.main.Animation(1).visible());
  EXPECT_EQ(p().sound.ChannelFile[15], "drip.wav");
  EXPECT_FALSE(p().windows.main.MsgStatus.visible()) << "the sound tells it instead of the strip";
  EXPECT_TRUE(Logged("Couldn't add item to Inventory - Inventory Full."));
}

TEST_F(PlayGame, MissingItemPicturesHaveTheirStandIns) {
  AddItem(p(), 2, add_mode::kAppend, 0);  // the rope: its pointer file is missing
  AddItem(p(), 6, add_mode::kAppend, 0);  // the lamp: its icon file is missing
  const ItemImagesWindow& images = p().windows.item_images;
  EXPECT_EQ(images.ItemPoint(1).pointer().picture, images.ItemIcon(1).picture());
  EXPECT_NE(images.ItemIcon(1).picture(), images.NoPic.picture());
  EXPECT_EQ(images.ItemIcon(2).picture(), images.NoPic.picture());
  EXPECT_EQ(p().windows.main.invitem(2).picture(), images.NoPic.picture());
}

TEST_F(PlayGame, AnExaminationWhoseNewItemIsHeldLeavesTheItem) {
  AddItem(p(), 4, add_mode::kAppend, 0);  // the grapple
  AddItem(p(), 3, add_mode::kAppend, 0);  // the hook, which turns into a grapple
  p().game.Hand = 2;
  ApplyExamineEffects(p(), 2);
  Settle();
  EXPECT_EQ(p().inventory.Slot[2].Item, 3);
  EXPECT_TRUE(Logged("Couldn't add Item #4 to Inventory - Already there."));
  EXPECT_EQ(p().game.Flags[10], 1) << "the other effects still happen";
  EXPECT_EQ(p().map.Location[2].OnMap, 1);
}

TEST_F(PlayGame, AStillCloseUpStaysCoveredAndSilent) {
  AddItem(p(), 4, add_mode::kAppend, 0);
  RequestCloseUpPicture(p(), 1);
  CloseupWindow& c = p().windows.closeup;
  c.Mode = 0;
  c.Sound = "drip.wav";
  // Looked at well after the window has come up and its start-up delay ran.
  p().runtime().scheduler().Start(500, false, [&] {
    EXPECT_TRUE(c.window.visible());
    EXPECT_FALSE(c.StartUpDelay.timer_enabled());
    EXPECT_TRUE(c.Block.visible());
    EXPECT_FALSE(c.ClsUpImg.playing());
    EXPECT_EQ(p().sound.ChannelFile[15], "");
    c.Command1.on_click({});
  });
  ShowCloseupModal(p());
  EXPECT_FALSE(c.window.visible());
  EXPECT_TRUE(Logged("Examine Window Closed"));
}

TEST_F(PlayGame, ARepeatingCloseUpMovesWithItsSound) {
  AddItem(p(), 3, add_mode::kAppend, 0);
  RequestCloseUpPicture(p(), 1);
  Settle();
  CloseupWindow& c = p().windows.closeup;
  ASSERT_TRUE(c.PictureLoaded);
  c.Mode = 1;
  c.Sound = "waves.wav";
  p().runtime().scheduler().Start(500, false, [&] {
    EXPECT_FALSE(c.Block.visible());
    EXPECT_TRUE(c.ClsUpImg.playing());
    EXPECT_FALSE(c.ClsUpImg.once());
    EXPECT_EQ(p().sound.ChannelFile[15], "waves.wav");
    c.Command1.on_click({});
  });
  ShowCloseupModal(p());
  EXPECT_FALSE(c.ClsUpImg.playing());
  EXPECT_FALSE(p().media.mixer->IsPlaying(15));
}

TEST_F(PlayGame, TheMarkersMoveOnlyWhileTheMapShows) {
  MapWindowWindow& map = p().windows.map;
  ASSERT_TRUE(map.Loctn(1).visible());
  ASSERT_FALSE(map.Loctn(2).visible());
  for (int round = 1; round <= 2; ++round) {
    p().runtime().scheduler().Start(300, false, [&] {
      EXPECT_TRUE(map.window.always_on_top());
      EXPECT_TRUE(map.Loctn(1).playing()) << "round " << round;
      EXPECT_FALSE(map.Loctn(2).playing()) << "a location not on the map stays still";
      map.Command1.on_click({});
    });
    p().windows.main.Block.Show();
    ShowMapWindowModal(p());
    EXPECT_FALSE(map.Loctn(1).playing());
    EXPECT_FALSE(p().windows.main.Block.visible());
    EXPECT_FALSE(p().map.MapOpening);
  }
  EXPECT_EQ(std::count(Log().begin(), Log().end(), "Map closed by user."), 2);
}

TEST_F(PlayGame, LocationZeroIsNoLocation) {
  const size_t before = Log().size();
  AddLocationToMap(p(), 0);
  EXPECT_EQ(Log().size(), before);
  AddLocationToMap(p(), 3);
  EXPECT_TRUE(p().windows.map.Loctn(3).visible());
  EXPECT_TRUE(Logged("Location #3 added to Map."));
}

}  // namespace
}  // namespace qvl::testing
