// The sound mixer: twenty numbered channels, each playing one WAV file at a
// time with its own pan and volume. The game's sound procedures play and
// stop every short sound through it.
#pragma once

#include <cstdint>
#include <string>

namespace qvl {

class Mixer {
 public:
  static constexpr int kFirstChannel = 1;
  static constexpr int kLastChannel = 20;

  virtual ~Mixer() = default;

  // Registers one of the player's windows; the game does it once per window
  // at start-up, before any sound.
  virtual void AttachWindow(int32_t window) = 0;

  // Starts a WAV file on a channel, replacing whatever the channel played,
  // at full volume and centred. With `loop` it repeats until stopped.
  // Errors (qvl::RuntimeError): 53 missing file, 75 unreadable,
  // 321 not a WAV file, 5 channel outside 1 … 20 or mixer closed.
  virtual void PlayFile(const std::string& path, bool loop, int channel) = 0;

  // Pan (-10000 left … +10000 right) and volume (1/100 dB of attenuation,
  // 0 full, -10000 silent) of the sound now on the channel.
  virtual void SetChannelPan(int channel, int32_t pan) = 0;
  virtual void SetChannelVolume(int channel, int32_t volume) = 0;

  // Silences a channel; harmless when it is idle or out of range.
  virtual void StopChannel(int channel) = 0;

  // True while the channel sounds: a looped file until stopped, a single
  // one until its length has passed.
  virtual bool IsPlaying(int channel) const = 0;

  // Stops every channel and releases the mixer's sounds; nothing plays
  // after it.
  virtual void Shutdown() = 0;
};

}  // namespace qvl
