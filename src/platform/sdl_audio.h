// The one SDL audio device the real sound, music and movie backends share,
// and the SDL mixer channels they use. Platform sources only.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/mixer_library.h"

namespace qvl::media {

// Output format of the device: 44100 frames a second, 16-bit stereo.
constexpr int kOutputRate = 44100;
constexpr int kBytesPerFrame = 4;

// SDL mixer channels: the game's channels 1 … 20 are SDL channels 0 … 19;
// the MP3 music and the movie sound each have a reserved channel of
// their own, so they mix with the sound channels under their own levels.
constexpr int SdlChannel(int game_channel) { return game_channel - 1; }
constexpr int kMp3SdlChannel = 20;
constexpr int kMovieSdlChannel = 21;
constexpr int kSdlChannelCount = 22;

// Holds the SDL audio device open while it lives. SDL and SDL2_mixer count
// the openings, so every backend holds its own and the device closes with
// the last one. Error 5 with SDL's message when the device cannot open.
class SdlAudio {
 public:
  SdlAudio();
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // SDL2_mixer's functions, for the sounds played on this device.
  const MixerLibrary& mix() const { return *mix_; }
  const MixerRef& mixer() const { return mix_; }

 private:
  MixerRef mix_;
};

// Left and right gains of a channel, read by the audio thread while the
// game thread changes them.
struct LiveGain {
  std::atomic<float> left{1.0f};
  std::atomic<float> right{1.0f};
  void Set(double l, double r) {
    left.store(static_cast<float>(l));
    right.store(static_cast<float>(r));
  }
};

// Applies `gain` to whatever SDL channel `sdl_channel` plays, until the
// sound there ends or is replaced (SDL_mixer then drops the effect).
// `gain` must outlive the sound.
void ApplyLiveGain(const SdlAudio& audio, int sdl_channel, LiveGain* gain);

// Multiplies interleaved 16-bit stereo frames by the two gains, clipping.
void ScaleStereo(int16_t* frames, int frame_count, float left, float right);

// A reserved SDL channel whose sound is written by a callback on the audio
// thread: it plays an endless silent sound and replaces each block with
// what `fill` writes (interleaved 16-bit stereo frames at kOutputRate).
// The callback must be thread-safe against the owner's thread. Halt (and
// the destructor) return only once the callback can no longer run.
class PcmFeed {
 public:
  using Fill = std::function<void(int16_t* frames, int frame_count)>;
  PcmFeed(const SdlAudio& audio, int sdl_channel, Fill fill);
  ~PcmFeed();
  PcmFeed(const PcmFeed&) = delete;
  PcmFeed& operator=(const PcmFeed&) = delete;

  void Start();
  void Halt();
  bool Running() const { return running_; }

 private:
  static void Effect(int channel, void* stream, int length, void* self);

  MixerRef mix_;
  int channel_;
  Fill fill_;
  std::unique_ptr<uint8_t[]> silence_;
  std::unique_ptr<Mix_Chunk, void (*)(Mix_Chunk*)> chunk_;
  bool running_ = false;
};

}  // namespace qvl::media
