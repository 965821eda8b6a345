// Decoding pictures as scene loads and start-up do: an animated GIF and
// the whole set of built-in pictures.
#include <benchmark/benchmark.h>

#include "platform/picture_files.h"
#include "ui/builtin_pictures.h"
#include "ui/embedded_assets.h"

namespace {

// The engine logo: 320 × 120, seven frames.
void BM_DecodeAnimatedGif(benchmark::State& state) {
  const auto bytes = qvl::ui::EmbeddedAsset("engine_logo.gif");
  qvl::PictureBudget budget;
  for (auto _ : state) {
    qvl::PictureRef logo = qvl::DecodeGamePicture(bytes, budget);
    benchmark::DoNotOptimize(logo.get());
  }
}
BENCHMARK(BM_DecodeAnimatedGif)->Unit(benchmark::kMillisecond);

// Every pointer and placeholder, as the player makes them at start-up.
void BM_MakeBuiltinPictures(benchmark::State& state) {
  for (auto _ : state) {
    qvl::ui::BuiltinPictures builtin;
    benchmark::DoNotOptimize(&builtin);
  }
}
BENCHMARK(BM_MakeBuiltinPictures)->Unit(benchmark::kMillisecond);

}  // namespace
