// Game texts: read as TOML and checked field by field. A text that builds
// dumps to a text that builds the same data.
#include "fuzz_input.h"
#include "tools/game_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qvl::tools;
  GameData game;
  try {
    game = ParseGame(qvl::fuzz::Text(data, size), "fuzz.toml");
  } catch (const GameFormatError&) {
    return 0;
  }
  try {
    if (ParseGame(DumpGame(game), "dump.toml") != game) qvl::fuzz::Finding("a dumped game builds differently");
  } catch (const GameFormatError& error) {
    qvl::fuzz::Finding(std::string("a dumped game does not build: ") + error.what());
  }
  return 0;
}
