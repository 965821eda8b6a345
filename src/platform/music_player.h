// A music player for the soundtrack and the menu music: one MIDI or MP3
// file at a time, with volume, balance, position and length so the game
// can watch for the end and start it again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace qvl {

class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;

  // The kind of file the player takes: "midi" or "mp3".
  virtual const char* Kind() const = 0;

  // Loads a file in place of the one loaded before, stopped at its start.
  // Errors (qvl::RuntimeError): 53 missing file, 75 unreadable,
  // 321 not a file of this kind; the MIDI player also fails (53, naming
  // what to install) when no General MIDI sound font can be found.
  virtual void Open(const std::string& path) = 0;

  // Plays the loaded file from the current position (from the start when
  // it stands at its end); with `loop` it starts again at the end, without
  // it it stops there, its position then equal to its length. Error 5 when
  // nothing is loaded.
  virtual void Play(bool loop) = 0;

  // Halts the music and goes back to its start; the file stays loaded.
  virtual void Stop() = 0;

  // Volume in 1/100 dB of attenuation (0 full, -10000 silent); it holds
  // for every file played afterwards until changed.
  virtual void SetVolume(int32_t volume) = 0;

  // Balance -10000 (left only) … 0 … +10000 (right only), attenuating the
  // far side as the pan of a sound channel does. Only the MP3 player has
  // one; the MIDI player answers error 5.
  virtual void SetBalance(int32_t balance) = 0;

  // Moves to a place in seconds (kept within the length). The MIDI player
  // can only go back to the start (0); other places are error 5.
  virtual void SetPosition(double seconds) = 0;

  // Seconds from the start of the file; equal to Length() once a file
  // played without loop has reached its end.
  virtual double Position() const = 0;
  virtual double Length() const = 0;

  virtual bool IsLoaded() const = 0;
  virtual bool IsPlaying() const = 0;

  // Stops and unloads the file.
  virtual void Release() = 0;
};

// A music player that hands every request to another one. Players that
// change or report some of the requests derive from it and override only
// those.
class ForwardingMusicPlayer : public MusicPlayer {
 public:
  explicit ForwardingMusicPlayer(std::unique_ptr<MusicPlayer> inner) : inner_(std::move(inner)) {}

  const char* Kind() const override { return inner_->Kind(); }
  void Open(const std::string& path) override { inner_->Open(path); }
  void Play(bool loop) override { inner_->Play(loop); }
  void Stop() override { inner_->Stop(); }
  void SetVolume(int32_t volume) override { inner_->SetVolume(volume); }
  void SetBalance(int32_t balance) override { inner_->SetBalance(balance); }
  void SetPosition(double seconds) override { inner_->SetPosition(seconds); }
  double Position() const override { return inner_->Position(); }
  double Length() const override { return inner_->Length(); }
  bool IsLoaded() const override { return inner_->IsLoaded(); }
  bool IsPlaying() const override { return inner_->IsPlaying(); }
  void Release() override { inner_->Release(); }

 protected:
  MusicPlayer& inner() { return *inner_; }

 private:
  std::unique_ptr<MusicPlayer> inner_;
};

}  // namespace qvl
