// Connects the media's window events: the MP3 repeat check, the scene
// movie's timers, the opening logo and the intro window.
#pragma once

namespace qvl {

struct Player;

void WireMediaWindows(Player& p);

}  // namespace qvl
