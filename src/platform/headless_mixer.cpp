// The mixer of virtual-time play: no sound comes out, but each channel
// knows which WAV file it plays, since when, and for how long (read from
// the file's header), so a sound played once falls silent on time.
#include <array>
#include <cmath>

#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/sound_file_length.h"
#include "platform/traced_media.h"

namespace qvl {
namespace {

class HeadlessMixer : public Mixer {
 public:
  explicit HeadlessMixer(const Clock& clock) : clock_(clock) {}

  void AttachWindow(int32_t) override {}

  void PlayFile(const std::string& path, bool loop, int channel) override {
    Channel& ch = Checked(channel);
    const double seconds = media::ReadWavSeconds(path);
    ch = Channel{true, loop, clock_.NowMs(), seconds * 1000.0};
  }

  void SetChannelPan(int channel, int32_t) override { Checked(channel); }
  void SetChannelVolume(int channel, int32_t) override { Checked(channel); }

  void StopChannel(int channel) override {
    if (InRange(channel)) channels_[channel].active = false;
  }

  bool IsPlaying(int channel) const override {
    if (!InRange(channel)) return false;
    const Channel& ch = channels_[channel];
    return ch.active && (ch.loop || static_cast<double>(clock_.NowMs() - ch.start_ms) < ch.length_ms);
  }

  void Shutdown() override {
    for (Channel& ch : channels_) ch.active = false;
    shut_down_ = true;
  }

 private:
  struct Channel {
    bool active = false;
    bool loop = false;
    int64_t start_ms = 0;
    double length_ms = 0.0;
  };

  static bool InRange(int channel) { return channel >= kFirstChannel && channel <= kLastChannel; }

  Channel& Checked(int channel) {
    if (!InRange(channel) || shut_down_) throw media::InvalidCall();
    return channels_[channel];
  }

  const Clock& clock_;
  std::array<Channel, kLastChannel + 1> channels_{};  // 1-based, 0 unused
  bool shut_down_ = false;
};

}  // namespace

std::unique_ptr<Mixer> MakeHeadlessMixer(const Clock& clock, TraceSink trace) {
  return media::Traced(std::make_unique<HeadlessMixer>(clock), std::move(trace));
}

}  // namespace qvl
