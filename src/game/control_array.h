// A window's control array as the game numbers it: Name(1) … Name(N),
// every element a control of the window (index 0 is never used).
#pragma once

#include <array>
#include <string>

#include "platform/runtime_error.h"
#include "ui/window.h"

namespace qvl {

template <class T, int N>
class ControlArray {
 public:
  static constexpr int kCount = N;

  // Adds the N controls `name`(1) … `name`(N) to the window, in that order.
  ControlArray(ui::Window& window, const std::string& name) {
    for (int i = 1; i <= N; ++i) items_[i] = &window.Add<T>(name, i);
  }

  // Element i (1 … N); any other index is "Subscript out of range".
  T& operator()(int i) const {
    if (i < 1 || i > N) throw RuntimeError(err::kSubscript);
    return *items_[static_cast<size_t>(i)];
  }

 private:
  std::array<T*, N + 1> items_{};
};

}  // namespace qvl
