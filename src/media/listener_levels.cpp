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

class LeveledMusic : public MusicPlayer {
 public:
  LeveledMusic(std::unique_ptr<MusicPlayer> inner, int32_t attenuation)
      : inner_(std::move(inner)), attenuation_(attenuation) {
    inner_->SetVolume(Lowered(0, attenuation_));
  }

  const char* Kind() const override { return inner_->Kind(); }
  void Open(const std::string& path) override { inner_->Open(path); }
  void Play(bool loop) override { inner_->Play(loop); }
  void Stop() override { inner_->Stop(); }
  void SetVolume(int32_t volume) override { inner_->SetVolume(Lowered(volume, attenuation_)); }
  void SetBalance(int32_t balance) override { inner_->SetBalance(balance); }
  void SetPosition(double seconds) override { inner_->SetPosition(seconds); }
  double Position() const override { return inner_->Position(); }
  double Length() const override { return inner_->Length(); }
  bool IsLoaded() const override { return inner_->IsLoaded(); }
  bool IsPlaying() const override { return inner_->IsPlaying(); }
  void Release() override { inner_->Release(); }

 private:
  std::unique_ptr<MusicPlayer> inner_;
  int32_t attenuation_;
};

class LeveledMovie : public MoviePlayer {
 public:
  LeveledMovie(std::unique_ptr<MoviePlayer> inner, int percent) : inner_(std::move(inner)), percent_(percent) {}

  void Open(const std::string& path) override {
    inner_->Open(path);
    SetLevel(100);
  }
  void Close() override { inner_->Close(); }
  bool IsOpen() const override { return inner_->IsOpen(); }
  int NaturalWidth() const override { return inner_->NaturalWidth(); }
  int NaturalHeight() const override { return inner_->NaturalHeight(); }
  double Duration() const override { return inner_->Duration(); }
  void Play() override { inner_->Play(); }
  void Stop() override { inner_->Stop(); }
  void SetLevel(int level) override { inner_->SetLevel(std::clamp(level, 0, 100) * percent_ / 100); }
  double Position() const override { return inner_->Position(); }
  bool IsPlaying() const override { return inner_->IsPlaying(); }
  bool Ended() const override { return inner_->Ended(); }
  Image CurrentFrame(int width, int height) override { return inner_->CurrentFrame(width, height); }

 private:
  std::unique_ptr<MoviePlayer> inner_;
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
