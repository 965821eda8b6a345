// Games whose pictures are hostile: tiny files that claim gigabytes, text
// named as pictures, pictures that each fit but together would not. The
// headless player must reach the scene, never die by a signal, and keep
// its peak resident memory under 700 MB.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kHostileGfx = fs::path(QVL_TEST_SOURCE_DIR) / "games" / "pictures" / "resource" / "gfx";

void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A GIF of one 4096 × 4096 frame with almost no data: 64 MB when decoded,
// under the limit of one picture, so a game full of them tests the limit
// of all pictures together.
std::vector<uint8_t> FullScreenGif() {
  std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0x00, 0x10, 0x00, 0x10, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
  const std::vector<uint8_t> frame = {0x2C, 0, 0, 0, 0, 0x00, 0x10, 0x00, 0x10, 0, 0x02, 0x01, 0x2C, 0x00};
  gif.insert(gif.end(), frame.begin(), frame.end());
  gif.push_back(0x3B);
  return gif;
}

struct RunResult {
  int exit_code = -1;
  int signal = 0;
  int64_t peak_kb = 0;
};

// Plays the script on the game with `qvl run`, its output thrown away.
RunResult PlayHeadless(const fs::path& game, const std::string& script_text) {
  const fs::path script = game / "play.qvs";
  std::ofstream(script) << script_text;
  const pid_t child = fork();
  if (child == 0) {
    const int null_fd = ::open("/dev/null", O_WRONLY);
    dup2(null_fd, 1);
    dup2(null_fd, 2);
    execl(QVL_TOOL_PATH, "qvl", "run", game.c_str(), script.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  RunResult result;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return result;
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  result.peak_kb = usage.ru_maxrss;
  return result;
}

class HostileGame : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = fs::temp_directory_path() / ("qvl_hostile_" + std::to_string(getpid()));
    fs::remove_all(game_);
    fs::copy(fs::path(QVL_TEST_GAMES_DIR) / "demo", game_, fs::copy_options::recursive);
    fs::remove_all(game_ / "Saved");
  }
  void TearDown() override { fs::remove_all(game_); }

  // Puts the hostile files in the place of every picture of the game, in
  // turn; the data and picture files together stay far under 1 MB.
  void ReplaceEveryPicture(const std::vector<std::vector<uint8_t>>& kinds) {
    size_t next = 0;
    for (const auto& entry : fs::directory_iterator(game_ / "resource" / "gfx")) {
      Write(entry.path(), kinds[next++ % kinds.size()]);
    }
  }

  static std::vector<uint8_t> Hostile(const char* name) {
    std::ifstream in(kHostileGfx / name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path game_;
};

constexpr int64_t kMostPeakKb = 700 * 1024;
constexpr const char* kNewGame = "wait 12000\nclick MainMenu.Buttn(2)\nready\nexpect scene 1\n";

TEST_F(HostileGame, EveryPictureClaimingGigabytesStillReachesTheScene) {
  ReplaceEveryPicture({Hostile("bomb.gif"), Hostile("huge.bmp"), Hostile("svg.bmp"), Hostile("pnm.jpg")});
  const RunResult run = PlayHeadless(game_, kNewGame);
  EXPECT_EQ(run.signal, 0);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_LT(run.peak_kb, kMostPeakKb);
  RecordProperty("peak_kb", std::to_string(run.peak_kb));
}

TEST_F(HostileGame, PicturesThatEachFitButNotTogetherStayWithinTheBudget) {
  ReplaceEveryPicture({FullScreenGif()});
  const RunResult run = PlayHeadless(game_, kNewGame);
  EXPECT_EQ(run.signal, 0);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_LT(run.peak_kb, kMostPeakKb);
  RecordProperty("peak_kb", std::to_string(run.peak_kb));
}

}  // namespace
