// `qvl solve`, the answers: whether the game can be won and how in the
// fewest moves, which states are dead ends and how they are reached, and
// what is never reached; written for the author, as a play script, as a
// Graphviz graph and as JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/solve_search.h"

namespace qvl::tools {

// Exit statuses of `qvl solve`.
namespace solve_exit {
constexpr int kClean = 0;         // winnable, no dead ends, everything reached
constexpr int kFaults = 1;        // dead ends or content never reached
constexpr int kNotWinnable = 2;   // no goal can be reached
constexpr int kIncomplete = 3;    // a limit stopped the search
constexpr int kBadInput = 4;      // no game to solve, or it cannot start
}  // namespace solve_exit

struct SolveAnalysis {
  std::vector<int> distance;     // moves on the shortest way from the start; -1 when not reached
  std::vector<int> via;          // the edge that shortest way arrives by; -1 at the start
  std::vector<bool> winnable;    // a goal can still be reached from the state
  std::vector<bool> dead;        // searched all the way, and no goal can be reached
  int goal = -1;                 // the goal state nearest the start
  int dead_count = 0;
  std::vector<int> dead_entries; // edges from a winnable state into a dead end, nearest first
  std::vector<std::string> never_reached;  // descriptions
  // States that differ from another only in the time left on a countdown
  // (a running Delay or a turning Switch).
  size_t clock_states = 0;
};

SolveAnalysis Analyse(const SearchResult& result);

// The edges of the shortest way from the start to `state`.
std::vector<int> PathTo(const SearchResult& result, const SolveAnalysis& analysis, int state);

// The shortest walkthrough as a `qvl run` script that checks its end.
std::string WalkthroughScript(const SearchResult& result, const SolveAnalysis& analysis,
                              const std::vector<SolveGoalFlag>& goals);

// The report for the author; `walkthrough_file` is named when one was written.
void PrintReport(std::ostream& out, const SearchResult& result, const SolveAnalysis& analysis,
                 const std::string& walkthrough_file);

void WriteGraph(std::ostream& out, const SearchResult& result, const SolveAnalysis& analysis);
void WriteJson(std::ostream& out, const SearchResult& result, const SolveAnalysis& analysis);

int SolveExitStatus(const SearchResult& result, const SolveAnalysis& analysis);

}  // namespace qvl::tools
