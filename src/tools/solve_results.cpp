#include "tools/solve_results.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <map>
#include <set>
#include <sstream>

#include "tools/json_text.h"

namespace qvl::tools {

namespace {

// Dead ends listed with the way into them; the rest are counted.
constexpr size_t kDeadEndsListed = 10;
// An incomplete search says where its states come from when at least one
// in this many differs from another only in a countdown's time left.
constexpr size_t kClockStatesShare = 4;
constexpr size_t kProblemsListed = 10;
// The last moves of a way shown in the report.
constexpr size_t kWayTail = 4;

// 2841 as "2,841".
std::string Grouped(size_t n) {
  std::string digits = std::to_string(n);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<size_t>(i), ",");
  return digits;
}

const std::string& MoveText(const SearchResult& r, const SolveEdge& e) {
  return r.states[static_cast<size_t>(e.from)].moves[static_cast<size_t>(e.move)].description;
}

std::string MoveText(const SearchResult& r, int from, int move) {
  const auto& moves = r.states[static_cast<size_t>(from)].moves;
  return move >= 0 && static_cast<size_t>(move) < moves.size() ? moves[static_cast<size_t>(move)].description
                                                               : "move " + std::to_string(move);
}

// Marks every state from which one of `seeds` can be reached.
std::vector<bool> Backward(const SearchResult& r, const std::vector<std::vector<int>>& into, std::vector<bool> marks) {
  std::deque<int> queue;
  for (size_t s = 0; s < marks.size(); ++s) {
    if (marks[s]) queue.push_back(static_cast<int>(s));
  }
  while (!queue.empty()) {
    const int s = queue.front();
    queue.pop_front();
    for (int e : into[static_cast<size_t>(s)]) {
      const size_t from = static_cast<size_t>(r.edges[static_cast<size_t>(e)].from);
      if (!marks[from]) {
        marks[from] = true;
        queue.push_back(static_cast<int>(from));
      }
    }
  }
  return marks;
}

std::string Way(const SearchResult& r, const SolveAnalysis& a, int state, size_t tail) {
  const std::vector<int> path = PathTo(r, a, state);
  std::string text;
  const size_t first = tail > 0 && path.size() > tail ? path.size() - tail : 0;
  if (first > 0) text = "…";
  for (size_t i = first; i < path.size(); ++i) {
    if (!text.empty()) text += " → ";
    text += MoveText(r, r.edges[static_cast<size_t>(path[i])]);
  }
  return text.empty() ? "the start of a new game" : text;
}

}  // namespace

