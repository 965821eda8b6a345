// `qvl solve`, the player's side: a headless player on the game that plays
// to a resting point, tells the search what it finds there, and forks a
// copy of itself for every move the search asks it to try.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/solve_game_state.h"

namespace qvl::tools {

struct ExplorerSetup {
  std::filesystem::path game_dir;
  std::string socket_name;  // the search's socket
  std::vector<SolveGoalFlag> goals;
};

// Runs in a process of its own, forked by the search: starts the game,
// begins a new one and serves the search until it is told to stop. Never
// returns; writes nothing but its messages to the search.
[[noreturn]] void RunExplorer(const ExplorerSetup& setup);

}  // namespace qvl::tools
