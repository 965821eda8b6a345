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

// Plays the intro movie in the intro window and returns when that window
// has closed.
void PlayIntroAVI(Player& p, const std::string& file, int16_t option);

}  // namespace qvl
