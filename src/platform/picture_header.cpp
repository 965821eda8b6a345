#include "platform/picture_header.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace qvl {

namespace {

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> magic) {
  return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

uint32_t U16Le(std::span<const uint8_t> b, size_t at) { return b[at] | (b[at + 1] << 8); }
uint32_t U32Le(std::span<const uint8_t> b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint32_t U16Be(std::span<const uint8_t> b, size_t at) { return (b[at] << 8) | b[at + 1]; }

// A device-independent bitmap header (in a BMP after its file header, in
// an icon at its picture's offset): the old 12-byte form keeps 16-bit
// sizes, every later form 32-bit signed ones (a negative height stores the
// rows top-down).
std::optional<ClaimedSize> BitmapHeaderSize(std::span<const uint8_t> b, size_t at) {
  if (at > b.size() || b.size() - at < 12) return std::nullopt;
  const uint32_t header_size = U32Le(b, at);
  if (header_size == 12) return ClaimedSize{U16Le(b, at + 4), U16Le(b, at + 6)};
  if (header_size < 16) return std::nullopt;
  const auto width = static_cast<int32_t>(U32Le(b, at + 4));
  const auto height = static_cast<int32_t>(U32Le(b, at + 8));
  return ClaimedSize{std::llabs(width), std::llabs(height)};
}

// The frame header of a JPEG: walk the marker segments up to the first
// start-of-frame marker (C0 … CF but C4, C8 and CC, which are tables).
std::optional<ClaimedSize> JpegFrameSize(std::span<const uint8_t> b) {
  size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    const uint8_t marker = b[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
      at += 2;
      continue;
    }
    const uint32_t length = U16Be(b, at + 2);
    if (length < 2) return std::nullopt;
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (at + 9 > b.size()) return std::nullopt;
      return ClaimedSize{U16Be(b, at + 7), U16Be(b, at + 5)};
    }
    if (marker == 0xDA || marker == 0xD9) return std::nullopt;  // a scan before any frame header
    at += 2 + length;
  }
  return std::nullopt;
}

// An icon or cursor directory: every picture in it, the largest counts.
std::optional<ClaimedSize> IconSize(std::span<const uint8_t> b) {
  constexpr size_t kHeader = 6;
  constexpr size_t kEntry = 16;
  if (b.size() < kHeader) return std::nullopt;
  const uint32_t count = U16Le(b, 4);
  if (count == 0) return std::nullopt;
  ClaimedSize largest;
  for (uint32_t i = 0; i < count; ++i) {
    const size_t entry = kHeader + kEntry * i;
    if (entry + kEntry > b.size()) return std::nullopt;
    const auto inner = BitmapHeaderSize(b, U32Le(b, entry + 12));
    if (!inner) return std::nullopt;
    if (inner->width * inner->height > largest.width * largest.height) largest = *inner;
  }
  return largest;
}

}  // namespace

PictureFormat SniffPictureFormat(std::span<const uint8_t> bytes) {
  if (StartsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) || StartsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'})) {
    return PictureFormat::kGif;
  }
  if (StartsWith(bytes, {'B', 'M'})) return PictureFormat::kBmp;
  if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) return PictureFormat::kJpeg;
  if (StartsWith(bytes, {0, 0, 1, 0})) return PictureFormat::kIcon;
  if (StartsWith(bytes, {0, 0, 2, 0})) return PictureFormat::kCursor;
  return PictureFormat::kUnknown;
}

std::optional<ClaimedSize> ReadClaimedSize(std::span<const uint8_t> bytes, PictureFormat format) {
  switch (format) {
    case PictureFormat::kBmp: return BitmapHeaderSize(bytes, 14);
    case PictureFormat::kJpeg: return JpegFrameSize(bytes);
    case PictureFormat::kIcon:
    case PictureFormat::kCursor: return IconSize(bytes);
    default: return std::nullopt;
  }
}

}  // namespace qvl
