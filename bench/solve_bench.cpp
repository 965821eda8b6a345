// `qvl solve` on the demo game: the search's speed in states and moves per
// second of wall time (counters `states_per_s`, `moves_per_s`) for one and
// two jobs at once. `BM_SolveDemoNineMovesDeep` searches every state up to
// nine moves from the start, a fixed amount of work that takes seconds;
// `BM_SolveDemo` the whole game, whether it was complete (`complete`, 1 or
// 0) included, which takes a long time and much memory: it is there only
// when QVL_BENCH_WHOLE_DEMO=1 is set, for a quiet machine.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

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

void BM_SolveDemoNineMovesDeep(benchmark::State& state) { Search(state, 9); }
BENCHMARK(BM_SolveDemoNineMovesDeep)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_SolveDemo(benchmark::State& state) { Search(state, 0); }
const bool kWholeDemo = [] {
  const char* asked = std::getenv("QVL_BENCH_WHOLE_DEMO");
  if (asked == nullptr || std::string_view(asked) != "1") return false;
  benchmark::RegisterBenchmark("BM_SolveDemo", BM_SolveDemo)
      ->Arg(2)
      ->Unit(benchmark::kSecond)
      ->Iterations(1)
      ->UseRealTime();
  return true;
}();

}  // namespace
