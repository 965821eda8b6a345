// Play scripts: lines split into tokens and read as commands.
#include "fuzz_input.h"
#include "tools/play_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    qvl::tools::ParseScript(qvl::fuzz::Text(data, size));
  } catch (const qvl::tools::ScriptSyntaxError&) {
  }
  return 0;
}
