// A fixed array of record fields numbered from 1, as the game numbers its
// slots, lines and flags: field(1) … field(N).
#pragma once

#include <array>

#include "platform/runtime_error.h"

namespace qvl::data {

template <class T, int N>
class OneBased {
 public:
  static constexpr int kCount = N;

  // Element i (1 … N); any other index is "Subscript out of range".
  T& operator()(int i) { return items_[Index(i)]; }
  const T& operator()(int i) const { return items_[Index(i)]; }

  bool operator==(const OneBased&) const = default;

 private:
  static size_t Index(int i) {
    if (i < 1 || i > N) throw RuntimeError(err::kSubscript);
    return static_cast<size_t>(i - 1);
  }
  std::array<T, N> items_{};
};

}  // namespace qvl::data
