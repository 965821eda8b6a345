// The length of a standard MIDI file from its tempo map and last event.
#include "fuzz_input.h"
#include "platform/runtime_error.h"
#include "platform/sound_file_length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qvl::fuzz::InputFile file(data, size, "music.mid");
  try {
    const double seconds = qvl::media::ReadMidiSeconds(file.path().string());
    if (!(seconds >= 0)) qvl::fuzz::Finding("a MIDI file of negative or no length");
  } catch (const qvl::RuntimeError&) {
  }
  return 0;
}
