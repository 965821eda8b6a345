// The length of a WAV file read from its header.
#include "fuzz_input.h"
#include "platform/runtime_error.h"
#include "platform/sound_file_length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qvl::fuzz::InputFile file(data, size, "sound.wav");
  try {
    const double seconds = qvl::media::ReadWavSeconds(file.path().string());
    if (!(seconds >= 0)) qvl::fuzz::Finding("a WAV of negative or no length");
  } catch (const qvl::RuntimeError&) {
  }
  return 0;
}
