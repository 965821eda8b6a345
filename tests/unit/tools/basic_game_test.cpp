// The basic test game as the build leaves it: its data files read back
// through the game's own records, and every picture and sound they name
// copied beside them.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "data/conv_rec.h"
#include "data/gen_rec.h"
#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "data/record_file.h"
#include "data/scene_rec.h"
#include "platform/paths.h"

namespace qvl::data {
namespace {

const std::string kGame = std::string(QVL_TEST_GAMES_DIR) + "/basic/";

TEST(BasicGame, DataFilesHoldTheGame) {
  auto general = RecordFile::OpenReadOnly(kGame + "resource/Quorvel4.dat", GenRec::kSize);
  ASSERT_EQ(general.Length(), GenRec::kSize);
  EXPECT_EQ(general.Read<GenRec>(1).GameTitle.Trimmed(), "Basic Test Game");

  auto scenes = RecordFile::OpenReadOnly(kGame + "resource/Quorvel1.dat", SceneRec::kSize);
  ASSERT_EQ(scenes.Count(), 3);
  SceneRec hall = scenes.Read<SceneRec>(1);
  EXPECT_EQ(hall.ScenePicture.Trimmed(), "hall.bmp");
  EXPECT_EQ(hall.RightLink.Scene, 2);
  EXPECT_EQ(hall.slot(2).Kind, kLink);
  EXPECT_EQ(hall.slot(2).Param(13), 2);
  EXPECT_EQ(hall.slot(3).Kind, kGoodie);
  EXPECT_EQ(hall.slot(3).Param(6), 1);
  std::set<int> kinds;
  for (int s = 1; s <= 3; ++s) {
    SceneRec scene = scenes.Read<SceneRec>(s);
    for (int k = 1; k <= SceneRec::kSlotCount; ++k) {
      if (!scene.slot(k).Text(1).Trimmed().empty() || scene.slot(k).Kind != kAmbient) kinds.insert(scene.slot(k).Kind);
    }
  }
  EXPECT_EQ(kinds, (std::set<int>{kAmbient, kLink, kGoodie, kSwitch, kReactor, kResponder, kDelay, kConversation}));

  auto items = RecordFile::OpenReadOnly(kGame + "resource/Quorvel3.dat", ItemRec::kSize);
  ASSERT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Read<ItemRec>(2).Combinable, 1);
  EXPECT_EQ(items.Read<ItemRec>(2).CombineResult, 3);
  auto locations = RecordFile::OpenReadOnly(kGame + "resource/Quorvel2.dat", LocRec::kSize);
  EXPECT_EQ(locations.Count(), 2);
  auto conversations = RecordFile::OpenReadOnly(kGame + "resource/Quorvel5.dat", ConvRec::kSize);
  ASSERT_EQ(conversations.Count(), 1);
  EXPECT_EQ(conversations.Read<ConvRec>(1).LineText(1).Trimmed(), "Hello there.");
}

TEST(BasicGame, EveryNamedPictureAndSoundIsThere) {
  PathResolver resolver;
  auto scenes = RecordFile::OpenReadOnly(kGame + "resource/Quorvel1.dat", SceneRec::kSize);
  for (int s = 1; s <= scenes.Count(); ++s) {
    SceneRec scene = scenes.Read<SceneRec>(s);
    EXPECT_TRUE(resolver.FileExists(kGame + "resource/gfx/" + scene.ScenePicture.Trimmed())) << s;
    for (int k = 1; k <= SceneRec::kSlotCount; ++k) {
      const ObjectSlot& slot = scene.slot(k);
      if (slot.Kind <= kReactor && !slot.Text(1).Trimmed().empty()) {
        EXPECT_TRUE(resolver.FileExists(kGame + "resource/gfx/" + slot.Text(1).Trimmed())) << s << "/" << k;
      }
    }
  }
  EXPECT_TRUE(resolver.FileExists(kGame + "resource/mmedia/drip.wav"));
}

}  // namespace
}  // namespace qvl::data
