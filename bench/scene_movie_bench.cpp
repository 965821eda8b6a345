// Benchmarks of a scene movie shown in the game window: drawing the screen
// with the movie's picture of the moment, and the processor time a whole
// movie takes when the screen is drawn at the movie control's pace.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "game/player.h"
#include "media/scene_movie.h"

namespace {

double ProcessCpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// A Player in real time on the media test game, its game window shown, the
// sound going nowhere.
std::unique_ptr<qvl::Player> MoviePlayerGame(int16_t movie_size) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  auto runtime = qvl::ui::Runtime::MakeReal(nullptr, std::make_unique<qvl::QueuedMessageBoxes>(),
                                            std::make_unique<qvl::MemoryClipboard>(), {});
  qvl::PlayerSetup setup;
  setup.program = std::string(QVL_BENCH_SOURCE_DIR) + "/tests/games/media/QuorvelGame";
  setup.media = qvl::MakeDeviceMediaSet(runtime->clock(), {});
  auto player = std::make_unique<qvl::Player>(std::move(runtime), std::move(setup));
  player->windows.main.window.Show();
  player->gen.MovieSize = movie_size;
  return player;
}

void BM_ScreenWithSceneMovie(benchmark::State& state) {
  auto p = MoviePlayerGame(0);
  int16_t level = 100;
  qvl::Image screen(800, 600);
  for (auto _ : state) {
    state.PauseTiming();
    if (!qvl::MoviePlaying(*p)) {
      qvl::PlayMovie(*p, "movie.avi", level, false, false);
    }
    p->loop().DoEvents();
    state.ResumeTiming();
    p->runtime().DrawScreen(screen);
    benchmark::DoNotOptimize(screen.pixels.data());
  }
}
BENCHMARK(BM_ScreenWithSceneMovie)->Unit(benchmark::kMicrosecond);

void BM_SceneMoviePlayingCpu(benchmark::State& state) {
  for (auto _ : state) {
    auto p = MoviePlayerGame(0);
    int16_t level = 100;
    qvl::Image screen(800, 600);
    const double cpu_before = ProcessCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    qvl::PlayMovie(*p, "movie.avi", level, true, false);
    while (!p->movies.MovieFinished) {
      p->loop().DoEvents();
      p->runtime().DrawScreen(screen);
      std::this_thread::sleep_for(std::chrono::milliseconds(25));  // the movie control's pace
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["cpu_percent"] = 100.0 * (ProcessCpuSeconds() - cpu_before) / wall;
  }
}
BENCHMARK(BM_SceneMoviePlayingCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
