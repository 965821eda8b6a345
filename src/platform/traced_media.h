// Trace lines for the media backends: wraps a mixer, music player or movie
// player so each request is reported as one SOUND, MUSIC or MOVIE line,
// the same for real and headless play. Queries (is it playing, position,
// length, the picture) are not requests and are not reported.
//
//   SOUND attach window=3
//   SOUND play ch=3 file=door.wav loop=0
//   SOUND pan ch=3 -2000
//   SOUND volume ch=3 -600
//   SOUND stop ch=3
//   SOUND shutdown
//   MUSIC midi open theme.mid 5.00s
//   MUSIC midi play loop=1
//   MUSIC mp3 volume -500 | balance 2000 | seek 0.00 | stop | release
//   MOVIE open intro.avi 320x240 4.00s
//   MOVIE level 80 | play | stop | close
//
// A request that fails gets " error <number> <description>" at the end of
// its line (e.g. "SOUND play ch=3 file=gone.wav loop=0 error 53 File not found").
#pragma once

#include <memory>

#include "platform/media_trace.h"
#include "platform/mixer.h"
#include "platform/movie_player.h"
#include "platform/music_player.h"

namespace qvl::media {

// The backend itself when `trace` is empty, else the backend wrapped.
std::unique_ptr<Mixer> Traced(std::unique_ptr<Mixer> mixer, TraceSink trace);
std::unique_ptr<MusicPlayer> Traced(std::unique_ptr<MusicPlayer> player, TraceSink trace);
std::unique_ptr<MoviePlayer> Traced(std::unique_ptr<MoviePlayer> player, TraceSink trace);

}  // namespace qvl::media
