// When the game takes input as a person sees it: nothing of the game's own
// is still going on, the busy pointer is gone and the scene is not covered.
// `qvl run`'s `ready` waits for it; a search for the game's resting states
// stops at it.
#pragma once

namespace qvl {

struct Player;

// Whether a person could act now: no wait of the game's own runs (only
// the main loop's and modal windows'), nothing is queued, the busy pointer
// does not show, and the cover `Block` is not about to go from the scene
// (it stays 200 ms after a scene load, also when a conversation box has
// already given the normal pointer) unless a modal window lies over it.
bool PlayerTakesInput(Player& p);

}  // namespace qvl
