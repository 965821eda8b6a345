// The movie player behind the game's movie controls: opens an AVI or MPG
// file, tells its natural picture size and length, plays its sound and
// hands out the picture of the moment at the size the control shows.
#pragma once

#include <string>

#include "platform/image.h"

namespace qvl {

class MoviePlayer {
 public:
  virtual ~MoviePlayer() = default;

  // Opens a movie in place of the one open before, stopped at its start.
  // Errors (qvl::RuntimeError): 53 missing file, 75 unreadable,
  // 321 not a movie the player can decode.
  virtual void Open(const std::string& path) = 0;

  // Stops and closes the movie (the control's empty file name).
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Natural picture size (0 × 0 for a movie without pictures) and length
  // in seconds of the open movie.
  virtual int NaturalWidth() const = 0;
  virtual int NaturalHeight() const = 0;
  virtual double Duration() const = 0;

  // Plays from the start (or from where it is after a Stop). Error 5 when
  // no movie is open.
  virtual void Play() = 0;

  // Halts picture and sound at once and goes back to the start.
  virtual void Stop() = 0;

  // The movie's sound level, 0 (silent) … 100 (full); values outside are
  // held to that range.
  virtual void SetLevel(int level) = 0;

  // Seconds since the start; equal to Duration() once the end is reached.
  virtual double Position() const = 0;

  virtual bool IsPlaying() const = 0;
  // True once playback has reached the end (until the next Play or Open).
  virtual bool Ended() const = 0;

  // The picture showing now, scaled to width × height (0xFF000000 black
  // before the first picture or without a movie).
  virtual Image CurrentFrame(int width, int height) = 0;
};

}  // namespace qvl
