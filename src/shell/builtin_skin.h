// The skin the player has of its own, for games that bring no skin files:
// plain two-frame button pictures with their captions (frame 0 the
// highlighted look, frame 1 the normal one).
#pragma once

namespace qvl {

struct Player;

// Gives the menu buttons, the game window's three buttons and the dialog
// buttons their built-in pictures; the game's skin files replace them.
void LoadBuiltinSkin(Player& p);

}  // namespace qvl
