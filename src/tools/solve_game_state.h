// `qvl solve`, inside a running player: what makes up the game's state at a
// resting point (its identity), the moves a player can make there, and
// what of the game's content has been reached.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/scene_state.h"

namespace qvl {
struct Player;
}

namespace qvl::tools {

// One move a player can make at a resting point: how it reads in the
// author's terms and the lines of a play script that make it.
struct SolveMove {
  std::string description;
  std::vector<std::string> script;
};

// A flag value that counts as winning (`--goal FLAG=VALUE`).
struct SolveGoalFlag {
  int flag = 0;
  int value = 0;
};

// Everything of the game that can be reached: scenes, objects, items,
// conversation lines and map locations, each under the key that marks it
// reached, with its description for the author.
struct GameContents {
  std::vector<std::pair<std::string, std::string>> entries;
  // The kind each object slot of each scene has in the data file (the
  // engine overwrites the kinds of hidden objects while it plays).
  std::map<int, PerSlot<int16_t>> kinds;
  // The scene each scene copy is of, by the parts of the copy the engine
  // never changes (0 when two scenes look alike).
  std::map<std::string, int> scene_by_signature;
};

// Reads the contents from the game's open data files.
GameContents ReadGameContents(Player& p);

// The identity of the state: equal identities behave the same for every
// later move (docs/solving.md lists what it holds). Without `clock`, what
// is left of the running Delays' countdowns is left out.
std::string StateIdentity(Player& p, bool clock = true);

// A short description: the scene, the items held and the flags set.
std::string StateSummary(Player& p);

// The moves a player can make now.
std::vector<SolveMove> MovesAt(Player& p);

// Adds to `reached` the keys of what shows or has acted now.
void NoteReached(Player& p, const GameContents& contents, std::set<std::string>& reached);
// Notes the hidden object in `slot` of the scene as reached: it takes its
// action now.
void NoteActing(Player& p, const GameContents& contents, int slot, std::set<std::string>& reached);

// The game has ended: the main menu is back.
bool GameEnded(Player& p);

// A Switch whose picture has at most this long left to play when a move
// ends is let turn before the next move.
constexpr int64_t kQuickSwitchTurnMs = 2000;

// A close-up, the item in hand or a Switch turning quickly, left over from
// a move: the script lines that put it away or let it turn, so every
// resting point starts with an empty hand, the game window in front and no
// quick turn under way; empty when there is nothing left to do.
std::vector<std::string> TidyUpLines(Player& p);

// The start of a game: empty while the main menu is not yet up.
std::vector<std::string> NewGameLines(Player& p);

}  // namespace qvl::tools
