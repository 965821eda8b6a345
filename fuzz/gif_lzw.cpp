// The LZW decoder of GIF frames: any data, any pixel count.
#include "fuzz_input.h"
#include "platform/gif_lzw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  // The first bytes choose the fill and the number of pixels (up to 1 M).
  const uint8_t fill = data[0];
  const size_t pixels = (static_cast<size_t>(data[1]) | (static_cast<size_t>(data[2]) << 8)) * 16;
  const auto decoded = qvl::DecodeGifLzw(qvl::fuzz::Bytes(data + 3, size - 3), pixels, fill);
  if (decoded && decoded->size() != pixels) qvl::fuzz::Finding("LZW gave a different number of pixels");
  return 0;
}
