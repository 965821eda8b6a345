// The skin the player has of its own, for games that bring no skin files:
// plain two-frame button pictures with their captions (frame 0 the
// highlighted look, frame 1 the normal one).
#pragma once

#include <string_view>

#include "platform/image.h"

namespace qvl {

struct Player;

// A two-frame button picture with a caption.
PictureRef MakeBuiltinButton(std::string_view caption, int width, int height);

// Gives the menu buttons, the game window's three buttons and the dialog
// buttons their built-in pictures; the game's skin files replace them.
void LoadBuiltinSkin(Player& p);

}  // namespace qvl
