// The music players of virtual-time play: silent, but they know the real
// length of the loaded MIDI or MP3 file and how far it has played on the
// game's clock, so the soundtrack's end and repeat happen on time.
#include <algorithm>
#include <cmath>

#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/media_probe.h"
#include "platform/sound_file_length.h"
#include "platform/traced_media.h"

namespace qvl {
namespace {

class HeadlessMusicPlayer : public MusicPlayer {
 public:
  HeadlessMusicPlayer(const Clock& clock, bool midi) : clock_(clock), midi_(midi) {}

  const char* Kind() const override { return midi_ ? "midi" : "mp3"; }

  void Open(const std::string& path) override {
    double seconds = 0.0;
    if (midi_) {
      seconds = media::ReadMidiSeconds(path);
    } else {
      seconds = probes_.AudioSeconds(path);
    }
    Release();
    loaded_ = true;
    length_ = seconds;
  }

  void Play(bool loop) override {
    if (!loaded_) throw media::InvalidCall();
    offset_ = Position();
    if (offset_ >= length_) offset_ = 0.0;  // played to the end: from the start again
    start_ms_ = clock_.NowMs();
    loop_ = loop;
    playing_ = true;
  }

  void Stop() override {
    playing_ = false;
    offset_ = 0.0;
  }

  void SetVolume(int32_t) override {}

  void SetBalance(int32_t) override {
    if (midi_) throw media::InvalidCall();
  }

  void SetPosition(double seconds) override {
    if (midi_ && seconds != 0.0) throw media::InvalidCall();
    offset_ = std::clamp(seconds, 0.0, length_);
    start_ms_ = clock_.NowMs();
  }

  double Position() const override {
    if (!playing_) return offset_;
    const double played = offset_ + static_cast<double>(clock_.NowMs() - start_ms_) / 1000.0;
    if (loop_ && length_ > 0.0) return std::fmod(played, length_);
    return std::min(played, length_);
  }

  double Length() const override { return length_; }
  bool IsLoaded() const override { return loaded_; }

  bool IsPlaying() const override {
    if (!playing_) return false;
    return loop_ || offset_ + static_cast<double>(clock_.NowMs() - start_ms_) / 1000.0 < length_;
  }

  void Release() override {
    loaded_ = false;
    playing_ = false;
    length_ = 0.0;
    offset_ = 0.0;
  }

 private:
  const Clock& clock_;
  media::ProbeMemo probes_;
  bool midi_;
  bool loaded_ = false;
  bool playing_ = false;
  bool loop_ = false;
  double length_ = 0.0;
  double offset_ = 0.0;  // position when playing started, or where it stands while stopped
  int64_t start_ms_ = 0;
};

}  // namespace

std::unique_ptr<MusicPlayer> MakeHeadlessMidiPlayer(const Clock& clock, TraceSink trace) {
  return media::Traced(std::make_unique<HeadlessMusicPlayer>(clock, true), std::move(trace));
}

std::unique_ptr<MusicPlayer> MakeHeadlessMp3Player(const Clock& clock, TraceSink trace) {
  return media::Traced(std::make_unique<HeadlessMusicPlayer>(clock, false), std::move(trace));
}

}  // namespace qvl
