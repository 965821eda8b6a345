// Where the game's movies stand: the scene movie over the game window and
// the intro movie in its own window, with the marks callers wait on.
#pragma once

namespace qvl {

struct MovieState {
  // From the start of a scene movie until its end or cancel is handled.
  bool MoviePlaying = false;
  // False while a scene movie runs; callers that wait for it loop on it.
  bool MovieFinished = true;
  // The scene stays covered by Block after the movie.
  bool KeepBlockAfterMovie = false;
  // The caller of the scene movie waits for it (scene loading reads it).
  bool MovieWait = false;
  // The intro movie runs; IntroFinished turns true when its window closed.
  bool IntroPlaying = false;
  bool IntroFinished = true;
};

}  // namespace qvl
