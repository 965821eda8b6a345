// The end of the program: everything released and every window unloaded,
// once, however many ways ask for it; no window starts anything as the
// others close.
#include <gtest/gtest.h>

#include <algorithm>

#include "player_test_support.h"
#include "shell/quit.h"

namespace qvl::testing {
namespace {

TEST(EndApplication, ReleasesEverythingOnceAndStartsNothing) {
  namespace fs = std::filesystem;
  GameFolder folder;
  fs::copy(fs::path(QVL_TEST_GAMES_DIR) / "saves", folder.dir(),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  std::vector<std::string> trace;
  PlayerSetup setup;
  setup.program = folder.dir() / "QuorvelGame";
  auto drives = std::make_unique<FakeDrives>();
  drives->mounts.push_back({"/", "ext4", "/dev/sda1"});
  setup.drives = std::move(drives);
  auto runtime = ui::Runtime::MakeHeadless({1024, 768});
  setup.media = MakeHeadlessMediaSet(runtime->clock(), [&trace](const std::string& line) { trace.push_back(line); });
  Player p(std::move(runtime), std::move(setup));
  try {
    StartProgram(p);
    while (p.loop().NowMs() < 3000) {
      if (!p.loop().DoEvents()) p.loop().PassTime(3000);
    }
  } catch (const ui::ProgramEnded&) {
    FAIL() << "the program ended at start-up";
  }
  ASSERT_TRUE(p.windows.main_menu.window.visible());

  trace.clear();
  EXPECT_THROW(EndApplication(p), ui::ProgramEnded);
  EXPECT_TRUE(p.ended);
  EXPECT_TRUE(p.loop().Ended());
  EXPECT_FALSE(p.data.Gen || p.data.Scene || p.data.Conv || p.data.Item || p.data.Loc);
  for (ui::Window* window : p.runtime().windows().BackToFront()) {
    EXPECT_FALSE(window->loaded()) << window->name();
  }
  const auto shutdowns = std::count(trace.begin(), trace.end(), "SOUND shutdown");
  EXPECT_EQ(shutdowns, 1);
  EXPECT_EQ(trace.back(), "SOUND shutdown") << "the menu did not start its music as the windows closed";

  const size_t lines = trace.size();
  EXPECT_THROW(EndApplication(p), ui::ProgramEnded);
  EXPECT_EQ(trace.size(), lines) << "a second end releases nothing again";
}

}  // namespace
}  // namespace qvl::testing
