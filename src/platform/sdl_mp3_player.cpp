// The real MP3 player. SDL2_mixer's one music stream belongs to the MIDI
// player, so the MP3 is decoded whole (by SDL2_mixer's own decoder) into
// 16-bit stereo at the device rate and fed to a reserved mixer channel.
// That gives exact volume and balance, a position counted in samples that
// reaches the length exactly at the end (the game's repeat check compares
// the two), and instant seeking. A soundtrack costs about 10 MB of memory
// per minute of music, well within the player's budget for the few
// minutes a game's music runs.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/media_probe.h"
#include "platform/sdl_audio.h"
#include "platform/sound_levels.h"
#include "platform/traced_media.h"

namespace qvl {
namespace {

using ChunkPtr = std::unique_ptr<Mix_Chunk, void (*)(Mix_Chunk*)>;

class SdlMp3Player : public MusicPlayer {
 public:
  SdlMp3Player() : feed_(audio_, media::kMp3SdlChannel, [this](int16_t* out, int frames) { Fill(out, frames); }) {}
  ~SdlMp3Player() override { feed_.Halt(); }

  const char* Kind() const override { return "mp3"; }

  void Open(const std::string& path) override {
    const media::MediaInfo info = probes_.Probe(path);
    if (!info.has_audio) throw media::InvalidFileFormat();
    Mix_Chunk* raw = audio_.mix().Mix_LoadWAV(path.c_str());
    if (raw == nullptr) throw media::InvalidFileFormat();
    ChunkPtr chunk(raw, audio_.mix().Mix_FreeChunk);
    feed_.Halt();
    // The old chunk is freed after the lock is let go: freeing takes the
    // audio device's lock, which the audio thread holds while it waits for
    // ours.
    std::lock_guard lock(mutex_);
    chunk_.swap(chunk);
    samples_ = reinterpret_cast<const int16_t*>(chunk_->abuf);
    frames_ = chunk_->alen / media::kBytesPerFrame;
    cursor_ = 0;
    playing_ = false;
  }

  void Play(bool loop) override {
    {
      std::lock_guard lock(mutex_);
      if (!chunk_) throw media::InvalidCall();
      if (cursor_ >= frames_) cursor_ = 0;  // played to the end: from the start again
      loop_ = loop;
      playing_ = true;
    }
    if (!feed_.Running()) feed_.Start();
  }

  void Stop() override {
    feed_.Halt();
    std::lock_guard lock(mutex_);
    playing_ = false;
    cursor_ = 0;
  }

  void SetVolume(int32_t volume) override {
    std::lock_guard lock(mutex_);
    volume_ = volume;
  }

  void SetBalance(int32_t balance) override {
    std::lock_guard lock(mutex_);
    balance_ = balance;
  }

  void SetPosition(double seconds) override {
    std::lock_guard lock(mutex_);
    const double frame = std::round(std::max(seconds, 0.0) * media::kOutputRate);
    cursor_ = std::min(static_cast<int64_t>(frame), frames_);
  }

  double Position() const override {
    std::lock_guard lock(mutex_);
    return static_cast<double>(cursor_) / media::kOutputRate;
  }

  double Length() const override {
    std::lock_guard lock(mutex_);
    return static_cast<double>(frames_) / media::kOutputRate;
  }

  bool IsLoaded() const override {
    std::lock_guard lock(mutex_);
    return chunk_ != nullptr;
  }

  bool IsPlaying() const override {
    std::lock_guard lock(mutex_);
    return playing_;
  }

  void Release() override {
    feed_.Halt();
    ChunkPtr old(nullptr, audio_.mix().Mix_FreeChunk);  // freed after the lock, as in Open
    std::lock_guard lock(mutex_);
    chunk_.swap(old);
    samples_ = nullptr;
    frames_ = 0;
    cursor_ = 0;
    playing_ = false;
  }

 private:
  media::ProbeMemo probes_;
  // On the audio thread: the next frames of the music at its levels,
  // silence once it has ended.
  void Fill(int16_t* out, int frames) {
    std::lock_guard lock(mutex_);
    int done = 0;
    while (playing_ && done < frames && frames_ > 0) {
      const int64_t take = std::min<int64_t>(frames - done, frames_ - cursor_);
      std::memcpy(out + 2 * done, samples_ + 2 * cursor_, static_cast<size_t>(take) * media::kBytesPerFrame);
      done += static_cast<int>(take);
      cursor_ += take;
      if (cursor_ >= frames_) {
        if (loop_) {
          cursor_ = 0;
        } else {
          playing_ = false;
        }
      }
    }
    std::memset(out + 2 * done, 0, static_cast<size_t>(frames - done) * media::kBytesPerFrame);
    const media::StereoGain gain = media::ChannelGain(volume_, balance_);
    media::ScaleStereo(out, done, static_cast<float>(gain.left), static_cast<float>(gain.right));
  }

  media::SdlAudio audio_;  // first: the device outlives the feed and the chunk
  mutable std::mutex mutex_;
  ChunkPtr chunk_{nullptr, audio_.mix().Mix_FreeChunk};
  const int16_t* samples_ = nullptr;
  int64_t frames_ = 0;
  int64_t cursor_ = 0;
  bool playing_ = false;
  bool loop_ = false;
  int32_t volume_ = 0;
  int32_t balance_ = 0;
  media::PcmFeed feed_;  // last: halted before the state it reads goes away
};

}  // namespace

std::unique_ptr<MusicPlayer> MakeSdlMp3Player(TraceSink trace) {
  return media::Traced(std::make_unique<SdlMp3Player>(), std::move(trace));
}

}  // namespace qvl
