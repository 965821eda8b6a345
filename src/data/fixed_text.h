// A fixed-length text field of a game record: n single-byte characters kept
// exactly as stored, read back trimmed, written padded with spaces.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text_numbers.h"

namespace qvl::data {

template <size_t N>
class FixedText {
 public:
  static constexpr size_t kLength = N;

  // An empty field: all spaces.
  FixedText() { bytes_.fill(' '); }
  // A field holding `text`, so that `gen.GameTitle = "My game"` reads naturally.
  FixedText(std::string_view text) : FixedText() { Set(text); }

  // The text as the game uses it: leading and trailing spaces removed.
  std::string Trimmed() const { return Trim(Raw()); }

  // Every stored byte, padding included.
  std::string_view Raw() const { return std::string_view(bytes_.data(), N); }

  // Stores `text` byte for byte, padded with spaces or cut to the field's length.
  void Set(std::string_view text) {
    bytes_.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), N), bytes_.begin());
  }

  char* data() { return bytes_.data(); }
  const char* data() const { return bytes_.data(); }

  bool operator==(const FixedText&) const = default;

 private:
  std::array<char, N> bytes_;
};

using Text15 = FixedText<15>;
using Text20 = FixedText<20>;
using Text30 = FixedText<30>;
using Text50 = FixedText<50>;

}  // namespace qvl::data
