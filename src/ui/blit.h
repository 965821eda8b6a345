// Pixel work on the screen image: fills and picture copies, each kept
// inside a clip rectangle and blended by the source's alpha.
#pragma once

#include "platform/image.h"
#include "ui/display_list.h"

namespace qvl::ui {

// The part two rectangles share (empty when they do not meet).
Rect Intersect(const Rect& a, const Rect& b);

// One pixel laid over another: straight alpha, "source over".
uint32_t BlendOver(uint32_t below, uint32_t above);

// Fills `area` ∩ `clip` with `colour`, blended by its alpha.
void FillRect(Image& target, const Rect& area, Colour colour, const Rect& clip);

// Lays `picture` with its top-left at (left, top), at its own size.
void DrawImage(Image& target, const Image& picture, int left, int top, const Rect& clip);

// Lays `picture` stretched (nearest pixel) to fill `area`.
void DrawImageStretched(Image& target, const Image& picture, const Rect& area, const Rect& clip);

}  // namespace qvl::ui
