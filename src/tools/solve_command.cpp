// qvl solve GAME: explores every resting state of a game by playing it
// headless, and tells whether it can be won, how in the fewest moves, its
// dead ends and what is never reached.
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "tools/commands.h"
#include "tools/game_format.h"
#include "tools/solve_results.h"
#include "tools/solve_search.h"

namespace qvl::tools {

namespace {

struct SolveArgs {
  std::string game;
  std::string out;
  std::string graph;
  bool json = false;
  int max_states = 200000;
  int max_depth = 0;
  int jobs = 0;
  std::vector<std::string> goals;
};

// A game given as its text is built into a folder that goes away afterwards.
class BuiltGame {
 public:
  ~BuiltGame() {
    std::error_code ignored;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
  }
  bool Build(const std::filesystem::path& toml) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvl-solve-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return false;
    dir_ = pattern;
    return BuildGame(toml, dir_, std::cerr) == 0;
  }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

std::optional<SolveGoalFlag> ParseGoal(const std::string& text) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos) return std::nullopt;
  try {
    size_t used = 0;
    SolveGoalFlag goal;
    goal.flag = std::stoi(text.substr(0, eq), &used);
    if (used != eq || goal.flag < 1 || goal.flag > 255) return std::nullopt;
    const std::string value = text.substr(eq + 1);
    goal.value = std::stoi(value, &used);
    if (used != value.size() || goal.value < -32768 || goal.value > 32767) return std::nullopt;
    return goal;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// Writes a file whole, or leaves what was there: the text goes to a
// temporary file first and is renamed over the old one.
bool WriteFile(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".part";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << text;
    if (!file.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

int Solve(const SolveArgs& args) {
  SolveOptions options;
  for (const std::string& text : args.goals) {
    const std::optional<SolveGoalFlag> goal = ParseGoal(text);
    if (!goal) {
      std::cerr << "qvl solve: bad goal \"" << text << "\" (FLAG=VALUE, flag 1 … 255)\n";
      return solve_exit::kBadInput;
    }
    options.goals.push_back(*goal);
  }
  if (args.max_states < 1 || args.max_depth < 0) {
    std::cerr << "qvl solve: --max-states must be at least 1 and --max-depth not negative\n";
    return solve_exit::kBadInput;
  }
  options.max_states = args.max_states;
  options.max_depth = args.max_depth;
  options.jobs = args.jobs > 0 ? args.jobs : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  BuiltGame built;
  std::error_code error;
  if (std::filesystem::is_regular_file(args.game, error)) {
    if (!built.Build(args.game)) {
      std::cerr << "qvl solve: cannot build the game " << args.game << "\n";
      return solve_exit::kBadInput;
    }
    options.game_dir = built.dir();
  } else if (std::filesystem::exists(std::filesystem::path(args.game) / "resource" / "Quorvel4.dat", error)) {
    options.game_dir = std::filesystem::absolute(args.game);
  } else {
    std::cerr << "qvl solve: no game in " << args.game << " (a game folder or its game.toml)\n";
    return solve_exit::kBadInput;
  }

  const SearchResult result = SearchGame(options);
  if (!result.error.empty()) {
    std::cerr << "qvl solve: " << result.error << "\n";
    return solve_exit::kBadInput;
  }
  const SolveAnalysis analysis = Analyse(result);
  std::string written;
  if (!args.out.empty() && analysis.goal >= 0) {
    if (!WriteFile(args.out, WalkthroughScript(result, analysis, options.goals))) {
      std::cerr << "qvl solve: cannot write the walkthrough " << args.out << "\n";
      return solve_exit::kBadInput;
    }
    written = args.out;
  }
  if (!args.graph.empty()) {
    std::ostringstream dot;
    WriteGraph(dot, result, analysis);
    if (!WriteFile(args.graph, dot.str())) {
      std::cerr << "qvl solve: cannot write the graph " << args.graph << "\n";
      return solve_exit::kBadInput;
    }
  }
  if (args.json) {
    WriteJson(std::cout, result, analysis);
  } else {
    PrintReport(std::cout, result, analysis, written);
  }
  return SolveExitStatus(result, analysis);
}

}  // namespace

void AddSolveCommand(CLI::App& app, int& exit_code) {
  auto args = std::make_shared<SolveArgs>();
  CLI::App* solve = app.add_subcommand("solve", "Play every move of a game: can it be won, dead ends, unreached content");
  solve->add_option("GAME", args->game, "The game folder (with resource/) or its game.toml")->required();
  solve->add_option("--out", args->out, "Write the shortest walkthrough as a play script");
  solve->add_option("--graph", args->graph, "Write the state graph for Graphviz");
  solve->add_flag("--json", args->json, "Print the results as JSON");
  solve->add_option("--max-states", args->max_states, "Stop after this many states (default 200000)");
  solve->add_option("--max-depth", args->max_depth, "Explore no deeper than this many moves (default: no limit)");
  solve->add_option("--jobs", args->jobs, "Moves played at once (default: one per core)");
  solve->add_option("--goal", args->goals, "A flag value that wins the game, FLAG=VALUE (all given must hold)");
  solve->callback([args, &exit_code] { exit_code = Solve(*args); });
}

}  // namespace qvl::tools
