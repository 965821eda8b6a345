#include "platform/sdl_audio.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/runtime_error.h"

namespace qvl::media {
namespace {

constexpr int kSilenceBytes = 4096;
constexpr int kDeviceBufferFrames = 2048;

void GainEffect(int, void* stream, int length, void* gain) {
  const auto* live = static_cast<const LiveGain*>(gain);
  ScaleStereo(static_cast<int16_t*>(stream), length / kBytesPerFrame, live->left.load(), live->right.load());
}

}  // namespace

SdlAudio::SdlAudio() : mix_(LoadMixer()) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    throw RuntimeError(err::kInvalidCall, std::string("Cannot open the sound device: ") + SDL_GetError());
  }
  mix_->Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
  // The exact format is asked for, so every backend can write 16-bit stereo
  // at 44100 Hz without looking. A buffer of 2048 frames (46 ms) wakes the
  // sound thread 21 times a second, also while the game is silent.
  if (mix_->Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, 2, kDeviceBufferFrames, nullptr, 0) != 0) {
    const std::string message = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    throw RuntimeError(err::kInvalidCall, "Cannot open the sound device: " + message);
  }
  if (mix_->Mix_AllocateChannels(-1) < kSdlChannelCount) mix_->Mix_AllocateChannels(kSdlChannelCount);
  mix_->Mix_ReserveChannels(kSdlChannelCount);
}

SdlAudio::~SdlAudio() {
  mix_->Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void ApplyLiveGain(const SdlAudio& audio, int sdl_channel, LiveGain* gain) {
  audio.mix().Mix_RegisterEffect(sdl_channel, GainEffect, nullptr, gain);
}

void ScaleStereo(int16_t* frames, int frame_count, float left, float right) {
  if (left == 1.0f && right == 1.0f) return;
  for (int i = 0; i < frame_count; ++i) {
    for (int side = 0; side < 2; ++side) {
      int16_t& sample = frames[2 * i + side];
      const float scaled = std::round(sample * (side == 0 ? left : right));
      sample = static_cast<int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
    }
  }
}

PcmFeed::PcmFeed(const SdlAudio& audio, int sdl_channel, Fill fill)
    : mix_(audio.mixer()),
      channel_(sdl_channel),
      fill_(std::move(fill)),
      silence_(std::make_unique<uint8_t[]>(kSilenceBytes)),
      chunk_(mix_->Mix_QuickLoad_RAW(silence_.get(), kSilenceBytes), mix_->Mix_FreeChunk) {
  if (!chunk_) throw RuntimeError(err::kInvalidCall, std::string("Cannot prepare a sound channel: ") + Mix_GetError());
}

PcmFeed::~PcmFeed() { Halt(); }

void PcmFeed::Start() {
  Halt();
  mix_->Mix_Volume(channel_, MIX_MAX_VOLUME);
  if (mix_->Mix_PlayChannel(channel_, chunk_.get(), -1) < 0) {
    throw RuntimeError(err::kInvalidCall, std::string("Cannot play on the sound device: ") + Mix_GetError());
  }
  mix_->Mix_RegisterEffect(channel_, Effect, nullptr, this);
  running_ = true;
}

void PcmFeed::Halt() {
  // Halting takes the device's lock, so a running callback finishes first;
  // the effect is dropped with the sound.
  if (running_) mix_->Mix_HaltChannel(channel_);
  running_ = false;
}

void PcmFeed::Effect(int, void* stream, int length, void* self) {
  static_cast<PcmFeed*>(self)->fill_(static_cast<int16_t*>(stream), length / kBytesPerFrame);
}

}  // namespace qvl::media
