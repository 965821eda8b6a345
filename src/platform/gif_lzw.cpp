#include "platform/gif_lzw.h"

#include <array>

namespace qvl {
namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

// Reads codes of a growing bit width, least significant bit first, from
// the data sub-blocks one after another.
class CodeReader {
 public:
  explicit CodeReader(std::span<const uint8_t> blocks) : blocks_(blocks) {}

  // The next code, or -1 when the data is used up.
  int Next(int bits) {
    while (bit_count_ < bits) {
      const int byte = NextByte();
      if (byte < 0) return -1;
      bit_buffer_ |= static_cast<uint32_t>(byte) << bit_count_;
      bit_count_ += 8;
    }
    const int code = static_cast<int>(bit_buffer_ & ((1u << bits) - 1));
    bit_buffer_ >>= bits;
    bit_count_ -= bits;
    return code;
  }

 private:
  int NextByte() {
    while (left_in_block_ == 0) {
      if (at_ >= blocks_.size()) return -1;
      left_in_block_ = blocks_[at_++];
      if (left_in_block_ == 0) {  // the terminating empty block
        at_ = blocks_.size();
        return -1;
      }
    }
    if (at_ >= blocks_.size()) return -1;
    --left_in_block_;
    return blocks_[at_++];
  }

  std::span<const uint8_t> blocks_;
  size_t at_ = 0;
  size_t left_in_block_ = 0;
  uint32_t bit_buffer_ = 0;
  int bit_count_ = 0;
};

}  // namespace

std::optional<std::vector<uint8_t>> DecodeGifLzw(std::span<const uint8_t> data, size_t pixel_count, uint8_t fill) {
  if (data.empty()) return std::nullopt;
  const int min_bits = data[0];
  if (min_bits < 1 || min_bits > 8) return std::nullopt;

  // Each table entry is an earlier entry plus one index; its first index
  // and length are kept so that a string can be written back to front.
  std::array<uint16_t, kTableSize> prefix{};
  std::array<uint8_t, kTableSize> suffix{};
  std::array<uint8_t, kTableSize> first{};
  std::array<uint16_t, kTableSize> length{};
  const int clear = 1 << min_bits;
  const int end = clear + 1;
  for (int i = 0; i < clear; ++i) {
    suffix[i] = static_cast<uint8_t>(i);
    first[i] = static_cast<uint8_t>(i);
    length[i] = 1;
  }

  std::vector<uint8_t> out;
  out.reserve(pixel_count);
  auto emit = [&](int code) {
    const size_t n = length[code];
    const size_t start = out.size();
    out.resize(start + n);
    for (size_t i = n; i-- > 0;) {
      out[start + i] = suffix[code];
      code = prefix[code];
    }
  };

  CodeReader reader(data.subspan(1));
  int bits = min_bits + 1;
  int next = clear + 2;
  int previous = -1;
  while (out.size() < pixel_count) {
    const int code = reader.Next(bits);
    if (code < 0 || code == end) break;
    if (code == clear) {
      bits = min_bits + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (previous < 0) {
      if (code >= clear) return std::nullopt;  // the first code must be a plain index
      emit(code);
      previous = code;
      continue;
    }
    if (code > next || (code == next && next >= kTableSize)) return std::nullopt;
    if (next < kTableSize) {
      // The new entry: the previous string plus the first index of this one
      // (of itself, when the code is the entry being made).
      prefix[next] = static_cast<uint16_t>(previous);
      suffix[next] = code == next ? first[previous] : first[code];
      first[next] = first[previous];
      length[next] = static_cast<uint16_t>(length[previous] + 1);
      ++next;
      if (next == (1 << bits) && bits < kMaxCodeBits) ++bits;
    }
    emit(code);
    previous = code;
  }
  out.resize(pixel_count, fill);
  return out;
}

}  // namespace qvl
