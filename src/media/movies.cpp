// Not finished: the logo and intro players are the movie work's. Until
// then nothing is played, and each returns as a logo or intro that has
// ended at once, so start-up and the menu go on.
#include "media/movies.h"

#include "app/player.h"

namespace qvl {

void PlayOpenCredsGif(Player& p, const std::string& /*file*/) { p.startup.LogoPlaying = false; }

void PlayOpenCredsAVI(Player& p, const std::string& /*file*/) { p.startup.LogoPlaying = false; }

void PlayIntroAVI(Player& /*p*/, const std::string& /*file*/, int16_t /*option*/) {}

}  // namespace qvl
