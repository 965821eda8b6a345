// Scene movies: played over the scene area of the game window when a scene
// is entered or left, or as the action of an object or conversation line.
#pragma once

#include <cstdint>
#include <string>

namespace qvl {

struct Player;

// Plays a movie over the scene area. A level above 100 is lowered to 100
// (in the caller's variable too). With `wait` the caller waits for the
// movie's end (scene loading does); with `keep_block` the scene stays
// covered after the movie.
void PlayMovie(Player& p, const std::string& name, int16_t& level, bool wait, bool keep_block);

// Whether a scene movie is playing now.
bool MoviePlaying(const Player& p);

// Waits (letting window events run) until the scene movie has finished.
void WaitForMovie(Player& p);

// Esc in the game window while a scene movie plays: cancels it.
void CancelSceneMovie(Player& p);

// The game window's movie timers.
void WireSceneMovie(Player& p);

}  // namespace qvl
