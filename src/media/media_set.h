// The sound mixer, the MIDI and MP3 music players and the movie player the
// game plays through. Whoever builds the runtime picks the set: the
// machine's devices for play on a window, the headless set for play in
// virtual time.
#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/media_trace.h"
#include "platform/mixer.h"
#include "platform/movie_player.h"
#include "platform/music_player.h"

namespace qvl {

struct MediaSet {
  std::unique_ptr<Mixer> mixer;
  std::unique_ptr<MusicPlayer> midi;
  std::unique_ptr<MusicPlayer> mp3;
  std::unique_ptr<MoviePlayer> movie;

  bool Complete() const { return mixer && midi && mp3 && movie; }
};

// Players that read each file's real length and keep time on `clock` (which
// outlives them) without making a sound.
MediaSet MakeHeadlessMediaSet(const Clock& clock, const TraceSink& trace);

// Players on the machine's sound device and the movie decoder; when the
// machine has no sound device, the headless set on `clock` (the error output
// says the game plays silently).
MediaSet MakeDeviceMediaSet(const Clock& clock, const TraceSink& trace);

}  // namespace qvl
