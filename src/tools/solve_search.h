// `qvl solve`, the search: plays every move at every resting point of the
// game through forked copies of a headless player, and keeps the graph of
// the states they reach.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tools/solve_game_state.h"

namespace qvl::tools {

struct SolveOptions {
  std::filesystem::path game_dir;
  std::vector<SolveGoalFlag> goals;
  int max_states = 200000;
  int max_depth = 0;  // 0: no limit
  int jobs = 1;       // moves played at once
};

struct SolveState {
  std::string identity;
  std::string plain;  // the identity without the Delays' remaining time
  std::string summary;
  bool goal = false;
  bool ended = false;            // the goal is the game's end
  int depth = 0;                 // moves from the start when first reached
  int way_in = -1;               // the edge of the shortest way in known (-1: the start)
  int way_length = 0;            // that way's moves from the start
  std::vector<SolveMove> moves;  // offered here (known once explored)
  bool explored = false;         // its moves were asked for
  size_t answered = 0;           // moves whose outcome came back
  bool Complete() const { return goal || (explored && answered == moves.size()); }
};

// A move made: from which state, which of its moves, where it led and the
// script lines played (the move's own and any tidying up after it).
struct SolveEdge {
  int from = 0;
  int move = 0;
  int to = 0;
  std::vector<std::string> script;
};

// A move that did not reach a resting point, or showed a message box.
struct SolveProblem {
  int from = 0;
  int move = 0;
  std::string text;
};

struct SearchResult {
  std::string error;  // the game could not be started or searched
  std::vector<std::string> start_script;
  std::vector<SolveState> states;  // state 0 is where a new game starts
  std::vector<SolveEdge> edges;
  std::vector<SolveProblem> problems;
  std::vector<std::pair<std::string, std::string>> contents;
  std::set<std::string> reached;
  bool complete = true;
  std::string limit;  // what stopped an incomplete search
  double seconds = 0;
  int jobs = 1;
  int replays = 0;  // states played again from the start to be held by a fresh copy
};

SearchResult SearchGame(const SolveOptions& options);

}  // namespace qvl::tools
