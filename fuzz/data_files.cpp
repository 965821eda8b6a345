// A game's five data files, any bytes: dumped as text, which builds the
// same files byte for byte.
#include "fuzz_input.h"
#include "tools/game_format.h"

namespace {

// The input is cut into the five files at each "|QVL|".
qvl::tools::GameData SplitIntoFiles(std::string_view input) {
  qvl::tools::GameData game;
  std::string* files[] = {&game.scenes, &game.locations, &game.items, &game.general, &game.conversations};
  size_t next = 0;
  for (std::string* file : files) {
    const size_t cut = input.find("|QVL|", next);
    *file = std::string(input.substr(next, cut == std::string_view::npos ? std::string_view::npos : cut - next));
    if (cut == std::string_view::npos) break;
    next = cut + 5;
  }
  return game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qvl::tools;
  const GameData game = SplitIntoFiles(qvl::fuzz::Text(data, size));
  std::string text;
  try {
    text = DumpGame(game);
  } catch (const GameFormatError&) {
    return 0;
  }
  try {
    if (ParseGame(text, "dump.toml") != game) qvl::fuzz::Finding("dump and build change the data files");
  } catch (const GameFormatError& error) {
    qvl::fuzz::Finding(std::string("a dumped game does not build: ") + error.what());
  }
  return 0;
}
