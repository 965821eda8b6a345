// The game's twenty numbered sound channels: every short sound of the game
// (object sounds, scene enter/exit and looping sounds, dialogue, buttons,
// the WAV soundtrack) is played and stopped through these procedures.
#pragma once

#include <cstdint>
#include <string>

namespace qvl {

struct Player;

// Channel numbers with a fixed use.
namespace channels {
constexpr int16_t kPersistent = 14;
constexpr int16_t kDialogue = 15;
constexpr int16_t kEnterExit = 16;
constexpr int16_t kLooping = 17;
constexpr int16_t kButtons = 18;
constexpr int16_t kSoundtrack = 19;
constexpr int16_t kMapLocation = 20;
}  // namespace channels

// The label a channel carries in log lines (" (Dialogue)" …, " (???)").
std::string ChannelLabel(int channel);

// Plays a scene-object sound, unless a Responder watches for that sound:
// then the sound is not played and hidden objects are evaluated instead.
void PlayWav(Player& p, const std::string& file, bool loop, int16_t channel, int32_t pan, int32_t volume);

// Plays a sound of a fixed channel (14 … 20, and the inventory sounds on 12).
void PlayWAVQVL(Player& p, const std::string& file, bool loop, int16_t channel, int32_t pan, int32_t volume);

// Silences a channel; harmless when it plays nothing.
void StopWav(Player& p, int16_t channel);

// Changes the volume of the WAV soundtrack on channel 19 while music is on.
void SetSoundtrackWavVolume(Player& p, int32_t volume);

// Releases the mixer when the program ends.
void ShutdownSound(Player& p);

}  // namespace qvl
