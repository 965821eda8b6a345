// The opening logo on the start window and the intro movie in its window:
// sizes and places, the end by the timers, Esc in the intro, and the boxes
// for missing and broken files, each of which lets start-up go on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game_window/pointers.h"
#include "media/movies.h"
#include "media_game.h"

namespace qvl {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;
using testing::MediaGame;

TEST(OpeningLogo, MissingFilesAreReportedAndStartUpGoesOn) {
  MediaGame g;
  g.p().startup.LogoPlaying = true;
  PlayOpenCredsGif(g.p(), "gone.gif");
  EXPECT_FALSE(g.p().startup.LogoPlaying);
  g.p().startup.LogoPlaying = true;
  PlayOpenCredsAVI(g.p(), "gone.avi");
  EXPECT_FALSE(g.p().startup.LogoPlaying);
  const std::string game = g.p().AppPath();
  EXPECT_THAT(g.Take(), ElementsAre("MSGBOX QuorvelPlayer | Could not play 'Opening Logo'...\r\"" + game +
                                        "resource\\gfx\\gone.gif\" not found.",
                                    "MSGBOX QuorvelPlayer | Could not play 'Opening Logo' movie...\r\"" + game +
                                        "resource\\mmedia\\gone.avi\" not found."));
}

TEST(OpeningLogo, MovieTakesItsOwnSizeUnlessTinyInTheMiddleOfTheStartWindow) {
  MediaGame g;
  const MovieControl& logo = g.p().windows.start.UserAVILogo;
  PlayOpenCredsAVI(g.p(), "movie.avi");
  EXPECT_TRUE(g.p().startup.LogoPlaying);
  EXPECT_EQ(logo.bounds(), (ui::Rect{320, 240, 160, 120}));
  // Seen at its 2 s end by the start window's 300 ms check.
  g.Wait(2099);
  EXPECT_TRUE(g.p().startup.LogoPlaying);
  g.Wait(1);
  EXPECT_FALSE(g.p().startup.LogoPlaying);
  EXPECT_FALSE(logo.visible());
  EXPECT_FALSE(g.p().media.movie->IsOpen());

  // A picture 25 pixels or less across shows at 150 × 80.
  PlayOpenCredsAVI(g.p(), "tiny.avi");
  EXPECT_EQ(logo.bounds(), (ui::Rect{325, 260, 150, 80}));
}

TEST(OpeningLogo, BrokenMovieIsAnUnexpectedErrorAndStartUpGoesOn) {
  MediaGame g;
  PlayOpenCredsAVI(g.p(), "broken.avi");
  EXPECT_FALSE(g.p().startup.LogoPlaying);
  EXPECT_FALSE(g.p().windows.start.UserAVILogo.visible());
  const auto lines = g.Take();
  ASSERT_FALSE(lines.empty());
  EXPECT_THAT(lines.back(),
              StartsWith("MSGBOX QuorvelPlayer | Unexpected error in procedure: PlayOpenCredsAVI\r\nError #321: "));
}

TEST(OpeningLogo, GifPlaysOnceThenStaysThreeSeconds) {
  MediaGame g;
  // The logo shows the start window; its own start-up stages are not
  // under test here and stay out of the way.
  g.p().windows.start.window.on_load = nullptr;
  PlayOpenCredsGif(g.p(), "logo.gif");
  EXPECT_TRUE(g.p().startup.LogoPlaying);
  EXPECT_TRUE(g.p().windows.start.UserAnimLogo.visible());
  // Two frames of 500 ms, then 3 s.
  g.Wait(3999);
  EXPECT_TRUE(g.p().startup.LogoPlaying);
  g.Wait(1);
  EXPECT_FALSE(g.p().startup.LogoPlaying);
  EXPECT_FALSE(g.p().windows.start.UserAnimLogo.visible());
}

TEST(IntroMovie, DisplayModesSizeItInTheMiddleOfItsWindow) {
  MediaGame g;
  const MovieControl& intro = g.p().windows.intro.UserIntroMovie;
  const std::vector<std::pair<int16_t, ui::Rect>> cases = {
      {0, {50, 63, 700, 475}}, {1, {200, 120, 400, 361}}, {2, {320, 240, 160, 120}}, {9, {320, 240, 160, 120}}};
  for (const auto& [mode, place] : cases) {
    g.p().gen.MovieSize = mode;
    const int64_t start = g.p().loop().NowMs();
    PlayIntroAVI(g.p(), "intro.mpg", 150);
    EXPECT_EQ(intro.bounds(), place) << "mode " << mode;
    // The 1.93 s intro is seen at its end at 2.1 s; its window closes 2 s later.
    EXPECT_EQ(g.p().loop().NowMs() - start, 4100);
    EXPECT_TRUE(g.p().movies.IntroFinished);
    EXPECT_FALSE(g.p().windows.intro.window.visible());
  }
  const auto lines = g.Take();
  EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              ElementsAre("MOVIE open intro.mpg 160x120 1.93s", "MOVIE play", "MOVIE level 100", "MOVIE close"));
}

TEST(IntroMovie, EscStopsItAndTheWindowClosesTwoSecondsLater) {
  MediaGame g;
  Player& p = g.p();
  bool pointer_busy_while_playing = false;
  p.runtime().scheduler().Start(500, false, [&p, &pointer_busy_while_playing] {
    pointer_busy_while_playing = WaitPointerShows(p);
    ui::KeyArgs esc{keys::kEscape};
    p.windows.intro.window.on_key_down(esc);
  });
  PlayIntroAVI(p, "intro.mpg", 80);
  EXPECT_TRUE(pointer_busy_while_playing);
  EXPECT_EQ(p.loop().NowMs(), 2500);
  EXPECT_FALSE(WaitPointerShows(p));
  EXPECT_THAT(g.Take(), ElementsAre("MOVIE open intro.mpg 160x120 1.93s", "MOVIE play", "MOVIE level 80",
                                    "MOVIE stop", "MOVIE close"));
}

TEST(IntroMovie, MissingIntroIsReported) {
  MediaGame g;
  PlayIntroAVI(g.p(), "gone.mpg", 100);
  EXPECT_THAT(g.Take(), ElementsAre("MSGBOX QuorvelPlayer | Could not play 'Movie Intro'...\r\"" + g.p().AppPath() +
                                    "resource\\mmedia\\gone.mpg\" not found."));
  EXPECT_FALSE(g.p().windows.intro.window.visible());
}

}  // namespace
}  // namespace qvl
