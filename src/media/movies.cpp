// The author's opening logo on the start window (a GIF or a movie) and the
// intro movie in its own window, with the timers that see them end and the
// Esc key that skips the intro.
#include "media/movies.h"

#include <algorithm>

#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "media/media_folder.h"
#include "media/movie_sizing.h"

namespace qvl {

namespace {

void Yield(Player& p) { p.loop().DoEvents(); }

void ReportNotFound(Player& p, const std::string& what, const std::string& path, MsgIcon icon) {
  p.runtime().message_boxes().Show(kAppTitle, what + "\r\"" + path + "\" not found.", icon, MsgButtons::kOK);
}

// Places a control in the middle of its window.
void CentreInWindow(ui::Control& control) {
  const ui::Window& window = control.window();
  control.Move(window.width() / 2 - control.width() / 2, window.height() / 2 - control.height() / 2);
}

// The logo movie on the start window goes away and start-up goes on.
void EndLogoMovie(Player& p) {
  StartForm& f = p.windows.start;
  f.MovieTimer.SetTimerEnabled(false);
  f.UserAVILogo.Hide();
  f.UserAVILogo.SetFileName("");
  f.UserAVILogo.ShowPicturesOf(nullptr, false);
  p.startup.LogoPlaying = false;
}

// The start window's MovieTimer: the logo movie played to its end and is
// closed. When Esc took it away, the movie player may already play the
// intro, so it is left alone.
void LogoMovieTimerTick(Player& p) {
  MoviePlayer& movie = *p.media.movie;
  if (!p.windows.start.UserAVILogo.visible()) {
    EndLogoMovie(p);
  } else if (movie.Position() == movie.Duration()) {
    movie.Close();
    EndLogoMovie(p);
  }
}

// The GIF logo has played through once: it stays for UserLogoTimer's
// three seconds, whose tick ends it.
void LogoPlayedThrough(Player& p) {
  StartForm& f = p.windows.start;
  if (f.UserAnimLogo.visible() && !f.UserLogoTimer.timer_enabled()) f.UserLogoTimer.SetTimerEnabled(true);
}

// The intro window's MovieTimer: at the intro's end the window closes two
// seconds later.
void IntroMovieTimerTick(Player& p) {
  IntroWindow& w = p.windows.intro;
  const MoviePlayer& movie = *p.media.movie;
  if (movie.Position() != movie.Duration()) return;
  w.MovieTimer.SetTimerEnabled(false);
  if (p.movies.IntroPlaying) {
    w.UserIntroTimer.SetTimerEnabled(true);
    ShowPointer(p, pointer::kNormal);
  }
}

// Esc or the Skip button in the intro window: the intro stops and its
// window closes 2 s later.
void SkipIntro(Player& p) {
  IntroWindow& w = p.windows.intro;
  ShowPointer(p, pointer::kNormal);
  p.movies.IntroPlaying = false;
  p.media.movie->Stop();
  w.UserIntro.Stop();
  Yield(p);
  w.UserIntroTimer.SetTimerEnabled(true);
}

void IntroKeyDown(Player& p, ui::KeyArgs& args) {
  if (args.key != keys::kEscape) return;
  args.key = 0;
  SkipIntro(p);
}

// UserIntroTimer: the intro window closes and PlayIntroAVI returns.
void UserIntroTimerTick(Player& p) {
  IntroWindow& w = p.windows.intro;
  w.UserIntroTimer.SetTimerEnabled(false);
  w.MovieTimer.SetTimerEnabled(false);
  w.UserIntroMovie.Hide();
  w.UserIntroMovie.SetFileName("");
  w.UserIntroMovie.ShowPicturesOf(nullptr, false);
  p.media.movie->Close();
  w.UserIntro.Hide();
  w.window.Hide();
  Yield(p);
  p.movies.IntroPlaying = false;
  p.movies.IntroFinished = true;
}

// The intro's size by the movie display mode: the scene area (0), 400
// wide (1), or its own size (2 and any other).
MovieSize IntroSize(int16_t mode, MovieSize natural) {
  if (mode == 0) return MovieSize{MainWindow::kSceneWidth, MainWindow::kSceneHeight};
  if (mode == 1) return NarrowMovieSize(natural);
  return natural;
}

}  // namespace

void PlayOpenCredsGif(Player& p, const std::string& file) {
  StartForm& f = p.windows.start;
  try {
    const std::string path = p.AppPath() + "resource\\gfx\\" + file;
    if (!FileExists(p, path)) {
      ReportNotFound(p, "Could not play 'Opening Logo'...", path, MsgIcon::kNone);
      p.startup.LogoPlaying = false;
      return;
    }
    p.startup.LogoPlaying = true;
    f.window.Show();
    f.UserAnimLogo.LoadFile(RealPath(p, path));
    CentreInWindow(f.UserAnimLogo);
    f.UserAnimLogo.Show();
    if (f.UserAnimLogo.FrameCount() > 1) {
      f.UserAnimLogo.SetOnce(true);
      f.UserAnimLogo.SetCurrentFrame(0);
      f.UserAnimLogo.Start();
    } else {
      f.UserLogoTimer.SetTimerEnabled(true);
    }
  } catch (const RuntimeError& error) {
    f.UserAnimLogo.Hide();
    p.startup.LogoPlaying = false;
    ReportUnexpected(p, "PlayOpenCredsGif", error);
  }
}

void PlayOpenCredsAVI(Player& p, const std::string& file) {
  StartForm& f = p.windows.start;
  try {
    const std::string path = MediaFilePath(p, file);
    if (!FileExists(p, path)) {
      ReportNotFound(p, "Could not play 'Opening Logo' movie...", path, MsgIcon::kCritical);
      p.startup.LogoPlaying = false;
      return;
    }
    p.startup.LogoPlaying = true;
    f.UserAVILogo.Show();
    MoviePlayer& movie = *p.media.movie;
    movie.Open(RealPath(p, path).string());
    f.UserAVILogo.SetFileName(path);
    f.UserAVILogo.ShowPicturesOf(&movie, !p.runtime().IsVirtual());
    const int width = movie.NaturalWidth();
    const int height = movie.NaturalHeight();
    if (width > 25 && height > 25) {
      f.UserAVILogo.Resize(width, height);
    } else {
      f.UserAVILogo.Resize(150, 80);
    }
    CentreInWindow(f.UserAVILogo);
    movie.Play();
    f.MovieTimer.SetTimerEnabled(true);
  } catch (const RuntimeError& error) {
    p.media.movie->Close();
    EndLogoMovie(p);
    ReportUnexpected(p, "PlayOpenCredsAVI", error);
  }
}

void PlayIntroAVI(Player& p, const std::string& file, int16_t option) {
  IntroWindow& w = p.windows.intro;
  try {
    w.UserIntroMovie.Hide();
    const std::string path = MediaFilePath(p, file);
    if (!FileExists(p, path)) {
      ReportNotFound(p, "Could not play 'Movie Intro'...", path, MsgIcon::kCritical);
      return;
    }
    ShowPointer(p, pointer::kWait);
    const int level = std::min<int>(option, 100);
    p.movies.IntroFinished = false;
    p.movies.IntroPlaying = true;

    MoviePlayer& movie = *p.media.movie;
    movie.Open(RealPath(p, path).string());
    w.UserIntroMovie.SetFileName(path);
    w.UserIntroMovie.ShowPicturesOf(&movie, !p.runtime().IsVirtual());
    const MovieSize size = IntroSize(p.gen.MovieSize, MovieSize{movie.NaturalWidth(), movie.NaturalHeight()});
    w.UserIntroMovie.Resize(size.width, size.height);
    CentreInWindow(w.UserIntroMovie);

    w.window.Show();
    w.UserIntroMovie.Show();
    Yield(p);
    movie.Play();
    movie.SetLevel(level);
    w.MovieTimer.SetTimerEnabled(true);
    p.loop().WaitUntil([&p] { return p.movies.IntroFinished; });
    ShowPointer(p, pointer::kNormal);
  } catch (const RuntimeError& error) {
    // The intro window closes so that the menu or the new game goes on.
    UserIntroTimerTick(p);
    ShowPointer(p, pointer::kNormal);
    ReportUnexpected(p, "PlayIntroAVI", error);
  }
}

void WireMovieWindows(Player& p) {
  StartForm& f = p.windows.start;
  f.MovieTimer.on_tick = [&p] { LogoMovieTimerTick(p); };
  f.UserAnimLogo.on_played_through = [&p] { LogoPlayedThrough(p); };
  IntroWindow& w = p.windows.intro;
  w.MovieTimer.on_tick = [&p] { IntroMovieTimerTick(p); };
  w.UserIntroTimer.on_tick = [&p] { UserIntroTimerTick(p); };
  w.window.on_key_down = [&p](ui::KeyArgs& args) { IntroKeyDown(p, args); };
  w.Command1.on_click = [&p](const ui::MouseArgs&) { SkipIntro(p); };
}

}  // namespace qvl
