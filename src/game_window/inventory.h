// The inventory: up to sixteen items on the game window's bar, what each
// slot knows of its item, adding or replacing an item, the item in hand,
// combining two items and closing the gap an item leaves.
#pragma once

#include <cstdint>

#include "game_window/inventory_state.h"

namespace qvl {

struct Player;

// How AddItem places the item.
namespace add_mode {
constexpr int16_t kAppend = 0;    // at the end of the bar
constexpr int16_t kReplace = -1;  // in place of the item in the given slot
}  // namespace add_mode

// Adds item `item` to the inventory, or puts it in place of the item in
// `slot`. A full bar or an item already held is refused: logged, and a
// full bar is also told to the player.
void AddItem(Player& p, int16_t item, int16_t mode, int16_t slot);

// True when an item is in hand: the hand holds a slot of the bar.
bool ItemInHand(const Player& p);

// Uses the item in hand slot `a` on the item in slot `b`: when b is a's
// partner, the result takes b's place and a leaves the bar.
void CombineItems(Player& p, int16_t a, int16_t b);

// Takes the item in slot `s` off the bar and closes the gap. The caller
// empties the hand.
void CompactInventoryBar(Player& p, int16_t s);

// The press, pointer and hover events of the bar and its icons.
void WireInventoryBar(Player& p);

}  // namespace qvl
