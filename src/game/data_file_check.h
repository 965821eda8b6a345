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

// Names each damaged data file on the error output and goes on: the game
// meets the files as it always did (a settings file of the wrong length is
// still ignored without a word on screen), and they are not touched.
void CheckDataFiles(Player& p);

}  // namespace qvl
