// QuorvelPlayer: plays the game in the folder beside the program, in a
// window, until the game ends.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <new>
#include <system_error>

#include "app/startup.h"
#include "game/player.h"
#include "platform/file_replace.h"
#include "ui/window_runtime.h"

namespace {

// The program file itself, by which the game folder is found.
std::filesystem::path ProgramFile(const char* argv0) {
  std::error_code error;
  auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self;
  return std::filesystem::absolute(argv0, error);
}

}  // namespace

int main(int /*argc*/, char** argv) {
  qvl::IgnoreFileSizeSignal();
  try {
    qvl::PlayerSetup setup;
    setup.program = ProgramFile(argv[0]);
    qvl::Player player(qvl::ui::MakeWindowRuntime({}), std::move(setup));
    try {
      qvl::StartProgram(player);
      player.loop().WaitUntil([&player] { return player.ended; }, qvl::ui::WaitKind::kMain);
    } catch (const qvl::ui::ProgramEnded&) {
    }
    return 0;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "Quorvel Player: run-time error 7: Out of memory\n");
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Quorvel Player: %s\n", error.what());
    return 1;
  }
}
