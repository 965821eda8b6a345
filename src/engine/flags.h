// The game's 255 flags and the one way to change them, the score shown
// from the score flag, and clearing the game when it ends.
#pragma once

#include <cstdint>

#include "data/object_fields.h"

namespace qvl {

struct Player;
namespace data {
struct ObjectSlot;
}

// Sets (mode 0) or adds to (mode 1) one flag, then lets the scene react:
// hidden objects are evaluated, and either the scene they asked for is
// loaded or the current scene is refreshed. Flag 0 changes nothing. An
// overflow travels to the caller.
void SetFlag(Player& p, int16_t flag, int16_t value, int16_t mode);

// Counts one flag change (or one scene load, which the rules can start
// from inside another) for as long as it runs, so that a runaway cascade
// meets the looping-condition limit. When the outermost one is done, a
// stopped cascade is over.
class FlagNestingGuard {
 public:
  explicit FlagNestingGuard(Player& p);
  ~FlagNestingGuard();
  FlagNestingGuard(const FlagNestingGuard&) = delete;
  FlagNestingGuard& operator=(const FlagNestingGuard&) = delete;

 private:
  Player& p_;
};

// Whether a flag holding `current` meets a condition: operator 0 "=",
// 1 "<>", 2 "<", 3 ">"; any other operator is false.
bool ConditionHolds(double current, int op, double value);

// Tests a flag condition as ConditionHolds does with the flag's value. A
// flag number outside 0 … 255 is "Subscript out of range" for the caller.
bool CheckFlag(const Player& p, int flag, int op, double value);

// Tests the flag condition an object holds in `fields`.
bool CheckFlag(const Player& p, const data::ObjectSlot& o, data::ConditionFields fields);

// Takes the flag action an object holds in `fields`, as SetFlag.
void SetFlag(Player& p, const data::ObjectSlot& o, data::ActionFields fields);

// The value of flag `flag` (0 … 255; others raise "Subscript out of range").
int16_t FlagValue(const Player& p, int flag);

// Shows the score flag's value in both score labels.
void ShowScore(Player& p);

// Clears the game: soundtrack name, hand, scene, conversation box, object
// pictures, inventory icons, map locations, flags and the hidden objects'
// memory.
void ResetGameState(Player& p);

}  // namespace qvl
