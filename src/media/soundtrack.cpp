// The soundtrack switch, the music switch (F1) and the silence of the
// return to the main menu. The MIDI and MP3 players are in music_players.cpp.
#include "media/soundtrack.h"

#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/game_window.h"
#include "media/media_kind.h"
#include "media/sound_channels.h"
#include "platform/text_numbers.h"

namespace qvl {

namespace {

// Stops the player that plays a soundtrack of this kind.
void StopPlayerOf(Player& p, const std::string& name) {
  const std::string kind = MediaKind(name);
  if (kind == "mp3") {
    StopMP3(p);
  } else if (kind == "wav") {
    StopWav(p, channels::kSoundtrack);
  } else if (kind == "mid") {
    StopMIDI(p);
  }
}

// Gives the soundtrack now playing a new volume.
void ChangeSoundtrackVolume(Player& p, const std::string& name, int32_t volume) {
  p.music.CurrentSoundtrackVol = volume;
  const std::string kind = MediaKind(name);
  if (kind == "mp3") {
    SetPlayBackVolume(p, volume);
  } else if (kind == "wav") {
    SetSoundtrackWavVolume(p, volume);
  } else if (kind == "mid") {
    SetMIDIVolume(p, volume);
  }
  LogLine(p, "Soundtrack volume changed to '" + Num(volume) + "'.");
}

// Starts a soundtrack of a known kind and records it; another kind plays
// nothing and the record stays as it was.
void StartSoundtrack(Player& p, const std::string& name, int32_t volume) {
  const std::string kind = MediaKind(name);
  if (kind == "mp3" || kind == "wav" || kind == "mid") {
    p.music.CurrentSoundtrack = name;
    p.music.CurrentSoundtrackVol = volume;
  }
  if (kind == "mp3") {
    PlayMP3(p, name, volume, 0);
  } else if (kind == "wav") {
    PlayWAVQVL(p, name, true, channels::kSoundtrack, 0, volume);
  } else if (kind == "mid") {
    PlayMIDI(p, name, volume);
  }
}

}  // namespace

void Soundtrack(Player& p, const std::string& name, int32_t volume, bool force) {
  const bool same = LCase(name) == LCase(p.music.CurrentSoundtrack);
  if (same && volume == p.music.CurrentSoundtrackVol && !force) return;
  if (same && volume != p.music.CurrentSoundtrackVol) {
    ChangeSoundtrackVolume(p, name, volume);
    return;
  }
  StopMP3(p);
  StopMIDI(p);
  StopWav(p, channels::kSoundtrack);
  if (LCase(name) == "(stop sndtrk)") {
    p.music.CurrentSoundtrack.clear();
    LogLine(p, "Soundtrack stopped.");
    return;
  }
  StartSoundtrack(p, name, volume);
  LogLine(p, "Soundtrack changed to '" + name + "'.");
}

void ToggleMusic(Player& p) {
  if (!p.music.MusicOn) {
    p.music.MusicOn = true;
    LogLine(p, "Music toggled on");
    if (!p.music.CurrentSoundtrack.empty()) {
      // A copy: the restart reads and rewrites the record it is given.
      const std::string name = p.music.CurrentSoundtrack;
      Soundtrack(p, name, p.music.CurrentSoundtrackVol, true);
    }
    ShowMessageStrip(p, "MUSIC ON");
  } else {
    p.music.MusicOn = false;
    LogLine(p, "Music toggled off");
    if (!p.music.CurrentSoundtrack.empty()) StopPlayerOf(p, p.music.CurrentSoundtrack);
    ShowMessageStrip(p, "MUSIC OFF");
  }
}

void StopAllSounds(Player& p) {
  StopMP3(p);
  StopMIDI(p);
  for (int16_t channel = 1; channel <= channels::kPersistent; ++channel) StopWav(p, channel);
  // The buttons' channel 18 plays on: the click that led here is heard out.
  for (int16_t channel : {channels::kSoundtrack, channels::kLooping, channels::kEnterExit, channels::kDialogue,
                          channels::kMapLocation}) {
    StopWav(p, channel);
  }
  // The countdowns are not stopped here, only marked as not running.
  for (size_t slot = 1; slot < p.delays.DelayRunning.size(); ++slot) p.delays.DelayRunning[slot] = 0;
  p.loop().DoEvents();
}

}  // namespace qvl
