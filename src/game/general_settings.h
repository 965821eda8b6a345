// The game's data files and its general settings: the first read of the
// settings at start-up, opening the five files with their record counts,
// and applying the settings group by group.
#pragma once

#include <cstdint>

namespace qvl {

struct Player;

// The groups of settings ApplyGenSettings applies.
namespace gen_mode {
constexpr int kSaveLoad = 0;     // save and load offered
constexpr int kGlobals = 1;      // sounds, title, exit picture, debugging, discs, movie size
constexpr int kSkin = 2;         // skin, menu and game-window buttons, examine, score
constexpr int kPointers = 3;     // the pointer files
constexpr int kOpeningLogo = 4;  // the author's opening logo
constexpr int kIntro = 5;        // the intro movie
constexpr int kIntroCheck = 6;   // whether the intro movie exists
}  // namespace gen_mode

// First read of the general settings: the splash and display-mode choices.
// A game folder without a resource folder ends the program.
void GetInitData(Player& p);

// Opens the general settings (kept open), applies groups 1 to 3, puts the
// pointer pictures in place and loads the standard skin.
void OpenGenBase(Player& p);
void OpenLocBase(Player& p);
void OpenInvBase(Player& p);
void OpenSceneBase(Player& p);
void OpenConvBase(Player& p);

// Reads the general settings afresh and applies one group of them.
// Run-time errors travel to the caller.
void ApplyGenSettings(Player& p, int mode);

}  // namespace qvl
