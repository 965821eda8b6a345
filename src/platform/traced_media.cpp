#include "platform/traced_media.h"

#include <cstdio>

#include "platform/runtime_error.h"

namespace qvl::media {
namespace {

std::string Seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", s);
  return text;
}

// Reports `line`, running `request` first; a failure is added to the line
// and passed on to the caller.
template <typename Request>
void Report(const TraceSink& trace, const std::string& line, Request&& request) {
  try {
    request();
  } catch (const RuntimeError& e) {
    trace(line + " error " + std::to_string(e.number()) + " " + e.description());
    throw;
  }
  trace(line);
}

class TracedMixer : public Mixer {
 public:
  TracedMixer(std::unique_ptr<Mixer> inner, TraceSink trace) : inner_(std::move(inner)), trace_(std::move(trace)) {}

  void AttachWindow(int32_t window) override {
    Report(trace_, "SOUND attach window=" + std::to_string(window), [&] { inner_->AttachWindow(window); });
  }
  void PlayFile(const std::string& path, bool loop, int channel) override {
    const std::string line = "SOUND play ch=" + std::to_string(channel) + " file=" + std::string(TraceFileName(path)) +
                             " loop=" + (loop ? "1" : "0");
    Report(trace_, line, [&] { inner_->PlayFile(path, loop, channel); });
  }
  void SetChannelPan(int channel, int32_t pan) override {
    Report(trace_, "SOUND pan ch=" + std::to_string(channel) + " " + std::to_string(pan),
           [&] { inner_->SetChannelPan(channel, pan); });
  }
  void SetChannelVolume(int channel, int32_t volume) override {
    Report(trace_, "SOUND volume ch=" + std::to_string(channel) + " " + std::to_string(volume),
           [&] { inner_->SetChannelVolume(channel, volume); });
  }
  void StopChannel(int channel) override {
    Report(trace_, "SOUND stop ch=" + std::to_string(channel), [&] { inner_->StopChannel(channel); });
  }
  bool IsPlaying(int channel) const override { return inner_->IsPlaying(channel); }
  void Shutdown() override {
    Report(trace_, "SOUND shutdown", [&] { inner_->Shutdown(); });
  }

 private:
  std::unique_ptr<Mixer> inner_;
  TraceSink trace_;
};

class TracedMusicPlayer : public ForwardingMusicPlayer {
 public:
  TracedMusicPlayer(std::unique_ptr<MusicPlayer> inner, TraceSink trace)
      : ForwardingMusicPlayer(std::move(inner)), trace_(std::move(trace)), prefix_(std::string("MUSIC ") + Kind() + " ") {}

  void Open(const std::string& path) override {
    const std::string line = prefix_ + "open " + std::string(TraceFileName(path));
    try {
      inner().Open(path);
    } catch (const RuntimeError& e) {
      trace_(line + " error " + std::to_string(e.number()) + " " + e.description());
      throw;
    }
    trace_(line + " " + Seconds(Length()) + "s");
  }
  void Play(bool loop) override {
    Report(trace_, prefix_ + "play loop=" + (loop ? "1" : "0"), [&] { inner().Play(loop); });
  }
  void Stop() override {
    Report(trace_, prefix_ + "stop", [&] { inner().Stop(); });
  }
  void SetVolume(int32_t volume) override {
    Report(trace_, prefix_ + "volume " + std::to_string(volume), [&] { inner().SetVolume(volume); });
  }
  void SetBalance(int32_t balance) override {
    Report(trace_, prefix_ + "balance " + std::to_string(balance), [&] { inner().SetBalance(balance); });
  }
  void SetPosition(double seconds) override {
    Report(trace_, prefix_ + "seek " + Seconds(seconds), [&] { inner().SetPosition(seconds); });
  }
  void Release() override {
    Report(trace_, prefix_ + "release", [&] { inner().Release(); });
  }

 private:
  TraceSink trace_;
  std::string prefix_;
};

class TracedMoviePlayer : public ForwardingMoviePlayer {
 public:
  TracedMoviePlayer(std::unique_ptr<MoviePlayer> inner, TraceSink trace)
      : ForwardingMoviePlayer(std::move(inner)), trace_(std::move(trace)) {}

  void Open(const std::string& path) override {
    const std::string line = "MOVIE open " + std::string(TraceFileName(path));
    try {
      inner().Open(path);
    } catch (const RuntimeError& e) {
      trace_(line + " error " + std::to_string(e.number()) + " " + e.description());
      throw;
    }
    trace_(line + " " + std::to_string(NaturalWidth()) + "x" + std::to_string(NaturalHeight()) + " " +
           Seconds(Duration()) + "s");
  }
  void Close() override {
    Report(trace_, "MOVIE close", [&] { inner().Close(); });
  }
  void Play() override {
    Report(trace_, "MOVIE play", [&] { inner().Play(); });
  }
  void Stop() override {
    Report(trace_, "MOVIE stop", [&] { inner().Stop(); });
  }
  void SetLevel(int level) override {
    Report(trace_, "MOVIE level " + std::to_string(level), [&] { inner().SetLevel(level); });
  }

 private:
  TraceSink trace_;
};

}  // namespace

std::unique_ptr<Mixer> Traced(std::unique_ptr<Mixer> mixer, TraceSink trace) {
  if (!trace) return mixer;
  return std::make_unique<TracedMixer>(std::move(mixer), std::move(trace));
}

std::unique_ptr<MusicPlayer> Traced(std::unique_ptr<MusicPlayer> player, TraceSink trace) {
  if (!trace) return player;
  return std::make_unique<TracedMusicPlayer>(std::move(player), std::move(trace));
}

std::unique_ptr<MoviePlayer> Traced(std::unique_ptr<MoviePlayer> player, TraceSink trace) {
  if (!trace) return player;
  return std::make_unique<TracedMoviePlayer>(std::move(player), std::move(trace));
}

}  // namespace qvl::media
