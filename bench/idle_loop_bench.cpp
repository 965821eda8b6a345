// Idle CPU of real play: the event loop with a window showing twenty
// animated objects (and, for comparison, a still screen) for two seconds of
// real time. Reports the process's CPU time as a share of one core in the
// counter cpu_percent (target: under 3 %). Needs a display: run under
// xvfb-run, or with SDL_VIDEODRIVER=dummy.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <memory>

#include "ui/animated_picture.h"
#include "ui/simple_controls.h"
#include "ui/window_runtime.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A three-frame picture of 60 × 60 pixels, 100 ms a frame.
qvl::PictureRef ThreeFrames() {
  auto picture = std::make_shared<qvl::Picture>();
  picture->width = 60;
  picture->height = 60;
  for (uint32_t colour : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}) {
    picture->frames.push_back(qvl::Frame{qvl::Image(60, 60, colour), 100});
  }
  return picture;
}

void IdleFor2s(benchmark::State& state, int animations) {
  for (auto _ : state) {
    std::unique_ptr<qvl::ui::Runtime> rt;
    try {
      rt = qvl::ui::MakeWindowRuntime({});
    } catch (const std::exception& error) {
      state.SkipWithError(error.what());
      return;
    }
    qvl::ui::Window& main = rt->windows().Add("Main");
    auto& scene = main.Add<qvl::ui::PictureBox>("ScnImg");
    scene.Move(0, 0, 700, 475);
    scene.SetBackColour(0xFF204060);
    const qvl::PictureRef frames = ThreeFrames();
    for (int i = 1; i <= animations; ++i) {
      auto& object = main.Add<qvl::ui::AnimatedPicture>("Animation", i);
      object.LoadPicture(frames);
      object.Move(20 + (i - 1) % 10 * 65, 40 + (i - 1) / 10 * 200);
      object.Start();
    }
    main.Show();

    const double cpu_before = CpuSeconds();
    const auto wall_before = std::chrono::steady_clock::now();
    bool done = false;
    rt->scheduler().Start(2000, false, [&] { done = true; });
    long checks = 0;  // how often the loop woke up: it must not spin
    rt->loop().WaitUntil([&] {
      ++checks;
      return done;
    });
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_before).count();
    state.counters["cpu_percent"] = 100.0 * (CpuSeconds() - cpu_before) / wall;
    state.counters["wakeups_per_s"] = checks / wall;
  }
}

void BM_IdleTwentyAnimations(benchmark::State& state) { IdleFor2s(state, 20); }
void BM_IdleStillScreen(benchmark::State& state) { IdleFor2s(state, 0); }

BENCHMARK(BM_IdleTwentyAnimations)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_IdleStillScreen)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
