// The author's exit picture `NagForm`, shown when the player closes the
// game from the main menu; its OK button ends the program.
#pragma once

namespace qvl {

struct Player;

void WireNagForm(Player& p);

}  // namespace qvl
