// The screen size the game is made for, drive kinds, file existence, the
// game disc found at start-up, the request for another disc, and the
// saved-games folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/app_paths.h"
#include "player_test_support.h"
#include "shell/display_services.h"
#include "shell/quit.h"

namespace qvl::testing {
namespace {

data::GenRec PlainSettings() {
  data::GenRec gen;
  gen.StandardSkin = 0;  // a custom skin needs no layout values
  return gen;
}

// Ends the program as the menu's close button does, and lets it unwind.
void EndProgram(Player& p) {
  try {
    EndApplication(p);
  } catch (const ui::ProgramEnded&) {
  }
}

TEST(DisplayMode, ScreenOf800By600KeepsTheDesignPlaces) {
  GameFolder folder;
  folder.WriteSettings(PlainSettings());
  TestPlayer t(folder.dir(), {800, 600});
  t.StartAndRun(100);
  EXPECT_FALSE(t.p().display.ResolutionChanged);
  EXPECT_EQ(t.p().windows.start.Label1.top(), 280) << "design place";
}

TEST(DisplayMode, WiderScreenCentresTheStartWindowControls) {
  GameFolder folder;
  folder.WriteSettings(PlainSettings());
  TestPlayer t(folder.dir(), {801, 600});
  t.StartAndRun(100);
  const StartForm& f = t.p().windows.start;
  EXPECT_FALSE(t.p().display.ResolutionChanged);
  EXPECT_EQ(f.Label1.left(), 400 - f.Label1.width() / 2);
  EXPECT_EQ(f.Label1.top(), 300 - f.Label1.height() / 2);
  EXPECT_EQ(f.QVLGIFLogo.top(), 300 - f.QVLGIFLogo.height() / 2);
  EXPECT_EQ(f.QuorvelURL.top(), 300 + f.QVLGIFLogo.height() / 2 + 5);
  EXPECT_EQ(f.QVLPVersion.left(), 740);
  EXPECT_EQ(f.QVLPVersion.top(), 580);
}

TEST(DisplayMode, SmallerScreenIsSwitchedAndRestoredAtTheEnd) {
  GameFolder folder;
  folder.WriteSettings(PlainSettings());
  TestPlayer t(folder.dir(), {640, 480});
  t.StartAndRun(1200);
  Player& p = t.p();
  EXPECT_TRUE(p.display.ResolutionChanged);
  EXPECT_TRUE(p.display.Fullscreen800x600);
  EXPECT_EQ(p.runtime().GetScreenMetrics().width, 800);
  EXPECT_EQ(p.runtime().GetScreenMetrics().height, 600);
  EndProgram(p);
  EXPECT_FALSE(p.display.Fullscreen800x600);
  EXPECT_EQ(p.runtime().GetScreenMetrics().width, 640);
  EXPECT_EQ(p.runtime().GetScreenMetrics().height, 480);
}

TEST(DisplayMode, LargerScreenIsSwitchedOnlyWhenTheGameAsks) {
  GameFolder folder;
  data::GenRec gen = PlainSettings();
  folder.WriteSettings(gen);
  TestPlayer keep(folder.dir(), {1024, 768});
  keep.StartAndRun(1200);
  EXPECT_FALSE(keep.p().display.ResolutionChanged);
  EXPECT_EQ(keep.p().runtime().GetScreenMetrics().width, 1024);

  gen.ResolutionChange = 1;
  folder.WriteSettings(gen);
  TestPlayer change(folder.dir(), {1024, 768});
  change.StartAndRun(1200);
  EXPECT_TRUE(change.p().display.ResolutionChanged);
  EXPECT_EQ(change.p().display.SavedWidth, 1024.0f);
  EndProgram(change.p());
  EXPECT_EQ(change.p().runtime().GetScreenMetrics().width, 1024);
  EXPECT_EQ(change.p().runtime().GetScreenMetrics().height, 768);
}

TEST(Drives, KindsOfTheMountsAPathLiesOn) {
  auto drives = std::make_unique<FakeDrives>();
  drives->mounts = {{"/", "ext4", "/dev/sda1"},
                    {"/media/cdrom", "iso9660", "/dev/sr0"},
                    {"/mnt/dvd", "udf", "/dev/sr1"},
                    {"/run", "tmpfs", "tmpfs"},
                    {"/net/share", "nfs4", "server:/share"},
                    {"/media/cdrom/inner", "ext4", "/dev/sdb1"}};
  GameFolder folder;
  TestPlayer t(folder.dir(), {1024, 768}, std::move(drives));
  Player& p = t.p();
  EXPECT_EQ(TypeOfDrive(p, ""), 0);
  EXPECT_EQ(TypeOfDrive(p, "   "), 0);
  EXPECT_EQ(TypeOfDrive(p, "/home/player/game/"), drive_type::kFixed);
  EXPECT_EQ(TypeOfDrive(p, "/media/cdrom/game/"), drive_type::kCdRom);
  EXPECT_EQ(TypeOfDrive(p, "/media/cdromx/game"), drive_type::kFixed) << "a folder is not a prefix of another name";
  EXPECT_EQ(TypeOfDrive(p, "/media/cdrom/inner/x"), drive_type::kFixed) << "the innermost mount counts";
  EXPECT_EQ(TypeOfDrive(p, "/mnt/dvd"), drive_type::kCdRom);
  EXPECT_EQ(TypeOfDrive(p, "/run/user"), drive_type::kRamDisk);
  EXPECT_EQ(TypeOfDrive(p, "/net/share/games"), drive_type::kRemote);
  EXPECT_EQ(TypeOfDrive(p, "D:\\games"), drive_type::kNoRootDir);
}

TEST(Drives, ItemExistAnswersForFilesFoldersAndDrives) {
  GameFolder folder;
  folder.WriteFile("Saved/game1.sav", "x");
  TestPlayer t(folder.dir());
  Player& p = t.p();
  EXPECT_TRUE(ItemExist(p, "/"));
  EXPECT_TRUE(ItemExist(p, folder.Path() + "saved\\"));
  EXPECT_TRUE(ItemExist(p, folder.Path() + "Saved/GAME1.SAV"));
  EXPECT_FALSE(ItemExist(p, folder.Path() + "Saved/game2.sav"));
  EXPECT_FALSE(ItemExist(p, "Q:\\Saved"));
  EXPECT_FALSE(ItemExist(p, ""));
}

TEST(Drives, IsoVolumeLabelIsReadFromThePrimaryDescriptor) {
  std::string sector(2048, '\0');
  sector[0] = 1;
  sector.replace(1, 5, "CD001");
  sector[6] = 1;
  sector.replace(40, 32, std::string("GAME_DISC_2") + std::string(21, ' '));
  EXPECT_EQ(IsoVolumeLabel(sector), "GAME_DISC_2");
  sector[0] = 2;
  EXPECT_FALSE(IsoVolumeLabel(sector).has_value());
  EXPECT_FALSE(IsoVolumeLabel("short").has_value());
}

data::GenRec DiscSettings(bool cd_mode) {
  data::GenRec gen = PlainSettings();
  gen.CDMode = cd_mode ? 1 : 0;
  gen.CDLabel(1) = data::Text20("QUEST_1");
  gen.CDLabel(2) = data::Text20("Quest_2");
  gen.CDFirstScene(1) = 1;
  gen.CDLastScene(1) = 10;
  gen.CDFirstScene(2) = 11;
  gen.CDLastScene(2) = 20;
  return gen;
}

std::unique_ptr<FakeDrives> CdDrive(const GameFolder& folder, std::vector<std::string> labels) {
  auto drives = std::make_unique<FakeDrives>();
  drives->mounts = {{"/", "ext4", "/dev/sda1"}, {folder.dir().string(), "iso9660", "/dev/sr0"}};
  drives->labels[folder.dir().string()] = std::move(labels);
  return drives;
}

TEST(GameDisc, TheDiscInTheDriveIsFoundByItsLabel) {
  GameFolder folder;
  folder.WriteSettings(DiscSettings(true));
  TestPlayer t(folder.dir(), {1024, 768}, CdDrive(folder, {"quest_2"}));
  t.StartAndRun(1200);
  EXPECT_TRUE(t.p().startup.RunningFromCD);
  EXPECT_EQ(t.p().startup.CurrentCD, 2);
  EXPECT_TRUE(t.MenuShows());
  EXPECT_TRUE(t.boxes.empty());
}

TEST(GameDisc, AnUnknownDiscEndsTheGameOnlyInCdMode) {
  GameFolder folder;
  folder.WriteSettings(DiscSettings(true));
  TestPlayer strict(folder.dir(), {1024, 768}, CdDrive(folder, {"OTHER"}));
  strict.StartAndRun(1200);
  ASSERT_EQ(strict.boxes.size(), 1u);
  EXPECT_EQ(strict.boxes[0],
            "Quorvel Engine | This application has been set up to run from a CD, and is currently running from a "
            "CD.  However, the Quorvel Engine was unable to determine which CD is inserted into the drive.  Possible "
            "cause: CD Labels entered into Quorvel do not match actual volume labels of the CDs.  Without knowing "
            "which CD has been inserted, it is impossible to continue.  Please correct the problem and try again.");
  EXPECT_TRUE(strict.p().ended);

  folder.WriteSettings(DiscSettings(false));
  TestPlayer lenient(folder.dir(), {1024, 768}, CdDrive(folder, {"OTHER"}));
  lenient.StartAndRun(1200);
  EXPECT_TRUE(lenient.boxes.empty());
  EXPECT_EQ(lenient.p().startup.CurrentCD, 0);
  EXPECT_TRUE(lenient.MenuShows());
}

TEST(GameDisc, SceneOnAnotherDiscAsksForItUntilItIsIn) {
  GameFolder folder;
  folder.WriteSettings(DiscSettings(true));
  // Read at start-up once as disc 1, then twice more before the second
  // disc is in.
  TestPlayer t(folder.dir(), {1024, 768}, CdDrive(folder, {"QUEST_1", "QUEST_1", "QUEST_1", "QUEST_2"}));
  t.StartAndRun(1200);
  Player& p = t.p();
  ASSERT_EQ(p.startup.CurrentCD, 1);
  p.gen.GameTitle = "Quest";
  CheckSceneDisc(p, 5);
  EXPECT_TRUE(t.boxes.empty()) << "the right disc is in";
  CheckSceneDisc(p, 15);
  ASSERT_EQ(t.boxes.size(), 3u);
  EXPECT_EQ(t.boxes[0], "Quest | Please Insert CD #2.  Click OK after CD has spun down.");
  EXPECT_EQ(p.startup.CurrentCD, 2);

  t.boxes.clear();
  EXPECT_THROW(CheckSceneDisc(p, 30), ui::ProgramEnded);
  ASSERT_EQ(t.boxes.size(), 1u);
  EXPECT_NE(t.boxes[0].find("which CD is required for Scene #30.  Possible cause"), std::string::npos);
  EXPECT_TRUE(p.ended);
}

// Each disc mounted at a path of its own, as desktops mount them: the wanted
// disc is found wherever it is mounted, and the game reads from it.
TEST(GameDisc, TheWantedDiscIsFoundWhereverItIsMountedAndTheGameReadsFromIt) {
  GameFolder folder;
  const std::string disc1 = folder.Path() + "QUEST_1";
  const std::string disc2 = folder.Path() + "QUEST_2";
  const std::string image1 = folder.Path() + "images/quest1";
  folder.WriteFile("QUEST_1/quest/resource/Quorvel4.dat", DiscSettings(true).Encode());
  folder.WriteFile("QUEST_2/quest/resource/gfx/second.bmp", "x");
  folder.WriteFile("images/quest1/quest/resource/gfx/first.bmp", "x");
  auto owned = std::make_unique<FakeDrives>();
  FakeDrives& drives = *owned;
  drives.mounts = {{"/", "ext4", "/dev/sda1"}, {disc1, "iso9660", "/dev/sr0"}};
  drives.labels[disc1] = {"QUEST_1"};
  TestPlayer t(folder.dir() / "QUEST_1" / "quest", {1024, 768}, std::move(owned));
  t.StartAndRun(1200);
  Player& p = t.p();
  ASSERT_EQ(p.startup.CurrentCD, 1);
  EXPECT_EQ(p.AppPath(), disc1 + "/quest/");
  p.gen.GameTitle = "Quest";

  // The first disc is ejected; the second is mounted under its own label.
  t.on_box = [&] {
    drives.mounts = {{"/", "ext4", "/dev/sda1"}, {disc2, "iso9660", "/dev/sr0"}};
    drives.labels = {{disc2, {"Quest_2"}}};
  };
  CheckSceneDisc(p, 15);
  ASSERT_EQ(t.boxes.size(), 1u);
  EXPECT_EQ(t.boxes[0], "Quest | Please Insert CD #2.  Click OK after CD has spun down.");
  EXPECT_EQ(p.startup.CurrentCD, 2);
  EXPECT_EQ(p.AppPath(), disc2 + "/quest/");
  EXPECT_TRUE(FileExists(p, p.AppPath() + "resource\\gfx\\second.bmp"));

  // Back to the first disc, as an image the user mounts beside the second.
  t.on_box = [&] {
    drives.mounts.push_back({image1, "iso9660", "/dev/loop0"});
    drives.labels[image1] = {"QUEST_1"};
  };
  CheckSceneDisc(p, 5);
  EXPECT_EQ(t.boxes.size(), 2u);
  EXPECT_EQ(p.startup.CurrentCD, 1);
  EXPECT_EQ(p.AppPath(), image1 + "/quest/");
  EXPECT_TRUE(FileExists(p, p.AppPath() + "resource/gfx/first.bmp"));
  CheckSceneDisc(p, 6);
  EXPECT_EQ(t.boxes.size(), 2u) << "the disc in use asks for nothing";
}

TEST(SavedFolder, MadeBesideTheGameOrElseInTheUsersDataFolder) {
  GameFolder folder;
  TestPlayer t(folder.dir());
  InitSavedFolder(t.p());
  EXPECT_EQ(t.p().startup.SavedFolder, folder.Path() + "Saved/");
  EXPECT_TRUE(std::filesystem::is_directory(folder.dir() / "Saved"));
  InitSavedFolder(t.p());
  EXPECT_EQ(t.p().startup.SavedFolder, folder.Path() + "Saved/") << "an existing folder is kept";

  // A game folder where nothing can be made (the kernel's own folder).
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string old_value = old ? old : "";
  setenv("XDG_DATA_HOME", folder.dir().c_str(), 1);
  TestPlayer read_only("/proc/self", {1024, 768}, nullptr, "Quest");
  InitSavedFolder(read_only.p());
  EXPECT_EQ(read_only.p().startup.SavedFolder, folder.Path() + "Quest/Saved/");
  EXPECT_TRUE(std::filesystem::is_directory(folder.dir() / "Quest" / "Saved"));
  if (old) {
    setenv("XDG_DATA_HOME", old_value.c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
}

TEST(GameDisc, HeadlessPlayReportsADiscNobodyCanInsertAsAHang) {
  GameFolder folder;
  folder.WriteSettings(DiscSettings(true));
  TestPlayer t(folder.dir(), {1024, 768}, CdDrive(folder, {"QUEST_1"}));
  t.StartAndRun(1200);
  Player& p = t.p();
  ASSERT_EQ(p.startup.CurrentCD, 1);
  EXPECT_THROW(CheckSceneDisc(p, 15), ui::Hang);
  EXPECT_EQ(t.boxes.size(), 100u);
}

}  // namespace
}  // namespace qvl::testing
