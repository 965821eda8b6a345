// What a game's records say about its flags, items, scenes and other
// numbered things: every place that reads or sets a flag, gives or needs an
// item, leads to a scene … gathered once for the reference, logic and trap
// checks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/lint_game.h"

namespace qvl::tools::lint {

// A number the data uses to name something (a scene, an item …).
struct NumberUse {
  Place place;
  int number;
};

// A flag condition that the player tests.
struct FlagRead {
  Place place;  // its flag field
  int flag;
  int op;
  int value;
  Place op_place;
};

// A flag action that the player takes (its on-switch, when it has one, is on).
struct FlagWrite {
  Place place;  // its flag field
  int flag;
  int value;
  int mode;
  Place mode_place;
};

// A volume or pan handed to the sound player.
struct Level {
  Place place;
  int value;
  bool pan;
};

struct Facts {
  std::vector<NumberUse> scenes;         // scenes led to (0 = none is left out)
  std::vector<NumberUse> items_given;    // by Goodies, combinations, examining, Responders
  std::vector<NumberUse> items_needed;   // required in hand, combination partners
  std::vector<NumberUse> items_started;  // in the inventory when a new game starts
  std::vector<NumberUse> conversations;
  std::vector<NumberUse> locations;      // map locations put on the map
  std::vector<NumberUse> pointers;       // pointer pictures; 0 = the kind's own default
  std::vector<NumberUse> channels;       // sound channel fields; 0 and -1 = the default
  std::vector<FlagRead> reads;
  std::vector<FlagWrite> writes;
  std::vector<Level> levels;
};

Facts GatherFacts(const Game& game);

// The part of GatherFacts that reads the scene objects.
void AddObjectFacts(const Game& game, Facts& facts);

// The value of a number text written as a whole number ("12", "-3").
std::optional<int> WholeNumber(const std::string& text);

// True when a condition on a flag still at 0 holds.
bool HoldsAtZero(int op, int value);

}  // namespace qvl::tools::lint
