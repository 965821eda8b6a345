#include "media/media_events.h"

#include "game/player.h"
#include "media/movies.h"
#include "media/scene_movie.h"
#include "media/soundtrack.h"

namespace qvl {

void WireMediaWindows(Player& p) {
  p.windows.mp3.Mp3Timer.on_tick = [&p] { Mp3TimerTick(p); };
  WireSceneMovie(p);
  WireMovieWindows(p);
}

}  // namespace qvl
