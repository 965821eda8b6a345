// The movies and logos of the game: the intro movie in its own window and
// the author's opening logo on the start window.
#pragma once

#include <cstdint>
#include <string>

namespace qvl {

struct Player;

// Shows the opening logo GIF (resource\gfx\) on the start window; clears
// LogoPlaying when it has ended.
void PlayOpenCredsGif(Player& p, const std::string& file);

// Plays the opening logo movie (resource\mmedia\) on the start window;
// clears LogoPlaying when it has ended.
void PlayOpenCredsAVI(Player& p, const std::string& file);

// Plays the intro movie in the intro window at sound level `option`
// (0 … 100, above 100 is 100) and returns when that window has closed;
// Esc in the window ends it early.
void PlayIntroAVI(Player& p, const std::string& file, int16_t option);

// The events of the logo on the start window and of the intro window.
void WireMovieWindows(Player& p);

}  // namespace qvl
