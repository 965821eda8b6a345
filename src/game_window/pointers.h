// The mouse pointer of the game: one of the fifteen pointer pictures of
// `MousePoint`, or the picture of the item in hand. The wait pointer
// (slot 14) tells every click and hover handler to do nothing.
#pragma once

#include "platform/picture_files.h"

namespace qvl {

struct Player;

// Shows pointer picture `slot` (1 … 15) of MousePoint.
void ShowPointer(Player& p, int slot);

// Shows the item-in-hand pointer when an item is in hand, else the normal one.
void ShowItemOrNormalPointer(Player& p);

// Shows the held item's highlighted pointer: the item can be used here. An
// item that has no highlight picture keeps its item pointer.
void ShowItemHighlightPointer(Player& p);

// Whether the wait pointer shows.
bool WaitPointerShows(Player& p);

// The pointer slot (1 … 15) whose picture shows; 0 for any other picture.
int PointerSlotShowing(Player& p);

}  // namespace qvl