SolveAnalysis Analyse(const SearchResult& r) {
  const size_t n = r.states.size();
  SolveAnalysis a;
  a.distance.assign(n, -1);
  a.via.assign(n, -1);
  std::vector<std::vector<int>> out(n);
  std::vector<std::vector<int>> into(n);
  for (size_t e = 0; e < r.edges.size(); ++e) {
    out[static_cast<size_t>(r.edges[e].from)].push_back(static_cast<int>(e));
    into[static_cast<size_t>(r.edges[e].to)].push_back(static_cast<int>(e));
  }
  if (n > 0) {
    std::deque<int> queue{0};
    a.distance[0] = 0;
    while (!queue.empty()) {
      const int s = queue.front();
      queue.pop_front();
      for (int e : out[static_cast<size_t>(s)]) {
        const size_t to = static_cast<size_t>(r.edges[static_cast<size_t>(e)].to);
        if (a.distance[to] >= 0) continue;
        a.distance[to] = a.distance[static_cast<size_t>(s)] + 1;
        a.via[to] = e;
        queue.push_back(static_cast<int>(to));
      }
    }
  }
  std::vector<bool> goals(n);
  std::vector<bool> unfinished(n);
  for (size_t s = 0; s < n; ++s) {
    goals[s] = r.states[s].goal;
    unfinished[s] = !r.states[s].Complete();
    if (goals[s] && a.distance[s] >= 0 && (a.goal < 0 || a.distance[s] < a.distance[static_cast<size_t>(a.goal)])) {
      a.goal = static_cast<int>(s);
    }
  }
  a.winnable = Backward(r, into, goals);
  // States from which the search did not see everything cannot be called dead.
  const std::vector<bool> open = Backward(r, into, unfinished);
  a.dead.assign(n, false);
  for (size_t s = 0; s < n; ++s) {
    a.dead[s] = !a.winnable[s] && !open[s] && a.distance[s] >= 0;
    if (a.dead[s]) ++a.dead_count;
  }
  std::map<int, int> entry_of;  // dead state -> the edge into it nearest the start
  for (size_t e = 0; e < r.edges.size(); ++e) {
    const SolveEdge& edge = r.edges[e];
    const size_t from = static_cast<size_t>(edge.from);
    if (!a.winnable[from] || !a.dead[static_cast<size_t>(edge.to)] || a.distance[from] < 0) continue;
    auto it = entry_of.find(edge.to);
    if (it == entry_of.end() ||
        a.distance[from] < a.distance[static_cast<size_t>(r.edges[static_cast<size_t>(it->second)].from)]) {
      entry_of[edge.to] = static_cast<int>(e);
    }
  }
  for (const auto& [state, edge] : entry_of) a.dead_entries.push_back(edge);
  std::sort(a.dead_entries.begin(), a.dead_entries.end(), [&](int x, int y) {
    const int dx = a.distance[static_cast<size_t>(r.edges[static_cast<size_t>(x)].from)];
    const int dy = a.distance[static_cast<size_t>(r.edges[static_cast<size_t>(y)].from)];
    return dx != dy ? dx < dy : x < y;
  });
  for (const auto& [key, description] : r.contents) {
    if (!r.reached.contains(key)) a.never_reached.push_back(description);
  }
  std::set<std::string> plain;
  for (const SolveState& state : r.states) plain.insert(state.plain);
  a.clock_states = n - plain.size();
  return a;
}

std::vector<int> PathTo(const SearchResult& r, const SolveAnalysis& a, int state) {
  std::vector<int> path;
  for (int s = state; s >= 0 && a.via[static_cast<size_t>(s)] >= 0;) {
    const int e = a.via[static_cast<size_t>(s)];
    path.push_back(e);
    s = r.edges[static_cast<size_t>(e)].from;
  }
  std::reverse(path.begin(), path.end());
  return path;
}

std::string WalkthroughScript(const SearchResult& r, const SolveAnalysis& a, const std::vector<SolveGoalFlag>& goals) {
  std::ostringstream script;
  const std::vector<int> path = PathTo(r, a, a.goal);
  script << "# The shortest way through the game: " << path.size() << " moves, found by qvl solve.\n";
  script << "# A new game.\n";
  for (const std::string& line : r.start_script) script << line << "\n";
  for (size_t i = 0; i < path.size(); ++i) {
    const SolveEdge& edge = r.edges[static_cast<size_t>(path[i])];
    script << "# " << i + 1 << ". " << MoveText(r, edge) << "\n";
    for (const std::string& line : edge.script) script << line << "\n";
  }
  if (a.goal >= 0 && r.states[static_cast<size_t>(a.goal)].ended) {
    script << "# The game has ended: the main menu is back.\n";
    script << "expect window MainMenu true\n";
  } else {
    script << "# The goal is reached.\n";
    for (const SolveGoalFlag& goal : goals) script << "expect flag " << goal.flag << " " << goal.value << "\n";
  }
  return script.str();
}

