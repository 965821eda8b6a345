// The sound mixer, the MIDI and MP3 music players and the movie player the
// game plays through: real on a window, headless in virtual time.
#pragma once

#include <memory>

#include "platform/media_trace.h"
#include "platform/mixer.h"
#include "platform/movie_player.h"
#include "platform/music_player.h"

namespace qvl::ui {
class Runtime;
}

namespace qvl {

struct MediaSet {
  std::unique_ptr<Mixer> mixer;
  std::unique_ptr<MusicPlayer> midi;
  std::unique_ptr<MusicPlayer> mp3;
  std::unique_ptr<MoviePlayer> movie;
};

// The headless set on the runtime's clock when it runs in virtual time;
// the real set otherwise, or the headless one on the real clock when the
// machine has no sound device.
MediaSet MakeMediaSet(const ui::Runtime& runtime, const TraceSink& trace);

}  // namespace qvl
