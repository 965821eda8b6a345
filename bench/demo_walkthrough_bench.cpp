// The demo game's walkthrough played by `qvl run` in virtual time, from the
// opening logo to the credits. The target is at least 500 times faster
// than real time (the counter `times_real_time`); `resident_MB` is the
// memory afterwards, whose target for the demo game is under 150 MB.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/script_host.h"
#include "resident_memory.h"
#include "tools/play_script.h"
#include "tools/script_runner.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The walkthrough without its screenshots, and with a `state` line just
// before the player quits, so that the transcript tells how much game time
// has passed.
std::vector<qvl::tools::ScriptCommand> WalkthroughCommands() {
  std::string text = ReadFile(fs::path(QVL_BENCH_SOURCE_DIR) / "tests/scripts/demo/walkthrough.qvs");
  const std::string quit = "click MainMenu.Buttn(5)";
  const auto at = text.rfind(quit);
  if (at != std::string::npos) text.insert(at, "state\n");
  std::vector<qvl::tools::ScriptCommand> commands = qvl::tools::ParseScript(text);
  std::erase_if(commands, [](const qvl::tools::ScriptCommand& c) { return c.name == "shot"; });
  return commands;
}

// The game time of the transcript's STATE line, in milliseconds.
double GameMs(const std::string& transcript) {
  const std::string key = "\"time\":";
  const auto at = transcript.find(key);
  if (at == std::string::npos) return 0;
  return std::stod(transcript.substr(at + key.size()));
}

void BM_DemoWalkthrough(benchmark::State& state) {
  const fs::path game = fs::path(QVL_BENCH_GAMES_DIR) / "demo";
  const auto commands = WalkthroughCommands();
  const qvl::tools::RunOptions options;
  double game_ms = 0;
  double wall_ms = 0;
  for (auto _ : state) {
    std::ostringstream out;
    std::ostringstream err;
    const auto started = std::chrono::steady_clock::now();
    const int status = qvl::tools::RunScript(
        commands, [&](const qvl::HostHooks& hooks) { return qvl::MakeGameHost(game, hooks); }, options, out, err);
    wall_ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    if (status != qvl::tools::run_exit::kPassed) {
      state.SkipWithError(("the walkthrough did not pass: " + err.str() + out.str()).c_str());
      break;
    }
    game_ms += GameMs(out.str());
  }
  if (wall_ms > 0) state.counters["times_real_time"] = game_ms / wall_ms;
  state.counters["resident_MB"] = qvl::bench::ResidentMb();
}
BENCHMARK(BM_DemoWalkthrough)->Unit(benchmark::kMillisecond);

}  // namespace
