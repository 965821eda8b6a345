#include "media/media_set.h"

#include <cstdio>

#include "platform/media_backends.h"
#include "platform/runtime_error.h"

namespace qvl {

MediaSet MakeHeadlessMediaSet(const Clock& clock, const TraceSink& trace) {
  return MediaSet{MakeHeadlessMixer(clock, trace), MakeHeadlessMidiPlayer(clock, trace),
                  MakeHeadlessMp3Player(clock, trace), MakeHeadlessMoviePlayer(clock, trace)};
}

MediaSet MakeDeviceMediaSet(const Clock& clock, const TraceSink& trace) {
  try {
    return MediaSet{MakeSdlMixer(trace), MakeSdlMidiPlayer(trace), MakeSdlMp3Player(trace),
                    MakeFfmpegMoviePlayer(trace)};
  } catch (const RuntimeError& error) {
    std::fprintf(stderr, "Quorvel Player: no sound (%s); the game plays silently.\n", error.what());
    return MakeHeadlessMediaSet(clock, trace);
  }
}

}  // namespace qvl
