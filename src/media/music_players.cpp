// The MIDI and MP3 players of the soundtrack and the menu music. Both play
// only while the music is on; the MP3 soundtrack repeats through the
// 600 ms check of Mp3Form's timer.
#include <cstdlib>

#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/player.h"
#include "media/media_folder.h"
#include "media/soundtrack.h"
#include "platform/sound_font.h"
#include "platform/text_numbers.h"

namespace qvl {

namespace {

std::string MusicPath(Player& p, const std::string& name) { return RealPath(p, MediaFilePath(p, name)).string(); }

void ReportMusicError(Player& p, const char* heading, const std::string& name, const RuntimeError& error) {
  p.runtime().message_boxes().Show(kAppTitle,
                                   std::string(heading) + "\rErr #" + Str(error.number()) + " : " +
                                       error.description() + "\rPath = " + MediaFolder(p) + "\rFilename = " + name,
                                   MsgIcon::kNone, MsgButtons::kOK);
}

}  // namespace

// MIDI needs a General MIDI sound font; without one every MIDI file would
// fail, so the author hears why once, at start-up. Headless play makes no
// sound and needs none.
void InitMIDI(Player& p) {
  if (p.runtime().IsVirtual()) return;
  if (media::FindSoundFont(std::getenv("SDL_SOUNDFONTS"), media::StandardSoundFontPlaces())) return;
  const RuntimeError error(err::kFileNotFound, media::kNoSoundFontMessage);
  p.runtime().message_boxes().Show(kAppTitle,
                                   "Error initializing DirectX MIDI\rErr #" + Str(error.number()) + " / " +
                                       error.description(),
                                   MsgIcon::kNone, MsgButtons::kOK);
}

void PlayMIDI(Player& p, const std::string& name, int32_t volume) {
  if (!p.music.MusicOn) return;
  MusicPlayer& midi = *p.media.midi;
  try {
    midi.SetVolume(-4000);
    midi.Open(MusicPath(p, name));
    midi.SetVolume(volume);
    midi.Play(true);
  } catch (const RuntimeError& error) {
    ReportMusicError(p, "ERROR PLAYING MIDI FILE.  ", name, error);
  }
}

void StopMIDI(Player& p) {
  try {
    if (p.media.midi->IsLoaded()) p.media.midi->Stop();
  } catch (const RuntimeError&) {
    // Stopping music that cannot stop leaves it as it is.
  }
}

void SetMIDIVolume(Player& p, int32_t volume) {
  if (!p.music.MusicOn) return;
  try {
    if (p.media.midi->IsLoaded()) p.media.midi->SetVolume(volume);
  } catch (const RuntimeError&) {
    // The volume stays as it was.
  }
}

void PlayMP3(Player& p, const std::string& name, int32_t volume, int32_t balance) {
  if (!p.music.MusicOn) return;
  MusicPlayer& mp3 = *p.media.mp3;
  try {
    if (mp3.IsLoaded()) {
      mp3.Stop();
      mp3.Release();
    }
    mp3.Open(MusicPath(p, name));
    mp3.SetVolume(volume);
    mp3.SetBalance(balance);
    mp3.SetPosition(0.0);
    mp3.Play(false);
    p.windows.mp3.Mp3Timer.SetTimerEnabled(true);
  } catch (const RuntimeError& error) {
    ReportMusicError(p, "ERROR PLAYING MP3 FILE.  ", name, error);
  }
}

void StopMP3(Player& p) {
  p.windows.mp3.Mp3Timer.SetTimerEnabled(false);
  try {
    if (p.media.mp3->IsLoaded()) p.media.mp3->Stop();  // back at its start, still loaded
  } catch (const RuntimeError&) {
    // Stopping music that cannot stop leaves it as it is.
  }
}

void SetPlayBackVolume(Player& p, int32_t volume) {
  if (!p.music.MusicOn) return;
  try {
    if (p.media.mp3->IsLoaded()) p.media.mp3->SetVolume(volume);
  } catch (const RuntimeError&) {
    // The volume stays as it was.
  }
}

bool TerminateEngine(Player& p) {
  try {
    if (p.media.mp3->IsLoaded()) p.media.mp3->Stop();
    p.media.mp3->Release();
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

// Mp3Timer: an MP3 that has played to its end starts again from the top.
void Mp3TimerTick(Player& p) {
  MusicPlayer& mp3 = *p.media.mp3;
  try {
    if (mp3.IsLoaded() && mp3.Position() == mp3.Length()) {
      mp3.SetPosition(0.0);
      mp3.Play(false);
    }
  } catch (const RuntimeError&) {
    // The music stays silent; the next tick tries again.
  }
}

}  // namespace qvl
