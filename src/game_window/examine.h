// The examine button: with an item in hand the player looks at it closely
// (its close-up picture, caption and sound, or only its sound), and
// examining may reveal a map location, set a flag or change the item.
#pragma once

#include <cstdint>

namespace qvl {

struct Player;

// What examining the item in hand slot `hand` does to the game: a map
// location, a flag, and the item turned into another.
void ApplyExamineEffects(Player& p, int16_t hand);

// The hover and click of the examine button.
void WireExamineButton(Player& p);

}  // namespace qvl
