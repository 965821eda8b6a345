// Start-up of the Player on game folders made for each case: the missing
// resource folder, general settings that are too long, the standard skin's
// files, pointer files, skin positions, record counts, the development
// name and the intro movie check.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "data/scene_rec.h"
#include "game/general_settings.h"
#include "player_test_support.h"

namespace qvl::testing {
namespace {

const std::filesystem::path kSkinGfx = std::filesystem::path(QVL_TEST_SOURCE_DIR) / "games/skin/resource/gfx";

data::GenRec SettingsWithLayout() {
  data::GenRec gen;
  gen.StandardSkin = 1;
  const char* layout[11] = {"10/20", "30/40", "50/60", "70/80", "90/100", "0/0",
                            "1/1",   "2/2",   "3/3",   "4/4",   "5/5"};
  data::Text15* fields[11] = {&gen.Skin1, &gen.Skin2, &gen.Skin3, &gen.Skin4, &gen.Skin5, &gen.Skin6,
                              &gen.Skin8, &gen.Skin7, &gen.Skin10, &gen.Skin9, &gen.Skin11};
  for (int i = 0; i < 11; ++i) *fields[i] = data::Text15(layout[i]);
  for (int k = 1; k <= 5; ++k) gen.MenuButton(k) = 1;
  return gen;
}

uint32_t CentrePixel(const PictureRef& picture) {
  return picture->frames[0].image.At(picture->width / 2, picture->height / 2);
}

TEST(StartUp, FolderWithoutResourceSaysSoAndEnds) {
  GameFolder folder;
  std::filesystem::remove_all(folder.dir() / "resource");
  TestPlayer t(folder.dir());
  t.StartAndRun(10000);
  ASSERT_EQ(t.boxes.size(), 1u);
  EXPECT_EQ(t.boxes[0],
            "QuorvelPlayer | Unexpected error in procedure: GetInitData\r\nError #76: Path not found\r\n"
            "Could not load initialization files.  Program will exit.");
  EXPECT_TRUE(t.p().ended);
  EXPECT_FALSE(t.MenuShows());
}

TEST(StartUp, MenuShowsAt1200WithoutSplashAndAfterTheLogoWithIt) {
  GameFolder folder;
  data::GenRec gen = SettingsWithLayout();
  folder.WriteSettings(gen);
  TestPlayer plain(folder.dir());
  plain.StartAndRun(1199);
  EXPECT_FALSE(plain.MenuShows());
  plain.RunTo(1200);
  EXPECT_TRUE(plain.MenuShows());
  EXPECT_FALSE(plain.p().windows.start.QVLPVersion.visible());

  gen.SplashFlag = data::Text15(" 1 ");
  folder.WriteSettings(gen);
  TestPlayer splash(folder.dir());
  splash.StartAndRun(1200);
  EXPECT_TRUE(splash.p().windows.start.QVLGIFLogo.visible());
  EXPECT_TRUE(splash.p().windows.start.QVLGIFLogo.playing());
  splash.RunTo(3899);
  EXPECT_FALSE(splash.MenuShows());
  splash.RunTo(3900);
  EXPECT_TRUE(splash.MenuShows());
  EXPECT_TRUE(splash.boxes.empty());
}

TEST(StartUp, SettingsFileOfAnyOtherLengthLeavesEverySettingEmpty) {
  GameFolder folder;
  data::GenRec gen = SettingsWithLayout();
  gen.SplashFlag = data::Text15("1");
  gen.HoverSound = data::Text15("hover.wav");
  gen.GameTitle = data::Text20("Too Long");
  gen.ScoreOn = 1;
  gen.ScoreFlag = 7;
  gen.Pointer(13) = data::Text15("arrow.gif");
  folder.WriteSettings(gen, 1);  // 909 bytes
  TestPlayer t(folder.dir());
  t.StartAndRun(1200);
  EXPECT_TRUE(t.MenuShows()) << "no splash";
  EXPECT_TRUE(t.boxes.empty());
  Player& p = t.p();
  EXPECT_EQ(p.gen.GameTitle, "");
  EXPECT_EQ(p.gen.HoverSound.file, "");
  EXPECT_FALSE(p.gen.CustomSkin);
  EXPECT_EQ(p.game.ScoreFlag, -1);
  EXPECT_EQ(p.windows.main_menu.Buttn(1).left(), 300) << "the skin layout was not applied";
  EXPECT_EQ(p.windows.mouse_point.Pointer(13).pointer().picture, p.builtins.Pointer(13).picture);
}

TEST(StartUp, StandardSkinPrefersTheJpgBackground) {
  PictureBudget budget;
  GameFolder folder;
  folder.WriteSettings(SettingsWithLayout());
  folder.CopyIn(kSkinGfx / "bgmenu.bmp", "resource/gfx/BGMENU.BMP");
  {
    TestPlayer bmp_only(folder.dir());
    bmp_only.StartAndRun(1200);
    const PictureRef& shown = bmp_only.p().windows.main_menu.Picture1.picture();
    ASSERT_TRUE(shown);
    EXPECT_EQ(CentrePixel(shown) & 0xFFFFFF, CentrePixel(LoadPictureFile(kSkinGfx / "bgmenu.bmp", budget)) & 0xFFFFFF);
  }
  folder.CopyIn(kSkinGfx / "bgmenu.jpg", "resource/gfx/bgmenu.jpg");
  TestPlayer both(folder.dir());
  both.StartAndRun(1200);
  const PictureRef& shown = both.p().windows.main_menu.Picture1.picture();
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->frames[0].image.pixels, LoadPictureFile(kSkinGfx / "bgmenu.jpg", budget)->frames[0].image.pixels);
  EXPECT_FALSE(both.p().windows.main.Picture1.picture()) << "no game background: the built-in look stays";
}

// The skin's pictures are decoded while the start window waits and handed
// to the skin when it loads; a file written since is read again, and a
// damaged one is still reported by the settings step that loads the skin.
TEST(StartUp, SkinPicturesAreDecodedWhileTheStartWindowWaits) {
  PictureBudget budget;
  GameFolder folder;
  folder.WriteSettings(SettingsWithLayout());
  folder.CopyIn(kSkinGfx / "bgmenu.jpg", "resource/gfx/bgmenu.jpg");
  folder.CopyIn(kSkinGfx / "btnnew.gif", "resource/gfx/btnnew.gif");
  {
    TestPlayer t(folder.dir());
    t.StartAndRun(1199);
    EXPECT_TRUE(t.p().runtime().windows().picture_memo().HasPrepared());
    t.RunTo(1200);
    EXPECT_TRUE(!t.p().runtime().windows().picture_memo().HasPrepared());
    EXPECT_EQ(t.p().windows.main_menu.Picture1.picture()->frames[0].image.pixels,
              LoadPictureFile(kSkinGfx / "bgmenu.jpg", budget)->frames[0].image.pixels);
    EXPECT_TRUE(t.boxes.empty());
  }
  {
    TestPlayer t(folder.dir());
    t.StartAndRun(1000);
    folder.CopyIn(kSkinGfx / "bgmenu.bmp", "resource/gfx/bgmenu.jpg");  // now another picture
    t.RunTo(1200);
    const PictureRef& shown = t.p().windows.main_menu.Picture1.picture();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->frames[0].image.pixels, LoadPictureFile(kSkinGfx / "bgmenu.bmp", budget)->frames[0].image.pixels);
  }
  {
    folder.WriteFile("resource/gfx/bgmenu.jpg", "\xFF\xD8\xFF damaged");
    TestPlayer t(folder.dir());
    t.StartAndRun(1200);
    ASSERT_EQ(t.boxes.size(), 1u);
    EXPECT_EQ(t.boxes[0].rfind("QuorvelPlayer | Unexpected error in procedure: OpenGenBase\r\nError #481", 0), 0u)
        << t.boxes[0];
    EXPECT_TRUE(!t.p().runtime().windows().picture_memo().HasPrepared());
  }
}

