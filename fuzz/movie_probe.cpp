// What a movie or MP3 holds, read through the media library without
// decoding it, and its sound counted packet by packet.
#include "fuzz_input.h"
#include "platform/media_probe.h"
#include "platform/runtime_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qvl::fuzz::InputFile file(data, size, "movie.avi");
  try {
    qvl::media::ProbeMedia(file.path().string());
  } catch (const qvl::RuntimeError&) {
  }
  try {
    qvl::media::CountAudioSeconds(file.path().string());
  } catch (const qvl::RuntimeError&) {
  }
  return 0;
}
