// Sound and movie costs: a sound request in headless play (each reads the
// WAV header, so `qvl run` stays far faster than real time), scaling a
// movie picture to the scene area, and the CPU a playing movie takes in
// real play (counter cpu_percent, share of one core). Real play uses SDL's
// dummy audio driver unless SDL_AUDIODRIVER says otherwise.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/media_backends.h"

namespace {

std::string MediaFile(const std::string& name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "tests/data/media" / name).string();
}

class StillClock : public qvl::Clock {
 public:
  int64_t NowMs() const override { return now; }
  bool IsVirtual() const override { return true; }
  int64_t now = 0;
};

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_HeadlessSoundRequest(benchmark::State& state) {
  StillClock clock;
  auto mixer = qvl::MakeHeadlessMixer(clock);
  const std::string wav = MediaFile("tone440.wav");
  for (auto _ : state) {
    mixer->PlayFile(wav, false, 3);
    mixer->SetChannelPan(3, -2000);
    mixer->SetChannelVolume(3, -600);
    clock.now += 10;
    benchmark::DoNotOptimize(mixer->IsPlaying(3));
  }
}
BENCHMARK(BM_HeadlessSoundRequest);

void BM_MovieFrameAtSceneSize(benchmark::State& state) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  auto movie = qvl::MakeFfmpegMoviePlayer();
  movie->Open(MediaFile("redblue_mpeg4.avi"));
  movie->Play();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  bool wide = true;
  for (auto _ : state) {
    // Alternating sizes makes every call scale the picture afresh.
    const qvl::Image frame = wide ? movie->CurrentFrame(700, 475) : movie->CurrentFrame(400, 175);
    benchmark::DoNotOptimize(frame.pixels.data());
    wide = !wide;
  }
}
BENCHMARK(BM_MovieFrameAtSceneSize)->Unit(benchmark::kMicrosecond);

void BM_MoviePlayingCpu(benchmark::State& state) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  for (auto _ : state) {
    auto movie = qvl::MakeFfmpegMoviePlayer();
    movie->Open(MediaFile("redblue_mpeg1.mpg"));
    const double cpu_before = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    movie->Play();
    while (!movie->Ended()) {
      benchmark::DoNotOptimize(movie->CurrentFrame(700, 475).pixels.data());
      std::this_thread::sleep_for(std::chrono::milliseconds(16));  // one screen refresh
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["cpu_percent"] = 100.0 * (CpuSeconds() - cpu_before) / wall;
  }
}
BENCHMARK(BM_MoviePlayingCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
