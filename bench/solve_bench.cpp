// `qvl solve` on the demo game: the search's speed in states and moves per
// second of wall time (counters `states_per_s`, `moves_per_s`) for one and
// two jobs at once. The search stops at a fixed number of states, so each
// run does the same work whatever the jobs; whether the whole demo is
// explored, and how long that takes, `qvl solve build/games/demo --jobs 2`
// tells.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "tools/solve_search.h"

namespace {

constexpr int kStates = 150;

void BM_SolveDemo(benchmark::State& state) {
  qvl::tools::SolveOptions options;
  options.game_dir = std::filesystem::path(QVL_BENCH_GAMES_DIR) / "demo";
  options.max_states = kStates;
  options.jobs = static_cast<int>(state.range(0));
  size_t states = 0;
  size_t moves = 0;
  double seconds = 0;
  for (auto _ : state) {
    const qvl::tools::SearchResult result = qvl::tools::SearchGame(options);
    if (!result.error.empty()) {
      state.SkipWithError(result.error.c_str());
      return;
    }
    states += result.states.size();
    moves += result.edges.size();
    seconds += result.seconds;
  }
  state.counters["states_per_s"] = static_cast<double>(states) / seconds;
  state.counters["moves_per_s"] = static_cast<double>(moves) / seconds;
}
BENCHMARK(BM_SolveDemo)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
