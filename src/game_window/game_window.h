// What the game window does by itself: its start-up layout, the keyboard
// (Esc, F1 and the code words), the pointer over its parts, the hover
// feedback of its buttons, the message strip and the small timers.
#pragma once

#include <string>

namespace qvl {

struct Player;

// Shows a one-line message on the strip over the scene for a second.
void ShowMessageStrip(Player& p, const std::string& text);

// Gives the three buttons (main menu, save, examine) their normal look.
void ShowButtonsNormal(Player& p);

// The pointer left one of the three buttons or an inventory icon: what it
// lit goes out, as the window background's own rule would put it out (the
// buttons show their normal look, the frame round the icons goes). The
// hover code stays, so the hover sound still plays once per entry.
void LitControlLeft(Player& p);

// The events of the game window.
void WireMainWindow(Player& p);

// Lets the game window's scene timer run at the next opportunity.
void KickSceneTimer(Player& p);

}  // namespace qvl
