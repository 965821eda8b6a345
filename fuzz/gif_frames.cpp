// GIF files taken apart and composed frame by frame.
#include "fuzz_input.h"
#include "platform/gif_frames.h"
#include "platform/runtime_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qvl::PictureBudget budget;
  try {
    const qvl::PictureRef picture = qvl::DecodeGifFrames(qvl::fuzz::Bytes(data, size), budget);
    if (picture->FrameCount() < 1) qvl::fuzz::Finding("a GIF without frames was accepted");
    for (const qvl::Frame& frame : picture->frames) {
      if (frame.image.width != picture->width || frame.image.height != picture->height) {
        qvl::fuzz::Finding("a frame differs from the picture's size");
      }
    }
  } catch (const qvl::RuntimeError& error) {
    if (error.number() != qvl::err::kInvalidPicture) qvl::fuzz::Finding("GIF error " + error.description());
  }
  return 0;
}