TEST(StartUp, SkinButtonsShowTheirNormalFrameAndLayoutPlacesThem) {
  GameFolder folder;
  data::GenRec gen = SettingsWithLayout();
  gen.Skin2 = data::Text15("250/410");
  folder.WriteSettings(gen);
  folder.CopyIn(kSkinGfx / "btnnew.gif", "resource/gfx/btnnew.gif");
  TestPlayer t(folder.dir());
  t.StartAndRun(1200);
  Player& p = t.p();
  EXPECT_EQ(p.windows.main_menu.Buttn(2).left(), 250);
  EXPECT_EQ(p.windows.main_menu.Buttn(2).top(), 410);
  EXPECT_EQ(p.windows.main_menu.Buttn(2).picture(), p.windows.main.ButtnDefault(2).FramePicture(1));
  // btnintro.gif is missing: the player's own button stays.
  ASSERT_TRUE(p.windows.main_menu.Buttn(1).picture());
  EXPECT_EQ(p.windows.main_menu.Buttn(1).picture(), p.windows.main.ButtnDefault(1).FramePicture(1));
  EXPECT_EQ(p.windows.main_menu.Buttn(1).picture()->width, 200);
}

TEST(StartUp, SkinPositionWithoutSlashStopsTheSettingsWithAMessage) {
  GameFolder folder;
  data::GenRec gen = SettingsWithLayout();
  gen.Skin3 = data::Text15("250");
  gen.ScoreOn = 1;
  gen.ScoreFlag = 9;
  folder.WriteSettings(gen);
  TestPlayer t(folder.dir());
  t.StartAndRun(1200);
  ASSERT_EQ(t.boxes.size(), 1u);
  EXPECT_EQ(t.boxes[0],
            "QuorvelPlayer | Unexpected error in procedure: OpenGenBase\r\nError #5: Invalid procedure call or argument");
  EXPECT_EQ(t.p().windows.main_menu.Buttn(2).left(), 30) << "items before the bad one are placed";
  EXPECT_EQ(t.p().game.ScoreFlag, -1) << "the rest of the step did not run";
  EXPECT_TRUE(t.MenuShows()) << "start-up goes on";
}

