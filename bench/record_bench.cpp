// Reading scene records: the data part of a scene load, which should take
// a small share of its 15 ms.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "data/record_file.h"
#include "data/scene_rec.h"

namespace {

namespace fs = std::filesystem;

void BM_ReadSceneRecord(benchmark::State& state) {
  fs::path path = fs::temp_directory_path() / "qvl_bench_scenes.dat";
  fs::remove(path);
  {
    auto file = qvl::data::RecordFile::Open(path, qvl::data::SceneRec::kSize);
    qvl::data::SceneRec scene;
    for (int n = 1; n <= 50; ++n) {
      scene.ScenePicture.Set("scene" + std::to_string(n) + ".jpg");
      file.Write(n, scene);
    }
  }
  auto file = qvl::data::RecordFile::Open(path, qvl::data::SceneRec::kSize);
  int n = 0;
  for (auto _ : state) {
    qvl::data::SceneRec scene = file.Read<qvl::data::SceneRec>(n % 50 + 1);
    benchmark::DoNotOptimize(scene);
    ++n;
  }
  fs::remove(path);
}
BENCHMARK(BM_ReadSceneRecord);

}  // namespace
