// Animated GIFs taken apart and put together frame by frame, the way a web
// browser shows them: each frame drawn over the ones before, then its area
// left, cleared to transparent, or put back, as the frame asks.
#pragma once

#include <cstdint>
#include <span>

#include "platform/image.h"
#include "platform/picture_budget.h"

namespace qvl {

// All frames of a GIF, each fully composed, with its delay. A file cut
// short or damaged after a whole frame keeps the frames before the damage.
// Raises RuntimeError 481 when the file is not a GIF, has no whole frame,
// or would not fit in the budget.
PictureRef DecodeGifFrames(std::span<const uint8_t> bytes, PictureBudget& budget);

}  // namespace qvl
