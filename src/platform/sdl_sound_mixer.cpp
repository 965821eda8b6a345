// The real mixer: the game's twenty channels on SDL2_mixer channels, each
// sound under an effect that applies its volume and pan exactly as the
// game's old mixer did. Decoded WAV files are kept in a small cache so the
// button clicks and footsteps a game repeats are not read again each time.
#include <array>
#include <filesystem>
#include <list>
#include <map>

#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/sdl_audio.h"
#include "platform/sound_file_length.h"
#include "platform/sound_levels.h"
#include "platform/traced_media.h"

namespace qvl {
namespace {

using ChunkRef = std::shared_ptr<Mix_Chunk>;

// Decoded sounds by path, the least recently used dropped beyond a byte
// budget. A sound still on a channel stays alive through that channel.
class ChunkCache {
 public:
  static constexpr size_t kBudgetBytes = 8u << 20;

  ChunkRef Load(const media::SdlAudio& audio, const std::string& path) {
    std::error_code ec;
    const auto stamp = std::filesystem::last_write_time(path, ec);
    auto found = entries_.find(path);
    if (found != entries_.end() && found->second.stamp == stamp) {
      Touch(found);
      return found->second.chunk;
    }
    Mix_Chunk* raw = audio.mix().Mix_LoadWAV(path.c_str());
    if (raw == nullptr) throw media::InvalidFileFormat();
    ChunkRef chunk(raw, audio.mix().Mix_FreeChunk);
    if (found != entries_.end()) Drop(found);
    order_.push_front(path);
    entries_[path] = Entry{chunk, stamp, order_.begin()};
    bytes_ += chunk->alen;
    while (bytes_ > kBudgetBytes && order_.size() > 1) Drop(entries_.find(order_.back()));
    return chunk;
  }

  void Clear() {
    entries_.clear();
    order_.clear();
    bytes_ = 0;
  }

 private:
  struct Entry {
    ChunkRef chunk;
    std::filesystem::file_time_type stamp;
    std::list<std::string>::iterator place;
  };
  using Iter = std::map<std::string, Entry>::iterator;

  void Touch(Iter it) { order_.splice(order_.begin(), order_, it->second.place); }
  void Drop(Iter it) {
    bytes_ -= it->second.chunk->alen;
    order_.erase(it->second.place);
    entries_.erase(it);
  }

  std::map<std::string, Entry> entries_;
  std::list<std::string> order_;  // most recently used first
  size_t bytes_ = 0;
};

class SdlSoundMixer : public Mixer {
 public:
  ~SdlSoundMixer() override { HaltAll(); }

  void AttachWindow(int32_t) override {}

  void PlayFile(const std::string& path, bool loop, int channel) override {
    Channel& ch = Checked(channel);
    // The header is read first so a bad file fails with the same error as
    // in headless play.
    media::ReadWavSeconds(path);
    ChunkRef chunk = cache_.Load(audio_, path);
    const int sdl = media::SdlChannel(channel);
    // The new sound starts muted until its effect is in place, so not one
    // block goes out at the old channel's levels.
    audio_.mix().Mix_HaltChannel(sdl);
    audio_.mix().Mix_Volume(sdl, 0);
    if (audio_.mix().Mix_PlayChannel(sdl, chunk.get(), loop ? -1 : 0) < 0) {
      throw RuntimeError(err::kInvalidCall, std::string("Cannot play the sound: ") + Mix_GetError());
    }
    ch.chunk = std::move(chunk);
    ch.pan = 0;
    ch.volume = 0;
    ch.gain.Set(1.0, 1.0);
    media::ApplyLiveGain(audio_, sdl, &ch.gain);
    audio_.mix().Mix_Volume(sdl, MIX_MAX_VOLUME);
  }

  void SetChannelPan(int channel, int32_t pan) override {
    Channel& ch = Checked(channel);
    ch.pan = pan;
    Apply(ch);
  }

  void SetChannelVolume(int channel, int32_t volume) override {
    Channel& ch = Checked(channel);
    ch.volume = volume;
    Apply(ch);
  }

  void StopChannel(int channel) override {
    if (channel < kFirstChannel || channel > kLastChannel || shut_down_) return;
    audio_.mix().Mix_HaltChannel(media::SdlChannel(channel));
  }

  bool IsPlaying(int channel) const override {
    if (channel < kFirstChannel || channel > kLastChannel || shut_down_) return false;
    return audio_.mix().Mix_Playing(media::SdlChannel(channel)) != 0;
  }

  void Shutdown() override {
    HaltAll();
    for (Channel& ch : channels_) ch.chunk.reset();
    cache_.Clear();
    shut_down_ = true;
  }

 private:
  struct Channel {
    ChunkRef chunk;  // the sound on the channel, kept alive while it may play
    int32_t pan = 0;
    int32_t volume = 0;
    media::LiveGain gain;
  };

  Channel& Checked(int channel) {
    if (channel < kFirstChannel || channel > kLastChannel || shut_down_) throw media::InvalidCall();
    return channels_[channel];
  }

  static void Apply(Channel& ch) {
    const media::StereoGain g = media::ChannelGain(ch.volume, ch.pan);
    ch.gain.Set(g.left, g.right);
  }

  void HaltAll() {
    for (int c = kFirstChannel; c <= kLastChannel; ++c) audio_.mix().Mix_HaltChannel(media::SdlChannel(c));
  }

  media::SdlAudio audio_;  // first: opened before and closed after everything below
  std::array<Channel, kLastChannel + 1> channels_{};
  ChunkCache cache_;
  bool shut_down_ = false;
};

}  // namespace

std::unique_ptr<Mixer> MakeSdlMixer(TraceSink trace) {
  return media::Traced(std::make_unique<SdlSoundMixer>(), std::move(trace));
}

}  // namespace qvl
