// A scene load without the game's own waits (virtual time passes them at
// once): reading the record, twenty object pictures, activity, sounds,
// evaluation and the refresh. The target is under 15 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/startup.h"
#include "data/gen_rec.h"
#include "data/record_file.h"
#include "data/scene_rec.h"
#include "engine/new_game.h"
#include "engine/scene_loading.h"
#include "game/player.h"
#include "ui/runtime.h"

namespace {

namespace fs = std::filesystem;

// A game of one scene: a background and twenty animated Ambients, each
// with a show condition, and a Responder to evaluate.
fs::path MakeGame() {
  const fs::path dir = fs::temp_directory_path() / "qvl_bench_scene_load";
  fs::remove_all(dir);
  fs::create_directories(dir / "resource" / "gfx");
  fs::create_directories(dir / "resource" / "mmedia");
  const fs::path source(QVL_BENCH_SOURCE_DIR);
  fs::copy_file(source / "tests/games/basic/resource/gfx/hall.bmp", dir / "resource/gfx/room.bmp");
  fs::copy_file(source / "tests/data/anim/three_frames.gif", dir / "resource/gfx/obj.gif");
  qvl::data::GenRec gen;
  gen.StandardSkin = 0;
  qvl::data::RecordFile::Open(dir / "resource/Quorvel4.dat", qvl::data::GenRec::kSize).Write(1, gen);
  qvl::data::SceneRec scene;
  scene.ScenePicture.Set("room.bmp");
  for (int k = 1; k <= 19; ++k) {
    qvl::data::ObjectSlot& o = scene.slot(k);
    o.Kind = qvl::data::kAmbient;
    o.Left = static_cast<int16_t>(30 * k);
    o.Top = 100;
    o.Text(1).Set("obj.gif");
    o.Param(1) = 1;
    o.Param(5) = 2;  // shown while flag k is 0
    o.Param(6) = static_cast<int16_t>(k);
  }
  scene.slot(20).Kind = qvl::data::kResponder;
  scene.slot(20).Param(1) = 1;
  scene.slot(20).Param(2) = 200;
  scene.slot(20).Param(4) = 1;
  qvl::data::RecordFile::Open(dir / "resource/Quorvel1.dat", qvl::data::SceneRec::kSize).Write(1, scene);
  for (const char* name : {"Quorvel2.dat", "Quorvel3.dat", "Quorvel5.dat"}) {
    std::ofstream(dir / "resource" / name, std::ios::binary);
  }
  return dir;
}

void BM_LoadScene(benchmark::State& state) {
  const fs::path dir = MakeGame();
  qvl::PlayerSetup setup;
  setup.program = dir / "BenchGame";
  auto runtime = qvl::ui::Runtime::MakeHeadless();
  setup.media = qvl::MakeHeadlessMediaSet(runtime->clock(), {});
  auto player = std::make_unique<qvl::Player>(std::move(runtime), std::move(setup));
  qvl::Player& p = *player;
  qvl::StartProgram(p);
  p.loop().WaitUntil([&p] { return p.windows.main_menu.window.visible(); });
  qvl::StartNewGame(p);
  for (auto _ : state) {
    qvl::LoadScene(p, 1);
  }
  if (p.game.CurrentScene != 1) state.SkipWithError("the scene did not load");
  player.reset();
  fs::remove_all(dir);
}
BENCHMARK(BM_LoadScene)->Unit(benchmark::kMillisecond);

}  // namespace
