// `qvl solve` on the demo game, explored completely: the wall time, the
// search's speed in states and moves per second (counters `states_per_s`,
// `moves_per_s`) and whether it was complete (`complete`, 1 or 0), with
// one, two and four jobs at once.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "tools/solve_search.h"

namespace {

void Search(benchmark::State& state, int max_depth) {
  qvl::tools::SolveOptions options;
  options.game_dir = std::filesystem::path(QVL_BENCH_GAMES_DIR) / "demo";
  options.jobs = static_cast<int>(state.range(0));
  options.max_depth = max_depth;
  size_t states = 0;
  size_t moves = 0;
  double seconds = 0;
  bool complete = true;
  for (auto _ : state) {
    const qvl::tools::SearchResult result = qvl::tools::SearchGame(options);
    if (!result.error.empty()) {
      state.SkipWithError(result.error.c_str());
      return;
    }
    states += result.states.size();
    moves += result.edges.size();
    seconds += result.seconds;
    complete = complete && result.complete;
  }
  state.counters["states"] = static_cast<double>(states);
  state.counters["states_per_s"] = static_cast<double>(states) / seconds;
  state.counters["moves_per_s"] = static_cast<double>(moves) / seconds;
  state.counters["complete"] = complete ? 1 : 0;
}

void BM_SolveDemo(benchmark::State& state) { Search(state, 0); }
BENCHMARK(BM_SolveDemo)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
