#include "media/sound_channels.h"

#include "engine/hidden_objects.h"
#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "media/media_folder.h"
#include "platform/text_numbers.h"

namespace qvl {

namespace {

void Yield(Player& p) { p.loop().DoEvents(); }

// The real file of a sound under resource\mmedia\.
std::string SoundPath(Player& p, const std::string& file) {
  return RealPath(p, MediaFilePath(p, file)).string();
}

// The three mixer calls of one sound request, always in this order. A
// failing call ends the request: the ones after it are not made.
void StartOnChannel(Player& p, const std::string& file, bool loop, int16_t channel, int32_t pan, int32_t volume) {
  p.media.mixer->PlayFile(SoundPath(p, file), loop, channel);
  if (channel >= Mixer::kFirstChannel && channel <= Mixer::kLastChannel) p.sound.ChannelFile[static_cast<size_t>(channel)] = file;
  p.media.mixer->SetChannelPan(channel, pan);
  p.media.mixer->SetChannelVolume(channel, volume);
}

void ReportWavError(Player& p, const std::string& file, int16_t channel, int32_t pan, int32_t volume,
                    const RuntimeError& error) {
  const std::string text = "Error playing WAV file.  File '" + file + "' - Ch" + Str(channel) + " - Pan" + Str(pan) +
                           " - Vol" + Str(volume) + "\rErr #" + Str(error.number()) + " : " + error.description();
  p.runtime().message_boxes().Show(kAppTitle, text, MsgIcon::kNone, MsgButtons::kOK);
}

// Marks every Responder that watches for this sound as having heard it.
// An empty entry watches nothing.
bool MarkWatchedSound(Player& p, const std::string& file) {
  bool matched = false;
  for (size_t slot = 1; slot < p.scene.WatchedSound.size(); ++slot) {
    if (!p.scene.WatchedSound[slot].empty() && p.scene.WatchedSound[slot] == file) {
      p.scene.SoundHeard[slot] = true;
      matched = true;
    }
    Yield(p);
  }
  return matched;
}

}  // namespace

std::string ChannelLabel(int channel) {
  switch (channel) {
    case channels::kPersistent: return " (Persistent)";
    case channels::kDialogue: return " (Dialogue)";
    case channels::kEnterExit: return " (Enter/Exit)";
    case channels::kLooping: return " (Looping)";
    case channels::kButtons: return " (Buttons)";
    case channels::kSoundtrack: return " (Soundtrack)";
    default: return " (\?\?\?)";  // " (???)", written so no trigraph is read
  }
}

void PlayWav(Player& p, const std::string& file, bool loop, int16_t channel, int32_t pan, int32_t volume) {
  Yield(p);
  if (MarkWatchedSound(p, file)) {
    CheckHiddenObjects(p);
    return;
  }
  if (channel >= channels::kPersistent) {
    PlayWAVQVL(p, file, loop, channel, pan, volume);
    return;
  }
  try {
    StartOnChannel(p, file, loop, channel, pan, volume);
  } catch (const RuntimeError& error) {
    ReportWavError(p, file, channel, pan, volume, error);
    return;
  }
  if (p.game.BuildDebugOn) Notify(p, "Play Wav: '" + file + "' - Channel" + Str(channel));
}

void PlayWAVQVL(Player& p, const std::string& file, bool loop, int16_t channel, int32_t pan, int32_t volume) {
  if (channel == channels::kSoundtrack && !p.music.MusicOn) return;
  try {
    StartOnChannel(p, file, loop, channel, pan, volume);
  } catch (const RuntimeError& error) {
    ReportWavError(p, file, channel, pan, volume, error);
    return;
  }
  if (p.game.BuildDebugOn) {
    Notify(p, "PlayWAVQVL: '" + file + "' - Ch" + Str(channel) + ChannelLabel(channel));
  }
  Yield(p);
}

void StopWav(Player& p, int16_t channel) {
  p.media.mixer->StopChannel(channel);
  if (channel >= channels::kDialogue && channel <= channels::kSoundtrack && p.game.BuildDebugOn) {
    Notify(p, "Stop Wav - Channel" + Str(channel) + ChannelLabel(channel));
  }
  Yield(p);
}

void SetSoundtrackWavVolume(Player& p, int32_t volume) {
  if (!p.music.MusicOn) return;
  try {
    p.media.mixer->SetChannelVolume(channels::kSoundtrack, volume);
  } catch (const RuntimeError&) {
    // A volume change that fails leaves the soundtrack as it was.
  }
}

void ShutdownSound(Player& p) { p.media.mixer->Shutdown(); }

}  // namespace qvl
