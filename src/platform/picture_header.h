// What a picture file is, told by its first bytes rather than its name,
// and how large it says its picture is, read from its header before any
// pixel is decoded.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace qvl {

enum class PictureFormat { kUnknown, kGif, kBmp, kJpeg, kIcon, kCursor };

PictureFormat SniffPictureFormat(std::span<const uint8_t> bytes);

// The width and height a still picture (BMP, JPEG) claims, or for an icon
// or cursor the largest of its pictures; nothing when the header cannot
// be read.
struct ClaimedSize {
  int64_t width = 0;
  int64_t height = 0;
};
std::optional<ClaimedSize> ReadClaimedSize(std::span<const uint8_t> bytes, PictureFormat format);

}  // namespace qvl
