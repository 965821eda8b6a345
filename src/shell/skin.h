// The interface skin: the standard skin's fixed picture files and the
// layout values that place the skinned controls.
#pragma once

#include <string>

namespace qvl {

struct Player;

// Moves one skinned control: `position` is "left/top". Items 0–4 are the
// menu buttons, 5 the scene picture, 6 the game window's menu button,
// 7 its save button, 8 its examine button, 9 the score panels, 10 the
// inventory bar; others are ignored. A position without "/" is error 5.
void PlaceSkinControl(Player& p, int index, const std::string& position);

// Loads the standard skin's pictures from the game's gfx folder: for each
// background the ".jpg" unless only the ".bmp" is there; each button GIF
// when it exists. What is missing keeps the built-in look.
void LoadStandardSkin(Player& p);

// Decodes the standard skin's pictures in the program's spare time ahead
// of LoadStandardSkin, which then takes them instead of reading the files
// again.
void PrepareStandardSkin(Player& p);

}  // namespace qvl
