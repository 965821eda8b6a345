// Taking the player to a scene: leaving the old one (its movie and exit
// sound), reading the new scene's record, its jump rule, background, entry
// flag and arrows, building its objects and starting its sounds.
#pragma once

#include <cstdint>

namespace qvl {

struct Player;

// Loads scene `n`. Loads may nest: one that starts inside another runs to
// its end before the outer one goes on.
void LoadScene(Player& p, int16_t n);

// Reads scene `n`'s record into the run-time copy and makes it current.
void ReadSceneRecord(Player& p, int16_t n);

}  // namespace qvl
