// A scene movie played for real: FFmpeg's pictures in the movie control on
// the game window, its sound at the movie's level through the disk audio
// driver, its end on time by the wall clock, and Esc. Skipped when no
// audio device can be opened.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "../platform/media_test_support.h"
#include "game/player.h"
#include "media/scene_movie.h"
#include "platform/media_backends.h"
#include "platform/runtime_error.h"

namespace qvl {
namespace {

using testing::DiskAudio;
using Clock = std::chrono::steady_clock;

// Red or blue as a movie codec gives them back: one channel near full, the
// others near nothing.
bool IsRedOrBlue(uint32_t rgb) {
  const uint32_t r = (rgb >> 16) & 0xFF;
  const uint32_t g = (rgb >> 8) & 0xFF;
  const uint32_t b = rgb & 0xFF;
  return g < 0x30 && ((r > 0xD0 && b < 0x30) || (b > 0xD0 && r < 0x30));
}

class RealMovie : public ::testing::Test {
 protected:
  void SetUp() override {
    try {
      auto probe = MakeSdlMixer();
    } catch (const RuntimeError& error) {
      GTEST_SKIP() << "no audio device: " << error.what();
    }
    auto runtime = ui::Runtime::MakeReal(nullptr, std::make_unique<QueuedMessageBoxes>(),
                                         std::make_unique<MemoryClipboard>(), {});
    PlayerSetup setup;
    setup.program = std::string(QVL_TEST_GAMES_DIR) + "/media/QuorvelGame";
    setup.media = MakeDeviceMediaSet(runtime->clock(), {});
    player_ = std::make_unique<Player>(std::move(runtime), std::move(setup));
    player_->windows.main.window.Show();
    player_->gen.MovieSize = 1;
  }

  // Lets the game run for `ms` of real time.
  void RunFor(int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until) {
      player_->loop().DoEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  // The colour of the screen where the middle of the movie shows.
  uint32_t MovieCentreColour() {
    Image screen(800, 600);
    player_->runtime().DrawScreen(screen);
    const ui::Rect movie = player_->windows.main.MoviePlayer1.ScreenRect();
    return screen.At(movie.left + movie.width / 2, movie.top + movie.height / 2) & 0x00FFFFFFu;
  }

  DiskAudio disk_{"movie"};
  std::unique_ptr<Player> player_;
};

TEST_F(RealMovie, AviAndMpgShowTheirPicturesWithTheirSoundAndEndOnTime) {
  Player& p = *player_;
  struct Case {
    const char* file;
    double seconds;
  };
  for (const Case& movie : {Case{"movie.avi", 2.0}, Case{"intro.mpg", 1.93}}) {
    SCOPED_TRACE(movie.file);
    int16_t level = 100;
    // Timed from the start of play: opening the file (and loading the
    // decoder's libraries for it) is not part of the movie's length.
    PlayMovie(p, movie.file, level, true, false);
    const auto start = Clock::now();
    RunFor(400);
    const uint64_t from = disk_.Mark();
    RunFor(300);
    const double sound = disk_.Between(from, disk_.Mark()).Loudest();
    // The movies' pictures are all red or all blue.
    const uint32_t colour = MovieCentreColour();
    EXPECT_TRUE(IsRedOrBlue(colour)) << std::hex << colour;
    EXPECT_GT(sound, 300.0);

    WaitForMovie(p);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::cout << movie.file << ": sound level " << sound << ", finished after " << seconds << " s\n";
    // Seen at its end within the 300 ms check, finished 200 ms later.
    EXPECT_GE(seconds, movie.seconds);
    EXPECT_LT(seconds, movie.seconds + 0.9);
    EXPECT_FALSE(p.windows.main.MoviePlayer1.visible());
  }
}

TEST_F(RealMovie, LevelZeroIsSilentAndEscEndsItAtOnce) {
  Player& p = *player_;
  int16_t level = 0;
  PlayMovie(p, "movie.avi", level, true, false);
  RunFor(400);
  const uint64_t from = disk_.Mark();
  RunFor(300);
  EXPECT_LT(disk_.Between(from, disk_.Mark()).Loudest(), 50.0);

  const auto esc = Clock::now();
  CancelSceneMovie(p);
  WaitForMovie(p);
  EXPECT_LT(std::chrono::duration<double>(Clock::now() - esc).count(), 0.5);
  // The movie's picture is gone from the screen.
  EXPECT_FALSE(IsRedOrBlue(MovieCentreColour()));
}

}  // namespace
}  // namespace qvl