TEST(StartUp, PointerSlotsTakeTheGameFilesAndKeepTheBuiltInOnesOtherwise) {
  GameFolder folder;
  data::GenRec gen = SettingsWithLayout();
  gen.Pointer(13) = data::Text15("ARROW.gif");
  folder.WriteSettings(gen);
  folder.CopyIn(kSkinGfx / "arrow.gif", "resource/gfx/arrow.gif");
  TestPlayer t(folder.dir());
  t.StartAndRun(1200);
  Player& p = t.p();
  EXPECT_NE(p.windows.mouse_point.Pointer(13).pointer().picture, p.builtins.Pointer(13).picture);
  EXPECT_EQ(p.windows.mouse_point.Pointer(13).pointer().picture->width, 24);
  EXPECT_EQ(p.windows.mouse_point.Pointer(1).pointer().picture, p.builtins.Pointer(1).picture);
  EXPECT_EQ(p.runtime().pointer().picture, p.windows.mouse_point.Pointer(13).pointer().picture);
}

TEST(StartUp, RecordCountsRoundToNearest) {
  GameFolder folder;
  folder.WriteSettings(SettingsWithLayout());
  folder.WriteFile("resource/Quorvel1.dat", std::string(4395 * 3 + 2000, '\0'));
  folder.WriteFile("resource/Quorvel3.dat", std::string(209 * 2 + 105, '\0'));
  TestPlayer below(folder.dir());
  below.StartAndRun(1200);
  EXPECT_EQ(below.p().data.SceneCount, 3);
  EXPECT_EQ(below.p().data.ItemCount, 3);
  EXPECT_EQ(below.p().data.LocCount, 0) << "a missing file is made empty";
  EXPECT_TRUE(std::filesystem::exists(folder.dir() / "resource/Quorvel2.dat"));

  folder.WriteFile("resource/Quorvel1.dat", std::string(4395 * 3 + 2200, '\0'));
  TestPlayer above(folder.dir());
  above.StartAndRun(1200);
  EXPECT_EQ(above.p().data.SceneCount, 4);
}

