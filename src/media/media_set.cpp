#include "media/media_set.h"

#include <cstdio>

#include "platform/media_backends.h"
#include "platform/runtime_error.h"
#include "ui/runtime.h"

namespace qvl {

namespace {

MediaSet Headless(const Clock& clock, const TraceSink& trace) {
  return MediaSet{MakeHeadlessMixer(clock, trace), MakeHeadlessMidiPlayer(clock, trace),
                  MakeHeadlessMp3Player(clock, trace), MakeHeadlessMoviePlayer(clock, trace)};
}

}  // namespace

MediaSet MakeMediaSet(const ui::Runtime& runtime, const TraceSink& trace) {
  if (runtime.IsVirtual()) return Headless(runtime.clock(), trace);
  try {
    return MediaSet{MakeSdlMixer(trace), MakeSdlMidiPlayer(trace), MakeSdlMp3Player(trace),
                    MakeFfmpegMoviePlayer(trace)};
  } catch (const RuntimeError& error) {
    std::fprintf(stderr, "Quorvel Player: no sound (%s); the game plays silently.\n", error.what());
    return Headless(runtime.clock(), trace);
  }
}

}  // namespace qvl
