#include "media/listener_levels.h"

#include <algorithm>
#include <cmath>

namespace qvl {

namespace {

constexpr int32_t kSilent = -10000;

// A volume of the game (1/100 dB of attenuation) turned down further.
int32_t Lowered(int32_t volume, int32_t attenuation) {
  return std::clamp<int32_t>(volume + attenuation, kSilent, 0);
}

// The game's soundtrack channel carries music; the others carry sounds.
constexpr int kSoundtrackChannel = 19;

class LeveledMixer : public Mixer {
 public:
  LeveledMixer(std::unique_ptr<Mixer> inner, int32_t sound, int32_t music)
      : inner_(std::move(inner)), sound_(sound), music_(music) {}

  void AttachWindow(int32_t window) override { inner_->AttachWindow(window); }
  void PlayFile(const std::string& path, bool loop, int channel) override {
    inner_->PlayFile(path, loop, channel);
    // A new sound starts at full volume: the game's full volume, lowered.
    inner_->SetChannelVolume(channel, Lowered(0, Attenuation(channel)));
  }
  void SetChannelPan(int channel, int32_t pan) override { inner_->SetChannelPan(channel, pan); }
  void SetChannelVolume(int channel, int32_t volume) override {
    inner_->SetChannelVolume(channel, Lowered(volume, Attenuation(channel)));
  }
  void StopChannel(int channel) override { inner_->StopChannel(channel); }
  bool IsPlaying(int channel) const override { return inner_->IsPlaying(channel); }
  void Shutdown() override { inner_->Shutdown(); }

 private:
  int32_t Attenuation(int channel) const { return channel == kSoundtrackChannel ? music_ : sound_; }

  std::unique_ptr<Mixer> inner_;
  int32_t sound_;
  int32_t music_;
};

class LeveledMusic : public ForwardingMusicPlayer {
 public:
  LeveledMusic(std::unique_ptr<MusicPlayer> player, int32_t attenuation)
      : ForwardingMusicPlayer(std::move(player)), attenuation_(attenuation) {
    inner().SetVolume(Lowered(0, attenuation_));
  }

  void SetVolume(int32_t volume) override { inner().SetVolume(Lowered(volume, attenuation_)); }

 private:
  int32_t attenuation_;
};

class LeveledMovie : public ForwardingMoviePlayer {
 public:
  LeveledMovie(std::unique_ptr<MoviePlayer> inner, int percent)
      : ForwardingMoviePlayer(std::move(inner)), percent_(percent) {}

  void Open(const std::string& path) override {
    inner().Open(path);
    SetLevel(100);
  }
  void SetLevel(int level) override { inner().SetLevel(std::clamp(level, 0, 100) * percent_ / 100); }

 private:
  int percent_;
};

}  // namespace

int32_t AttenuationOf(int percent) {
  if (percent <= 0) return kSilent;
  if (percent >= 100) return 0;
  // Loudness follows the amplitude: 20 log10 of the share, in 1/100 dB.
  return std::max(kSilent, static_cast<int32_t>(std::lround(2000.0 * std::log10(percent / 100.0))));
}

MediaSet WithListenerLevels(MediaSet media, const ListenerLevels& levels) {
  const int music = levels.mute ? 0 : std::clamp(levels.music, 0, 100);
  const int sound = levels.mute ? 0 : std::clamp(levels.sound, 0, 100);
  if (music < 100) {
    media.midi = std::make_unique<LeveledMusic>(std::move(media.midi), AttenuationOf(music));
    media.mp3 = std::make_unique<LeveledMusic>(std::move(media.mp3), AttenuationOf(music));
  }
  if (sound < 100 || music < 100) {
    media.mixer = std::make_unique<LeveledMixer>(std::move(media.mixer), AttenuationOf(sound), AttenuationOf(music));
  }
  if (sound < 100) {
    media.movie = std::make_unique<LeveledMovie>(std::move(media.movie), sound);
  }
  return media;
}

}  // namespace qvl
