// The movie player of virtual-time play: it reads the movie's real length
// and picture size through FFmpeg's probe and runs on the game's clock, so
// a movie ends on time; it shows a black picture and makes no sound.
#include <algorithm>

#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/media_probe.h"
#include "platform/traced_media.h"

namespace qvl {
namespace {

class HeadlessMoviePlayer : public MoviePlayer {
 public:
  explicit HeadlessMoviePlayer(const Clock& clock) : clock_(clock) {}

  void Open(const std::string& path) override {
    const media::MediaInfo info = probes_.Probe(path);
    Close();
    info_ = info;
    open_ = true;
  }

  void Close() override {
    open_ = false;
    playing_ = false;
    offset_ = 0.0;
    info_ = {};
  }

  bool IsOpen() const override { return open_; }
  int NaturalWidth() const override { return info_.width; }
  int NaturalHeight() const override { return info_.height; }
  double Duration() const override { return info_.seconds; }

  void Play() override {
    if (!open_) throw media::InvalidCall();
    if (playing_ && !Ended()) return;
    offset_ = 0.0;  // stopped or played to the end: from the start again
    start_ms_ = clock_.NowMs();
    playing_ = true;
  }

  void Stop() override {
    playing_ = false;
    offset_ = 0.0;
  }

  void SetLevel(int) override {}

  double Position() const override {
    if (!playing_) return offset_;
    return std::min(info_.seconds, offset_ + static_cast<double>(clock_.NowMs() - start_ms_) / 1000.0);
  }

  bool IsPlaying() const override { return playing_ && !Ended(); }
  bool Ended() const override { return playing_ && Position() >= info_.seconds; }

  Image CurrentFrame(int width, int height) override {
    return Image(std::max(width, 0), std::max(height, 0), 0xFF000000u);
  }

 private:
  const Clock& clock_;
  media::ProbeMemo probes_;
  media::MediaInfo info_;
  bool open_ = false;
  bool playing_ = false;
  double offset_ = 0.0;
  int64_t start_ms_ = 0;
};

}  // namespace

std::unique_ptr<MoviePlayer> MakeHeadlessMoviePlayer(const Clock& clock, TraceSink trace) {
  return media::Traced(std::make_unique<HeadlessMoviePlayer>(clock), std::move(trace));
}

}  // namespace qvl
