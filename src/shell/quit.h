// Ending the program: files closed, media released, the screen restored
// and every window unloaded.
#pragma once

namespace qvl {

struct Player;

// Ends the program; it never returns (the waits of the handlers it was
// called from unwind with ui::ProgramEnded).
[[noreturn]] void EndApplication(Player& p);

}  // namespace qvl
