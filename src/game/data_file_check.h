// The check of the game's five data files that start-up makes once: a
// file that is missing or is not a whole number of records is named to the
// player before the game meets it.
#pragma once

#include <string>
#include <vector>

namespace qvl {

struct Player;

// What is wrong with each damaged data file, one line each ("resource/
// Quorvel1.dat is missing."); empty when all five are sound. A settings
// file that is empty counts as sound: the game then has no settings.
std::vector<std::string> DamagedDataFiles(Player& p);

// Tells the player which data files are damaged (a message box, the error
// output and the notify log) and goes on; the files are not touched.
void CheckDataFiles(Player& p);

}  // namespace qvl
