// Start to main menu without the game's own timers (virtual time passes
// the start window's 1200 ms at once): making the Player and its windows,
// reading the settings, opening the data files, the standard skin's
// pictures and pointers, and the menu. The target is under 150 ms, and
// the resident memory afterwards under 150 MB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/startup.h"
#include "data/gen_rec.h"
#include "data/record_file.h"
#include "game/player.h"
#include "resident_memory.h"
#include "ui/runtime.h"

namespace {

namespace fs = std::filesystem;

// A game with the skin test game's pictures and sounds and a standard skin
// that uses them all.
fs::path MakeGame() {
  const fs::path dir = fs::temp_directory_path() / "qvl_bench_startup";
  fs::remove_all(dir);
  fs::create_directories(dir / "resource");
  fs::copy(fs::path(QVL_BENCH_SOURCE_DIR) / "tests/games/skin/resource", dir / "resource",
           fs::copy_options::recursive);
  qvl::data::GenRec gen;
  gen.StandardSkin = 1;
  gen.HoverSound.Set("hover.wav");
  gen.MenuMusic.Set("menu.wav");
  gen.Pointer(13).Set("arrow.gif");
  qvl::data::Text15* layout[11] = {&gen.Skin1, &gen.Skin2, &gen.Skin3, &gen.Skin4, &gen.Skin5, &gen.Skin6,
                                   &gen.Skin8, &gen.Skin7, &gen.Skin10, &gen.Skin9, &gen.Skin11};
  for (auto* field : layout) field->Set("10/10");
  for (int k = 1; k <= 5; ++k) gen.MenuButton(k) = 1;
  qvl::data::RecordFile::Open(dir / "resource/Quorvel4.dat", qvl::data::GenRec::kSize).Write(1, gen);
  for (const char* name : {"Quorvel1.dat", "Quorvel2.dat", "Quorvel3.dat", "Quorvel5.dat"}) {
    std::ofstream(dir / "resource" / name, std::ios::binary);
  }
  return dir;
}

void BM_StartToMainMenu(benchmark::State& state) {
  const fs::path dir = MakeGame();
  for (auto _ : state) {
    qvl::PlayerSetup setup;
    setup.program = dir / "BenchGame";
    auto runtime = qvl::ui::Runtime::MakeHeadless();
    setup.media = qvl::MakeHeadlessMediaSet(runtime->clock(), {});
    qvl::Player p(std::move(runtime), std::move(setup));
    qvl::StartProgram(p);
    p.loop().WaitUntil([&p] { return p.windows.main_menu.window.visible(); });
    state.counters["resident_MB"] = qvl::bench::ResidentMb();
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_StartToMainMenu)->Unit(benchmark::kMillisecond);

}  // namespace
