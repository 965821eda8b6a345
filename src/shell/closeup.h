// What the close-up window does: it takes an item's close-up picture ahead
// of time, shows it when the item is examined (repeating, once or still,
// with the item's sound) and closes.
#pragma once

#include <cstdint>

namespace qvl {

struct Player;

// Loads the close-up picture of inventory slot `slot` into the window
// (when the item names one); the window's PictureLoaded flag tells when
// it has arrived. CloseUpSlot becomes `slot`.
void RequestCloseUpPicture(Player& p, int16_t slot);

// Sizes the window to its picture, centres it and shows it modally;
// returns once it has closed.
void ShowCloseupModal(Player& p);

// The events of the close-up window.
void WireCloseupWindow(Player& p);

}  // namespace qvl
