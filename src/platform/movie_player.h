// The movie player behind the game's movie controls: opens an AVI or MPG
// file, tells its natural picture size and length, plays its sound and
// hands out the picture of the moment at the size the control shows.
#pragma once

#include <memory>
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

// A movie player that hands every request to another one. Players that
// change or report some of the requests derive from it and override only
// those.
class ForwardingMoviePlayer : public MoviePlayer {
 public:
  explicit ForwardingMoviePlayer(std::unique_ptr<MoviePlayer> inner) : inner_(std::move(inner)) {}

  void Open(const std::string& path) override { inner_->Open(path); }
  void Close() override { inner_->Close(); }
  bool IsOpen() const override { return inner_->IsOpen(); }
  int NaturalWidth() const override { return inner_->NaturalWidth(); }
  int NaturalHeight() const override { return inner_->NaturalHeight(); }
  double Duration() const override { return inner_->Duration(); }
  void Play() override { inner_->Play(); }
  void Stop() override { inner_->Stop(); }
  void SetLevel(int level) override { inner_->SetLevel(level); }
  double Position() const override { return inner_->Position(); }
  bool IsPlaying() const override { return inner_->IsPlaying(); }
  bool Ended() const override { return inner_->Ended(); }
  Image CurrentFrame(int width, int height) override { return inner_->CurrentFrame(width, height); }

 protected:
  MoviePlayer& inner() { return *inner_; }

 private:
  std::unique_ptr<MoviePlayer> inner_;
};

}  // namespace qvl
