// The compressed image data of one GIF frame turned into its colour
// indexes. Written here rather than taken from the picture library because
// that one crashes on damaged data; this one checks every code.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qvl {

// Decodes `data` (the LZW minimum code size byte followed by the data
// sub-blocks) into `pixel_count` colour indexes, row by row as stored.
// Data that ends early leaves the remaining pixels at `fill`. Gives
// nothing when the data is not valid LZW.
std::optional<std::vector<uint8_t>> DecodeGifLzw(std::span<const uint8_t> data, size_t pixel_count, uint8_t fill);

}  // namespace qvl