void PrintReport(std::ostream& out, const SearchResult& r, const SolveAnalysis& a, const std::string& walkthrough_file) {
  if (a.goal >= 0) {
    const size_t moves = PathTo(r, a, a.goal).size();
    out << "winnable: yes — shortest walkthrough " << Grouped(moves) << (moves == 1 ? " move" : " moves");
    if (!walkthrough_file.empty()) out << ", written to " << walkthrough_file;
    out << "\n";
  } else if (r.complete) {
    out << "winnable: no — no move sequence reaches the goal\n";
  } else {
    out << "winnable: not found in the part of the game searched\n";
  }
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", r.seconds);
  out << "explored: " << Grouped(r.states.size()) << (r.states.size() == 1 ? " state, " : " states, ")
      << Grouped(r.edges.size()) << (r.edges.size() == 1 ? " move, " : " moves, ")
      << (r.complete ? std::string("complete") : "incomplete (" + r.limit + ")") << ", " << seconds << " s ("
      << r.jobs << (r.jobs == 1 ? " job" : " jobs") << ")\n";
  // A search cut short by a countdown's every millisecond: tell the author
  // where the states come from.
  if (!r.complete && a.clock_states * kClockStatesShare >= r.states.size()) {
    out << "  " << Grouped(a.clock_states)
        << " of these states differ from others only in the time left on a countdown (a Delay keeps counting in "
           "the scenes the player goes on to; see docs/solving.md)\n";
  }
  if (a.dead_count == 0) {
    out << "dead ends: none" << (r.complete ? "" : " found") << "\n";
  } else {
    out << "dead ends: " << Grouped(static_cast<size_t>(a.dead_count))
        << (a.dead_count == 1 ? " state" : " states") << " from which the game cannot be won\n";
    for (size_t i = 0; i < a.dead_entries.size() && i < kDeadEndsListed; ++i) {
      const SolveEdge& edge = r.edges[static_cast<size_t>(a.dead_entries[i])];
      out << "  reached by: " << Way(r, a, edge.to, kWayTail) << "\n";
    }
    if (a.dead_entries.size() > kDeadEndsListed) {
      out << "  and " << a.dead_entries.size() - kDeadEndsListed << " more ways in (see --json)\n";
    }
  }
  out << "never reached: ";
  if (a.never_reached.empty()) out << (r.complete ? "nothing" : "nothing found");
  for (size_t i = 0; i < a.never_reached.size(); ++i) out << (i > 0 ? "; " : "") << a.never_reached[i];
  out << "\n";
  if (!r.problems.empty()) {
    out << "problems: " << r.problems.size() << (r.problems.size() == 1 ? " move" : " moves")
        << " went wrong\n";
    for (size_t i = 0; i < r.problems.size() && i < kProblemsListed; ++i) {
      const SolveProblem& problem = r.problems[i];
      out << "  " << Way(r, a, problem.from, kWayTail) << " → " << MoveText(r, problem.from, problem.move) << ": "
          << problem.text << "\n";
    }
  }
}

void WriteGraph(std::ostream& out, const SearchResult& r, const SolveAnalysis& a) {
  out << "digraph states {\n  rankdir=LR;\n  node [shape=box, style=filled, fontsize=10];\n"
         "  edge [fontsize=8];\n";
  for (size_t s = 0; s < r.states.size(); ++s) {
    const SolveState& state = r.states[s];
    const char* colour = state.goal ? "gold" : a.dead[s] ? "salmon" : a.winnable[s] ? "palegreen" : "lightgrey";
    std::string label = "#" + std::to_string(s) + " " + state.summary;
    std::string quoted;
    for (char c : label) quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    out << "  s" << s << " [label=\"" << quoted << "\", fillcolor=" << colour
        << (state.goal ? ", shape=doubleoctagon" : "") << "];\n";
  }
  // One arrow per pair of states, named after the first move between them;
  // moves that change nothing are left out.
  std::map<std::pair<int, int>, std::pair<int, int>> arrows;  // (from, to) -> (first edge, count)
  for (size_t e = 0; e < r.edges.size(); ++e) {
    const SolveEdge& edge = r.edges[e];
    if (edge.from == edge.to) continue;
    auto [it, added] = arrows.try_emplace({edge.from, edge.to}, static_cast<int>(e), 0);
    ++it->second.second;
  }
  for (const auto& [ends, first] : arrows) {
    std::string label = MoveText(r, r.edges[static_cast<size_t>(first.first)]);
    if (first.second > 1) label += " (+" + std::to_string(first.second - 1) + ")";
    std::string quoted;
    for (char c : label) quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    out << "  s" << ends.first << " -> s" << ends.second << " [label=\"" << quoted << "\"];\n";
  }
  out << "}\n";
}

