// The scene movie over the game window's scene area: its start, the end
// seen by MovieTimer, the settling PostMovieTimer, and Esc.
#include "media/scene_movie.h"

#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "media/media_folder.h"
#include "media/movie_sizing.h"
#include "platform/text_numbers.h"

namespace qvl {

namespace {

void Yield(Player& p) { p.loop().DoEvents(); }

// Takes the movie off the scene area and closes its file.
void CloseSceneMovie(Player& p) {
  MainWindow& m = p.windows.main;
  m.AVIBG.Hide();
  m.MoviePlayer1.Hide();
  m.MoviePlayer1.SetFileName("");
  m.MoviePlayer1.ShowPicturesOf(nullptr, false);
  p.media.movie->Close();
}

void ReportMovieError(Player& p, const std::string& name, const RuntimeError& error) {
  p.movies.MoviePlaying = false;
  p.runtime().message_boxes().Show(kAppTitle,
                                   "Error playing video: '" + name + "'\rErr #" + Str(error.number()) +
                                       " / " + error.description(),
                                   MsgIcon::kNone, MsgButtons::kOK);
  MainWindow& m = p.windows.main;
  CloseSceneMovie(p);
  m.Block.Hide();
  // Whoever waits for this movie goes on, and the game takes clicks again.
  p.movies.MovieFinished = true;
  ShowItemOrNormalPointer(p);
}

// MovieTimer: the movie has played to its end.
void MovieTimerTick(Player& p) {
  if (!p.movies.MoviePlaying) return;
  MoviePlayer& movie = *p.media.movie;
  if (movie.Position() != movie.Duration()) return;
  MainWindow& m = p.windows.main;
  m.MovieTimer.SetTimerEnabled(false);
  m.Block.Show();
  Yield(p);
  CloseSceneMovie(p);
  ShowPointer(p, pointer::kNormal);
  m.PostMovieTimer.SetInterval(200);
  m.PostMovieTimer.SetTimerEnabled(true);
}

// PostMovieTimer: the scene is uncovered (unless the caller keeps it
// covered) and the movie counts as finished.
void PostMovieTimerTick(Player& p) {
  MainWindow& m = p.windows.main;
  m.PostMovieTimer.SetTimerEnabled(false);
  if (!p.movies.KeepBlockAfterMovie) {
    m.Block.Hide();
    Yield(p);
  }
  p.movies.MovieFinished = true;
  p.movies.MoviePlaying = false;
  ShowItemOrNormalPointer(p);
}

// The movie control takes the scene area, or 400 wide in display mode 1,
// centred on the black background.
void PlaceSceneMovie(Player& p) {
  MainWindow& m = p.windows.main;
  MovieSize size{MainWindow::kSceneWidth, MainWindow::kSceneHeight};
  if (p.gen.MovieSize == 1) size = NarrowMovieSize(size);
  m.MoviePlayer1.Resize(size.width, size.height);
  m.MoviePlayer1.Move(m.AVIBG.left() + m.AVIBG.width() / 2 - size.width / 2,
                      m.AVIBG.top() + m.AVIBG.height() / 2 - size.height / 2);
}

}  // namespace

void PlayMovie(Player& p, const std::string& name, int16_t& level, bool wait, bool keep_block) {
  LogLine(p, "Play movie: '" + name + "'.");
  const std::string path = MediaFilePath(p, name);
  if (!FileExists(p, path)) {
    p.runtime().message_boxes().Show(kAppTitle, "Could not play movie...\r\"" + path + "\" not found.",
                                     MsgIcon::kCritical, MsgButtons::kOK);
    return;
  }
  if (level > 100) level = 100;
  ShowPointer(p, pointer::kWait);
  p.movies.KeepBlockAfterMovie = keep_block;
  p.movies.MovieFinished = false;
  p.movies.MovieWait = wait;

  MainWindow& m = p.windows.main;
  m.AVIBG.Move(0, 0, MainWindow::kSceneWidth, MainWindow::kSceneHeight);
  m.Block.Show();
  m.AVIBG.Show();
  PlaceSceneMovie(p);
  MoviePlayer& movie = *p.media.movie;
  try {
    movie.SetLevel(level);
    p.movies.MoviePlaying = false;
    movie.Open(RealPath(p, path).string());
    m.MoviePlayer1.SetFileName(path);
    m.MoviePlayer1.ShowPicturesOf(&movie, !p.runtime().IsVirtual());
    m.MoviePlayer1.Show();
    m.Block.Hide();
    movie.Play();
    m.Block.Hide();
    movie.SetLevel(level);
    p.movies.MoviePlaying = true;
  } catch (const RuntimeError& error) {
    ReportMovieError(p, name, error);
    return;
  }
  if (!m.MovieTimer.timer_enabled()) m.MovieTimer.SetTimerEnabled(true);
}

bool MoviePlaying(const Player& p) { return p.movies.MoviePlaying; }

void WaitForMovie(Player& p) {
  p.loop().WaitUntil([&p] { return p.movies.MovieFinished; });
}

void CancelSceneMovie(Player& p) {
  if (!p.movies.MoviePlaying) return;
  MainWindow& m = p.windows.main;
  m.MovieTimer.SetTimerEnabled(false);
  m.Block.Show();
  Yield(p);
  p.media.movie->Stop();
  CloseSceneMovie(p);
  ShowPointer(p, pointer::kWait);
  m.PostMovieTimer.SetInterval(200);
  m.PostMovieTimer.SetTimerEnabled(true);
  LogLine(p, "Movie playback cancelled by user.");
}

void WireSceneMovie(Player& p) {
  MainWindow& m = p.windows.main;
  m.MovieTimer.on_tick = [&p] { MovieTimerTick(p); };
  m.PostMovieTimer.on_tick = [&p] { PostMovieTimerTick(p); };
}

}  // namespace qvl
