// The scene movie over the game window: its level, size and place, its
// end on time, Esc, the covered scene, and the failures that must let the
// waiting scene load go on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game_window/pointers.h"
#include "media/scene_movie.h"
#include "media_game.h"

namespace qvl {
namespace {

using ::testing::ElementsAre;
using testing::MediaGame;

TEST(SceneMovie, PlaysAtMostLevel100AndEndsOnTime) {
  MediaGame g;
  g.LogOn(false);
  int16_t level = 150;
  PlayMovie(g.p(), "movie.avi", level, true, false);
  EXPECT_EQ(level, 100);
  EXPECT_THAT(g.Take(), ElementsAre("LOG Play movie: 'movie.avi'.", "MOVIE level 100",
                                    "MOVIE open movie.avi 160x120 2.00s", "MOVIE play", "MOVIE level 100"));
  const MainWindow& m = g.p().windows.main;
  EXPECT_TRUE(MoviePlaying(g.p()));
  EXPECT_FALSE(g.p().movies.MovieFinished);
  EXPECT_TRUE(g.p().movies.MovieWait);
  EXPECT_TRUE(m.MoviePlayer1.visible());
  EXPECT_TRUE(m.AVIBG.visible());
  EXPECT_FALSE(m.Block.visible());
  EXPECT_TRUE(WaitPointerShows(g.p()));

  // The 2 s movie is seen at its end by the 300 ms check at 2.1 s, and
  // PostMovieTimer finishes it 200 ms later.
  g.Wait(2099);
  EXPECT_TRUE(m.MoviePlayer1.visible());
  g.Wait(1);
  EXPECT_THAT(g.Take(), ElementsAre("MOVIE close"));
  EXPECT_FALSE(m.MoviePlayer1.visible());
  EXPECT_FALSE(m.AVIBG.visible());
  EXPECT_TRUE(m.Block.visible());
  EXPECT_FALSE(g.p().movies.MovieFinished);
  g.Wait(200);
  EXPECT_TRUE(g.p().movies.MovieFinished);
  EXPECT_FALSE(MoviePlaying(g.p()));
  EXPECT_FALSE(m.Block.visible());
  EXPECT_FALSE(WaitPointerShows(g.p()));
}

TEST(SceneMovie, DisplayModesSizeAndCentreTheMovie) {
  MediaGame g;
  const MovieControl& movie = g.p().windows.main.MoviePlayer1;
  int16_t level = 50;
  g.p().gen.MovieSize = 1;
  PlayMovie(g.p(), "movie.avi", level, false, false);
  EXPECT_EQ(movie.bounds(), (ui::Rect{150, 150, 400, 175}));
  CancelSceneMovie(g.p());
  g.Wait(200);
  for (int16_t mode : {0, 2, 7}) {
    g.p().gen.MovieSize = mode;
    PlayMovie(g.p(), "movie.avi", level, false, false);
    EXPECT_EQ(movie.bounds(), (ui::Rect{0, 0, 700, 475})) << "mode " << mode;
    CancelSceneMovie(g.p());
    g.Wait(200);
  }
}

TEST(SceneMovie, ZeroLengthMovieEndsAtTheFirstCheck) {
  MediaGame g;
  int16_t level = 100;
  PlayMovie(g.p(), "zero.avi", level, true, false);
  g.Wait(300);
  EXPECT_FALSE(g.p().windows.main.MoviePlayer1.visible());
  g.Wait(200);
  EXPECT_TRUE(g.p().movies.MovieFinished);
}

TEST(SceneMovie, EscCancelsAndTheScenePlaysOn) {
  MediaGame g;
  g.LogOn(false);
  int16_t level = 100;
  PlayMovie(g.p(), "movie.avi", level, true, false);
  g.Wait(500);
  g.Take();
  CancelSceneMovie(g.p());
  EXPECT_THAT(g.Take(), ElementsAre("MOVIE stop", "MOVIE close", "LOG Movie playback cancelled by user."));
  EXPECT_TRUE(g.p().windows.main.Block.visible());
  EXPECT_TRUE(WaitPointerShows(g.p()));
  g.Wait(200);
  EXPECT_TRUE(g.p().movies.MovieFinished);
  EXPECT_FALSE(g.p().windows.main.Block.visible());
  EXPECT_FALSE(WaitPointerShows(g.p()));

  // With no movie playing, Esc changes nothing.
  CancelSceneMovie(g.p());
  EXPECT_TRUE(g.Take().empty());
  EXPECT_TRUE(g.p().movies.MovieFinished);
  EXPECT_FALSE(g.p().windows.main.PostMovieTimer.timer_enabled());
}

TEST(SceneMovie, KeepBlockLeavesTheSceneCovered) {
  MediaGame g;
  int16_t level = 100;
  PlayMovie(g.p(), "movie.avi", level, true, true);
  WaitForMovie(g.p());
  EXPECT_TRUE(g.p().movies.MovieFinished);
  EXPECT_TRUE(g.p().windows.main.Block.visible());
  EXPECT_EQ(g.p().loop().NowMs(), 2300);
}

TEST(SceneMovie, MissingMovieIsReportedAndChangesNothing) {
  MediaGame g;
  int16_t level = 100;
  PlayMovie(g.p(), "gone.avi", level, true, true);
  const std::string path = g.p().AppPath() + "resource\\mmedia\\gone.avi";
  EXPECT_THAT(g.Take(), ElementsAre("MSGBOX QuorvelPlayer | Could not play movie...\r\"" + path + "\" not found."));
  EXPECT_TRUE(g.p().movies.MovieFinished);
  EXPECT_FALSE(MoviePlaying(g.p()));
  EXPECT_FALSE(WaitPointerShows(g.p()));
}

TEST(SceneMovie, BrokenMovieReleasesItsWaitingCaller) {
  MediaGame g;
  int16_t level = 100;
  PlayMovie(g.p(), "broken.avi", level, true, true);
  const auto lines = g.Take();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2].rfind("MSGBOX QuorvelPlayer | Error playing video: 'broken.avi'\rErr # 321 / ", 0), 0u)
      << lines[2];
  EXPECT_EQ(lines[3], "MOVIE close");
  // The scene load waiting for it goes on at once.
  WaitForMovie(g.p());
  EXPECT_EQ(g.p().loop().NowMs(), 0);
  const MainWindow& m = g.p().windows.main;
  EXPECT_FALSE(m.MoviePlayer1.visible());
  EXPECT_FALSE(m.AVIBG.visible());
  EXPECT_FALSE(m.Block.visible());
  EXPECT_FALSE(MoviePlaying(g.p()));
  EXPECT_FALSE(WaitPointerShows(g.p()));
}

}  // namespace
}  // namespace qvl
