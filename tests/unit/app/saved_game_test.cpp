// Saved games as files: every byte where the layout puts it, the names a
// typed name gives, an old save surviving a write that fails part-way, short
// and damaged files, the carried-through parts, the dates and times, and
// the lengths restored Delays run for.
#include <gtest/gtest.h>

#include <cerrno>
#include <random>

#include "engine/delays.h"
#include "engine/new_game.h"
#include "platform/clocks.h"
#include "platform/file_replace.h"
#include "player_test_support.h"
#include "shell/saved_game.h"

namespace qvl::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A saved-game record written out by hand, field by field at its offset.
class HandRecord {
 public:
  HandRecord() : bytes_(1113, '\0') {
    Text(0, 50, "");
    Text(50, 10, "");
    Text(60, 10, "");
    Text(70, 15, "");
    for (int k = 0; k < 10; ++k) Text(873 + 20 * k, 20, "");
  }
  void Text(size_t offset, size_t width, const std::string& text) {
    bytes_.replace(offset, width, (text + std::string(width, ' ')).substr(0, width));
  }
  void Int16(size_t offset, int16_t value) {
    bytes_[offset] = static_cast<char>(value & 0xFF);
    bytes_[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
  }
  void Int32(size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i) bytes_[offset + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  // Element `n` (1-based) of an array of 16-bit numbers starting at `offset`.
  void Array(size_t offset, int n, int16_t value) { Int16(offset + 2 * static_cast<size_t>(n - 1), value); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

constexpr size_t kScene = 89, kFlags = 91, kDelayOn = 601, kDelaySecs = 641, kDelayP6 = 681, kDelayP7 = 721,
                 kDelayP8 = 761, kInventory = 801, kMap = 833;

// A Player on a copy of the saved-games test game.
class SavedGames : public ::testing::Test {
 protected:
  SavedGames() : t_((CopyGame(), folder_.dir())) {}

  void CopyGame() {
    fs::copy(fs::path(QVL_TEST_GAMES_DIR) / "saves", folder_.dir(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::remove_all(folder_.dir() / "Saved");
  }

  // Started as far as the main menu.
  void ToMenu() {
    t_.StartAndRun(3000);
    ASSERT_TRUE(t_.MenuShows());
  }

  Player& p() { return t_.p(); }
  fs::path Saved(const std::string& file) { return fs::path(p().startup.SavedFolder) / file; }
  void Answer(MsgAnswer answer) { p().runtime().queued_message_boxes()->QueueAnswer(answer); }
  void RunFor(int64_t ms) { t_.RunTo(p().loop().NowMs() + ms); }

  GameFolder folder_;
  TestPlayer t_;
};

TEST_F(SavedGames, TheFileHoldsEveryFieldAtItsOffset) {
  ToMenu();
  Player& g = p();
  g.game.Flags[1] = 7;
  g.game.Flags[128] = -2;
  g.game.Flags[255] = 32767;
  g.game.CurrentScene = 2;
  g.music.CurrentSoundtrack = "theme.wav";
  g.music.CurrentSoundtrackVol = -1234567;
  g.inventory.InvCount = 3;
  g.inventory.Slot[1].Item = 3;
  g.inventory.Slot[2].Item = 1;
  g.inventory.Slot[3].Item = 2;
  g.inventory.Slot[4].Item = 9;  // beyond the items held: saved as 0
  g.map.Location[1].OnMap = 1;
  g.map.Location[20].OnMap = 1;
  g.delays.DelayRunning[4] = 1;
  g.delays.DelaySeconds[4] = 30;
  g.delays.DelaySeconds[20] = 5;
  g.scene.DelayAction[4] = FlagAction{21, 1, 0};
  g.scene.DelayAction[20] = FlagAction{255, -3, 1};
  SnapshotGameState(g);
  ASSERT_TRUE(WriteSaveFile(g, "Castle", "In the garden"));

  HandRecord want;
  want.Text(0, 50, "In the garden");
  want.Text(50, 10, "06-15-2001");
  want.Text(60, 10, "02:30 PM");
  want.Text(70, 15, "theme.wav");
  want.Int32(85, -1234567);
  want.Int16(kScene, 2);
  want.Array(kFlags, 1, 7);
  want.Array(kFlags, 128, -2);
  want.Array(kFlags, 255, 32767);
  want.Array(kDelayOn, 4, 1);
  want.Array(kDelaySecs, 4, 30);
  want.Array(kDelaySecs, 20, 5);
  want.Array(kDelayP6, 4, 21);
  want.Array(kDelayP7, 4, 1);
  want.Array(kDelayP6, 20, 255);
  want.Array(kDelayP7, 20, -3);
  want.Array(kDelayP8, 20, 1);
  want.Array(kInventory, 1, 3);
  want.Array(kInventory, 2, 1);
  want.Array(kInventory, 3, 2);
  want.Array(kMap, 1, 1);
  want.Array(kMap, 20, 1);
  const std::string got = ReadBytes(Saved("Castle.sav"));
  ASSERT_EQ(got.size(), 1113u);
  for (size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(static_cast<int>(static_cast<uint8_t>(got[i])), static_cast<int>(static_cast<uint8_t>(want.bytes()[i])))
        << "byte " << i;
  }
}

TEST_F(SavedGames, TypedNamesGiveTheirFiles) {
  EXPECT_EQ(SaveFileName("Castle"), "Castle.sav");
  EXPECT_EQ(SaveFileName("Castle.sav"), "Castle.sav");
  EXPECT_EQ(SaveFileName("my.save"), "my..sav");
  EXPECT_EQ(SaveFileName("a.b"), "a.b.sav") << "too short to lose four characters: kept whole";
  EXPECT_EQ(SaveFileName(".sav"), ".sav.sav");
  for (const char* bad : {"../Castle", "a/b", "a\\b", "c:x", "what?", "..", "\"q\""}) {
    try {
      SaveFileName(bad);
      ADD_FAILURE() << bad << " was accepted";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), err::kBadFileName) << bad;
    }
  }

  ToMenu();
  SnapshotGameState(p());
  ASSERT_TRUE(WriteSaveFile(p(), "Castle", "one"));
  ASSERT_TRUE(WriteSaveFile(p(), "my.save", "two"));
  EXPECT_TRUE(fs::exists(Saved("Castle.sav")));
  EXPECT_TRUE(fs::exists(Saved("my..sav")));
  // The same file by another spelling: the player is asked, and no keeps it.
  Answer(MsgAnswer::kNo);
  EXPECT_FALSE(WriteSaveFile(p(), "CASTLE.SAV", "three"));
  ASSERT_EQ(t_.boxes.size(), 1u);
  EXPECT_EQ(t_.boxes[0], "Save Test Game | The file 'CASTLE.sav' already exists.\rWrite over it?");
  GetGameInfo(p(), "Castle.sav");
  EXPECT_EQ(p().save_data.InfoDescription, "one");
  // Yes writes over the file that is there, in its own letter case.
  Answer(MsgAnswer::kYes);
  EXPECT_TRUE(WriteSaveFile(p(), "CASTLE.SAV", "three"));
  GetGameInfo(p(), "Castle.sav");
  EXPECT_EQ(p().save_data.InfoDescription, "three");
  EXPECT_FALSE(fs::exists(Saved("CASTLE.SAV")) && fs::exists(Saved("Castle.sav")) &&
               !fs::equivalent(Saved("CASTLE.SAV"), Saved("Castle.sav")));
}

TEST_F(SavedGames, ASaveThatFailsPartWayLeavesTheOldSave) {
  ToMenu();
  p().game.Flags[5] = 1;
  SnapshotGameState(p());
  ASSERT_TRUE(WriteSaveFile(p(), "Castle", "good"));
  const std::string good = ReadBytes(Saved("Castle.sav"));

  p().game.Flags[5] = 2;
  SnapshotGameState(p());
  p().save_data.WriteBytes = [](int fd, std::string_view bytes) {
    EXPECT_EQ(WriteAllBytes(fd, bytes.substr(0, bytes.size() / 2)), 0);
    return ENOSPC;  // the disk filled up half-way
  };
  Answer(MsgAnswer::kYes);
  try {
    WriteSaveFile(p(), "Castle", "bad");
    ADD_FAILURE() << "the failed write was not reported";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), err::kPathFileAccess);
  }
  EXPECT_EQ(ReadBytes(Saved("Castle.sav")), good);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(p().startup.SavedFolder)) {
    ++files;
    EXPECT_EQ(entry.path().filename(), "Castle.sav") << "nothing half-written is left behind";
  }
  EXPECT_EQ(files, 1);

  // A writer that claims success but writes short is caught as well.
  p().save_data.WriteBytes = [](int fd, std::string_view bytes) { return WriteAllBytes(fd, bytes.substr(0, 10)); };
  Answer(MsgAnswer::kYes);
  EXPECT_THROW(WriteSaveFile(p(), "Castle", "short"), RuntimeError);
  EXPECT_EQ(ReadBytes(Saved("Castle.sav")), good);
}

TEST_F(SavedGames, AShortFileLoadsItsMissingPartAsBlanksAndZeros) {
  ToMenu();
  HandRecord rec;
  rec.Text(0, 50, "Cut short");
  rec.Int16(kScene, 2);
  rec.Array(kFlags, 1, 9);
  rec.Array(kFlags, 200, 5);  // past the cut
  std::string bytes = rec.bytes().substr(0, 100);
  folder_.WriteFile("Saved/short.sav", bytes);
  p().game.Flags[200] = 77;

  GetGameInfo(p(), "short.sav");
  EXPECT_EQ(p().save_data.InfoDescription, "Cut short");
  EXPECT_EQ(p().save_data.InfoDate, "");
  ASSERT_TRUE(LoadSaveFile(p(), "short.sav"));
  RunFor(3000);
  EXPECT_EQ(p().game.CurrentScene, 2);
  EXPECT_EQ(p().game.Flags[1], 9);
  EXPECT_EQ(p().game.Flags[200], 0);
  EXPECT_EQ(p().inventory.InvCount, 0);
  EXPECT_TRUE(p().windows.main.window.visible());
  EXPECT_EQ(p().save_data.Copy.unused873(1).Raw(), std::string(20, ' '));
}

TEST_F(SavedGames, DamagedFilesAreRefusedAndChangeNothing) {
  ToMenu();
  std::mt19937 random(1113);
  std::string garbage(1113, '\0');
  for (char& c : garbage) c = static_cast<char>(random() & 0xFF);
  folder_.WriteFile("Saved/garbage.sav", garbage);
  folder_.WriteFile("Saved/empty.sav", "");
  HandRecord other_game;
  other_game.Int16(kScene, 40);  // this game has three scenes
  folder_.WriteFile("Saved/other.sav", other_game.bytes());
  HandRecord bad_item;
  bad_item.Int16(kScene, 1);
  bad_item.Array(kInventory, 1, 12);
  folder_.WriteFile("Saved/item.sav", bad_item.bytes());
  p().game.Flags[3] = 33;

  for (const char* file : {"garbage.sav", "empty.sav", "other.sav", "item.sav"}) {
    t_.boxes.clear();
    EXPECT_FALSE(LoadSaveFile(p(), file)) << file;
    ASSERT_EQ(t_.boxes.size(), 1u) << file;
    EXPECT_EQ(t_.boxes[0], std::string("Save Test Game | The saved game '") + file +
                               "' is damaged or belongs to another game.\rIt cannot be loaded.");
  }
  EXPECT_EQ(p().game.Flags[3], 33);
  EXPECT_TRUE(t_.MenuShows());
  EXPECT_FALSE(p().windows.main.window.visible());

  t_.boxes.clear();
  GetGameInfo(p(), "missing.sav");
  ASSERT_EQ(t_.boxes.size(), 1u);
  EXPECT_EQ(t_.boxes[0],
            "QuorvelPlayer | Unexpected error in procedure: GetGameInfo\r\nError #53: File not found");
}

TEST_F(SavedGames, UnusedPartsAreCarriedThroughAndDelaysRestartByTheirRule) {
  ToMenu();
  HandRecord rec;
  rec.Int16(kScene, 2);
  rec.Text(873, 20, " kept as read ");
  rec.Text(873 + 20 * 9, 20, "last");
  rec.Array(1073, 1, -5);
  rec.Array(1073, 20, 1234);
  // Running: 1500 and 2500 were kept in milliseconds, 999 in seconds.
  rec.Array(kDelayOn, 1, 1);
  rec.Array(kDelaySecs, 1, 1500);
  rec.Array(kDelayOn, 2, 1);
  rec.Array(kDelaySecs, 2, 2500);
  rec.Array(kDelayOn, 3, 1);
  rec.Array(kDelaySecs, 3, 999);
  // Finished: its values come back, but it does not start.
  rec.Array(kDelaySecs, 4, 10);
  rec.Array(kDelayP6, 4, 40);
  rec.Array(kDelayP6, 1, 41);
  rec.Array(kDelayP7, 1, 1);
  folder_.WriteFile("Saved/hand.sav", rec.bytes());

  ASSERT_TRUE(LoadSaveFile(p(), "hand.sav"));
  RunFor(100);
  const DelayState& d = p().delays;
  EXPECT_EQ(d.DelaySeconds[1], 2);
  EXPECT_EQ(d.DelaySeconds[2], 2);
  EXPECT_EQ(d.DelaySeconds[3], 999);
  EXPECT_EQ(d.DelaySeconds[4], 10);
  EXPECT_EQ(d.DelayRunning[3], 1);
  EXPECT_EQ(d.DelayRunning[4], 0);
  EXPECT_EQ(p().scene.DelayAction[4].flag, 40);
  EXPECT_EQ(p().game.Flags[41], 0);
  RunFor(2000);
  EXPECT_EQ(p().game.Flags[41], 1) << "1500 ms became 2 s";
  EXPECT_EQ(d.DelayRunning[3], 1);

  SnapshotGameState(p());
  ASSERT_TRUE(WriteSaveFile(p(), "again", "x"));
  const std::string again = ReadBytes(Saved("again.sav"));
  EXPECT_EQ(again.substr(873, 200), rec.bytes().substr(873, 200));
  EXPECT_EQ(again.substr(1073, 40), rec.bytes().substr(1073, 40));
}

TEST(SaveDates, DatesAndTimesAreWrittenAsTheGameShowsThem) {
  EXPECT_EQ(SaveDateText({2001, 6, 5, 0, 0, 0}), "06-05-2001");
  EXPECT_EQ(SaveTimeText({2001, 6, 5, 0, 5, 0}), "12:05 AM");
  EXPECT_EQ(SaveTimeText({2001, 6, 5, 11, 59, 0}), "11:59 AM");
  EXPECT_EQ(SaveTimeText({2001, 6, 5, 12, 0, 0}), "12:00 PM");
  EXPECT_EQ(SaveTimeText({2001, 6, 5, 14, 35, 0}), "02:35 PM");
  EXPECT_EQ(SaveTimeText({2001, 6, 5, 23, 59, 59}), "11:59 PM");

  VirtualClock clock;
  clock.SetCalendarStart({2001, 12, 31, 23, 59, 30});
  clock.AdvanceBy(45000);
  const CalendarTime later = clock.LocalTime();
  EXPECT_EQ(SaveDateText(later), "01-01-2002");
  EXPECT_EQ(SaveTimeText(later), "12:00 AM");
}

}  // namespace
}  // namespace qvl::testing
