// The soundtrack (one WAV, MIDI or MP3 file at a time), the music switch,
// and the MIDI and MP3 players behind them.
#pragma once

#include <cstdint>
#include <string>

namespace qvl {

struct Player;

// Switches, re-volumes or stops the soundtrack; "(stop sndtrk)" stops it.
// `force` restarts it even when nothing changed.
void Soundtrack(Player& p, const std::string& name, int32_t volume, bool force);

// Turns the music on or off (F1), telling the player on the message strip.
void ToggleMusic(Player& p);

// Silences every player and channel but the buttons' when the game returns
// to the main menu.
void StopAllSounds(Player& p);

// Prepares the MIDI player once at start-up.
void InitMIDI(Player& p);

void PlayMIDI(Player& p, const std::string& name, int32_t volume);
void StopMIDI(Player& p);
void SetMIDIVolume(Player& p, int32_t volume);

void PlayMP3(Player& p, const std::string& name, int32_t volume, int32_t balance);
void StopMP3(Player& p);
void SetPlayBackVolume(Player& p, int32_t volume);
// Releases the MP3 player at exit; false when that failed.
bool TerminateEngine(Player& p);

// Mp3Form's timer (every 600 ms while an MP3 plays): an MP3 that has
// reached its end starts again.
void Mp3TimerTick(Player& p);

}  // namespace qvl