TEST(StartUp, DevelopmentNameReadsTheFixedFolderAndSaysSo) {
  GameFolder game;
  game.WriteSettings(SettingsWithLayout());
  const std::filesystem::path elsewhere = game.dir() / "bin";
  std::filesystem::create_directories(elsewhere);
  // The development folder of TestPlayer is the folder given: `game`.
  auto runtime_boxes = std::make_unique<TestPlayer>(game.dir(), ui::ScreenMetrics{1024, 768}, nullptr,
                                                     "QuorvelPlayer");
  TestPlayer& t = *runtime_boxes;
  EXPECT_TRUE(t.p().InDevelopment());
  EXPECT_EQ(t.p().AppPath(), game.Path());
  t.StartAndRun(1200);
  ASSERT_FALSE(t.boxes.empty());
  EXPECT_NE(t.boxes[0].find(game.Path()), std::string::npos);
  EXPECT_TRUE(t.MenuShows());

  TestPlayer shipped(elsewhere, ui::ScreenMetrics{1024, 768}, nullptr, "MyGame");
  EXPECT_FALSE(shipped.p().InDevelopment());
  EXPECT_EQ(shipped.p().AppPath(), elsewhere.string() + "/");
}

TEST(StartUp, IntroAtStartThatIsMissingIsReportedAndStartUpGoesOn) {
  GameFolder folder;
  data::GenRec gen = SettingsWithLayout();
  gen.IntroAtStart = 1;
  gen.IntroMovie = data::Text15("intro.avi");
  folder.WriteSettings(gen);
  TestPlayer t(folder.dir());
  t.StartAndRun(1200);
  ASSERT_EQ(t.boxes.size(), 1u);
  EXPECT_EQ(t.boxes[0], "QuorvelPlayer | Could not play 'AVI Intro'...\r\"" + folder.Path() +
                            "resource/mmedia/intro.avi\" not found.");
  EXPECT_TRUE(t.MenuShows());

  ApplyGenSettings(t.p(), gen_mode::kIntroCheck);
  EXPECT_FALSE(t.p().gen.IntroAvailable);
  EXPECT_EQ(t.boxes.size(), 2u);
  folder.WriteFile("resource/mmedia/INTRO.AVI", "not really a movie");
  ApplyGenSettings(t.p(), gen_mode::kIntroCheck);
  EXPECT_TRUE(t.p().gen.IntroAvailable);
  EXPECT_EQ(t.boxes.size(), 2u);
}

// Start-up names a missing or cut data file on the error output, says
// nothing new on screen, and leaves the file as it was.
TEST(StartUp, DamagedDataFilesAreNamedOnTheErrorOutputAndLeftAlone) {
  GameFolder folder;
  folder.WriteSettings(SettingsWithLayout());
  const std::string scenes = data::SceneRec().Encode() + std::string(100, 'x');
  folder.WriteFile("resource/Quorvel1.dat", scenes);
  folder.WriteFile("resource/Quorvel2.dat", "");
  folder.WriteFile("resource/Quorvel5.dat", "");
  TestPlayer t(folder.dir());
  std::vector<std::string> errors;
  t.p().runtime().on_error_output = [&errors](const std::string& line) { errors.push_back(line); };
  t.StartAndRun(1200);
  EXPECT_TRUE(t.MenuShows());
  EXPECT_TRUE(t.boxes.empty());
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "QuorvelPlayer: damaged data file: " + folder.Path() + "resource/Quorvel3.dat is missing.");
  EXPECT_EQ(errors[1], "QuorvelPlayer: damaged data file: " + folder.Path() +
                           "resource/Quorvel1.dat is 4495 bytes long, not a whole number of 4395-byte records.");
  EXPECT_EQ(t.p().data.SceneCount, 1) << "a part record still counts as the player always counted it";
  std::ifstream in(folder.dir() / "resource" / "Quorvel1.dat", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), scenes);

  // Sound files raise no word.
  GameFolder sound;
  sound.WriteSettings(SettingsWithLayout());
  for (const char* name : {"Quorvel1.dat", "Quorvel2.dat", "Quorvel3.dat", "Quorvel5.dat"}) {
    sound.WriteFile(std::string("resource/") + name, "");
  }
  TestPlayer quiet(sound.dir());
  std::vector<std::string> none;
  quiet.p().runtime().on_error_output = [&none](const std::string& line) { none.push_back(line); };
  quiet.StartAndRun(1200);
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace qvl::testing
