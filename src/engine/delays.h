// The Delay countdowns: one per object slot, started by Delay objects,
// taking their Delay's flag action when they expire, with the busy pointer
// while a Delay that makes the player wait runs.
#pragma once

#include <cstdint>

#include "engine/delay_state.h"

namespace qvl {

struct Player;

// Starts the Delay of a slot for `seconds` (0 expires at once).
void StartDelay(Player& p, int16_t slot, int16_t seconds);

// (Re)starts the slot's countdown for `ms` milliseconds.
void StartTimer(Player& p, int16_t slot, int32_t ms);

// Makes the twenty countdowns, stopped; once, when the game window loads.
void InitTimers(Player& p);

// Stops all twenty countdowns.
void StopAllTimers(Player& p);

// A slot's countdown has run out: its Delay's flag action is taken, unless
// a scene is loading, which starts the countdown again for its full length.
void DelayExpired(Player& p, int16_t slot);

}  // namespace qvl
