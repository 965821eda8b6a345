// The whole player on a game whose data file or saved game is the input:
// it starts, begins a new game (or loads the saved game) and plays on, as
// a person would, headless in virtual time. Whatever the bytes, it ends
// with a transcript, never a crash.
#include <array>
#include <fstream>
#include <sstream>

#include "app/script_host.h"
#include "fuzz_input.h"
#include "tools/play_script.h"
#include "tools/script_runner.h"

namespace {

namespace fs = std::filesystem;

// The game played: a copy of the demo game of this process's own.
const fs::path& GameCopy() {
  static const fs::path copy = [] {
    const fs::path folder = qvl::fuzz::ScratchFolder() / "game";
    fs::copy(QVL_FUZZ_GAME_DIR, folder, fs::copy_options::recursive);
    fs::remove_all(folder / "Saved");
    fs::create_directories(folder / "Saved");
    return folder;
  }();
  return copy;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteAll(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

constexpr std::array<const char*, 5> kDataFiles = {"Quorvel1.dat", "Quorvel2.dat", "Quorvel3.dat", "Quorvel4.dat",
                                                   "Quorvel5.dat"};

constexpr const char* kNewGame =
    "wait 12000\nclick MainMenu.Buttn(2)\nready 60000\nclick Main.Animation(2)\nready 60000\n"
    "click Main.Directionl(2)\nready 60000\nstate\n";
constexpr const char* kLoadGame =
    "wait 12000\nclick MainMenu.Buttn(3)\nready 60000\nchoose LoadGame.File1 fuzz.sav\n"
    "click LoadGame.ButtnOK\nready 60000\nstate\n";

void Play(const char* script) {
  std::ostringstream out;
  std::ostringstream err;
  const auto commands = qvl::tools::ParseScript(script);
  qvl::tools::RunScript(
      commands, [](const qvl::HostHooks& hooks) { return qvl::MakeGameHost(GameCopy(), hooks); }, {}, out, err);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string_view bytes = qvl::fuzz::Text(data + 1, size - 1);
  const size_t which = data[0] % (kDataFiles.size() + 1);
  if (which == kDataFiles.size()) {
    const fs::path save = GameCopy() / "Saved" / "fuzz.sav";
    WriteAll(save, bytes);
    Play(kLoadGame);
    fs::remove(save);
    return 0;
  }
  const fs::path file = GameCopy() / "resource" / kDataFiles[which];
  const std::string original = ReadAll(file);
  WriteAll(file, bytes);
  Play(kNewGame);
  WriteAll(file, original);
  return 0;
}