void WriteJson(std::ostream& out, const SearchResult& r, const SolveAnalysis& a) {
  auto way = [&](int state) {
    std::string list = "[";
    const std::vector<int> path = PathTo(r, a, state);
    for (size_t i = 0; i < path.size(); ++i) {
      list += (i > 0 ? "," : "") + JsonString(MoveText(r, r.edges[static_cast<size_t>(path[i])]));
    }
    return list + "]";
  };
  out << "{\"winnable\":" << (a.goal >= 0 ? "true" : "false");
  out << ",\"complete\":" << (r.complete ? "true" : "false");
  out << ",\"limit\":" << (r.complete ? std::string("null") : JsonString(r.limit));
  out << ",\"states\":" << r.states.size() << ",\"moves\":" << r.edges.size();
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.3f", r.seconds);
  out << ",\"seconds\":" << seconds << ",\"jobs\":" << r.jobs << ",\"replays\":" << r.replays;
  out << ",\"walkthrough\":";
  if (a.goal < 0) {
    out << "null";
  } else {
    out << "[";
    const std::vector<int> path = PathTo(r, a, a.goal);
    for (size_t i = 0; i < path.size(); ++i) {
      const SolveEdge& edge = r.edges[static_cast<size_t>(path[i])];
      out << (i > 0 ? "," : "") << "{\"move\":" << JsonString(MoveText(r, edge)) << ",\"script\":[";
      for (size_t l = 0; l < edge.script.size(); ++l) out << (l > 0 ? "," : "") << JsonString(edge.script[l]);
      out << "]}";
    }
    out << "]";
  }
  out << ",\"clock_states\":" << a.clock_states;
  out << ",\"dead_ends\":{\"count\":" << a.dead_count << ",\"entries\":[";
  for (size_t i = 0; i < a.dead_entries.size(); ++i) {
    const SolveEdge& edge = r.edges[static_cast<size_t>(a.dead_entries[i])];
    out << (i > 0 ? "," : "") << "{\"state\":" << edge.to << ",\"way\":" << way(edge.to) << "}";
  }
  out << "]},\"never_reached\":[";
  for (size_t i = 0; i < a.never_reached.size(); ++i) out << (i > 0 ? "," : "") << JsonString(a.never_reached[i]);
  out << "],\"problems\":[";
  for (size_t i = 0; i < r.problems.size(); ++i) {
    const SolveProblem& problem = r.problems[i];
    out << (i > 0 ? "," : "") << "{\"state\":" << problem.from
        << ",\"move\":" << JsonString(MoveText(r, problem.from, problem.move))
        << ",\"text\":" << JsonString(problem.text) << "}";
  }
  out << "],\"graph\":{\"states\":[";
  for (size_t s = 0; s < r.states.size(); ++s) {
    const SolveState& state = r.states[s];
    out << (s > 0 ? "," : "") << "{\"id\":" << s << ",\"summary\":" << JsonString(state.summary)
        << ",\"distance\":" << a.distance[s] << ",\"goal\":" << (state.goal ? "true" : "false")
        << ",\"winnable\":" << (a.winnable[s] ? "true" : "false")
        << ",\"dead_end\":" << (a.dead[s] ? "true" : "false")
        << ",\"searched\":" << (state.Complete() ? "true" : "false") << "}";
  }
  out << "],\"moves\":[";
  for (size_t e = 0; e < r.edges.size(); ++e) {
    const SolveEdge& edge = r.edges[e];
    out << (e > 0 ? "," : "") << "{\"from\":" << edge.from << ",\"to\":" << edge.to
        << ",\"move\":" << JsonString(MoveText(r, edge)) << "}";
  }
  out << "]}}\n";
}

int SolveExitStatus(const SearchResult& r, const SolveAnalysis& a) {
  if (!r.error.empty()) return solve_exit::kBadInput;
  if (!r.complete) return solve_exit::kIncomplete;
  if (a.goal < 0) return solve_exit::kNotWinnable;
  if (a.dead_count > 0 || !a.never_reached.empty() || !r.problems.empty()) return solve_exit::kFaults;
  return solve_exit::kClean;
}

}  // namespace qvl::tools
