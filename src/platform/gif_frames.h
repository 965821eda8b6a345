// Animated GIFs taken apart and put together frame by frame, the way a web
// browser shows them: each frame drawn over the ones before, then its area
// left, cleared to transparent, or put back, as the frame asks.
#pragma once

#include <cstdint>
#include <span>

#include "platform/image.h"

namespace qvl {

// All frames of a GIF, each fully composed, with its delay. Raises
// RuntimeError 481 when the file is cut short or not a GIF.
PictureRef DecodeGifFrames(std::span<const uint8_t> bytes);

}  // namespace qvl
