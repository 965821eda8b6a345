// Pictures and pointers of a game as the player loads them: told by their
// content, under the memory budget.
#include "fuzz_input.h"
#include "platform/picture_files.h"
#include "platform/runtime_error.h"

namespace {

void CheckShape(const qvl::PictureRef& picture) {
  if (!picture || picture->FrameCount() < 1) qvl::fuzz::Finding("a picture without frames");
  for (const qvl::Frame& frame : picture->frames) {
    if (frame.image.pixels.size() != static_cast<size_t>(frame.image.width) * frame.image.height) {
      qvl::fuzz::Finding("a frame's pixels do not match its size");
    }
  }
}

void Expect481(const qvl::RuntimeError& error) {
  if (error.number() != qvl::err::kInvalidPicture) qvl::fuzz::Finding("picture error " + error.description());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qvl::PictureBudget budget;
  try {
    CheckShape(qvl::DecodeGamePicture(qvl::fuzz::Bytes(data, size), budget));
  } catch (const qvl::RuntimeError& error) {
    Expect481(error);
  }
  try {
    CheckShape(qvl::DecodeGamePointer(qvl::fuzz::Bytes(data, size), budget).picture);
  } catch (const qvl::RuntimeError& error) {
    Expect481(error);
  }
  if (budget.InUse() != 0) qvl::fuzz::Finding("pictures let go still count against the budget");
  return 0;
}
