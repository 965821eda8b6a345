// The rule engine of the scene: the hidden objects (Responders, Delays,
// Multi-Triggers, Conversations, Flag Conjunctions) tested against the
// flags after every flag change, and the actions they take.
#pragma once

namespace qvl {

struct Player;

// How many flag changes may be handled inside one another before a cascade
// counts as a looping condition. Ordinary games nest a few tens at most;
// each level costs a handful of stack frames (flag change, evaluation,
// object, flag change), so a hundred stays far from the stack's limit
// while leaving room for long honest chains.
inline constexpr int kLoopBound = 100;

// The error a runaway cascade (of flag changes, or of scene loads) raises
// when it passes the bound, as running out of stack would: 28 "Out of
// stack space".
inline constexpr int kLoopingError = 28;
inline constexpr const char* kLoopingDescription = "Out of stack space";

// Evaluates the hidden objects of the current scene, slot by slot, taking
// their actions. A scene change is only requested (LoadedNewScene and
// PendingScene); the caller loads it.
void CheckHiddenObjects(Player& p);

// At scene set-up: tries the Multi-Trigger rules once, without asking
// whether their flags have changed.
void CheckEntryMultiTriggers(Player& p);

// A Responder ends the game: the windows of the game close, countdowns and
// sounds stop, the game is cleared and the main menu shows.
void EndGame(Player& p);

}  // namespace qvl
