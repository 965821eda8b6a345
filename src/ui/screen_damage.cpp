#include "ui/screen_damage.h"

#include <algorithm>
#include <cstdint>

#include "ui/blit.h"

namespace qvl::ui {

namespace {

bool IsEmpty(const Rect& r) { return r.width <= 0 || r.height <= 0; }

int64_t AreaOf(const Rect& r) { return static_cast<int64_t>(r.width) * r.height; }

// Beyond this many step pairs the changed middle of two lists is not lined
// up step by step: it counts as changed as a whole.
constexpr size_t kMostPairsToLineUp = size_t{1} << 16;

// Which steps of `before` and `after` are kept (true) in a longest common
// run of equal steps, in order.
void LineUp(const DrawStep* before, size_t n, const DrawStep* after, size_t m, std::vector<bool>& kept_before,
            std::vector<bool>& kept_after) {
  // lengths[i * (m + 1) + j]: the longest common run of before[i..] and after[j..].
  std::vector<uint32_t> lengths((n + 1) * (m + 1), 0);
  const auto at = [&](size_t i, size_t j) -> uint32_t& { return lengths[i * (m + 1) + j]; };
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      at(i, j) = before[i] == after[j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    }
  }
  size_t i = 0;
  size_t j = 0;
  while (i < n && j < m) {
    if (before[i] == after[j]) {
      kept_before[i++] = true;
      kept_after[j++] = true;
    } else if (at(i + 1, j) >= at(i, j + 1)) {
      ++i;
    } else {
      ++j;
    }
  }
}

}  // namespace

Rect Union(const Rect& a, const Rect& b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  const int left = std::min(a.left, b.left);
  const int top = std::min(a.top, b.top);
  return Rect{left, top, std::max(a.Right(), b.Right()) - left, std::max(a.Bottom(), b.Bottom()) - top};
}

void ScreenAreas::Add(const Rect& area) {
  if (IsEmpty(area)) return;
  Rect joined = area;
  // Joining one area may make it meet others: keep joining until none do.
  bool grew = true;
  while (grew) {
    grew = false;
    for (auto it = areas_.begin(); it != areas_.end(); ++it) {
      if (IsEmpty(Intersect(*it, joined))) continue;
      joined = Union(*it, joined);
      areas_.erase(it);
      grew = true;
      break;
    }
  }
  areas_.push_back(joined);
  if (areas_.size() > kMostAreas) JoinClosestPair();
}

void ScreenAreas::JoinClosestPair() {
  // The two areas whose joining paints the fewest pixels that did not change.
  size_t best_a = 0;
  size_t best_b = 1;
  int64_t best_waste = -1;
  for (size_t a = 0; a < areas_.size(); ++a) {
    for (size_t b = a + 1; b < areas_.size(); ++b) {
      const int64_t waste = AreaOf(Union(areas_[a], areas_[b])) - AreaOf(areas_[a]) - AreaOf(areas_[b]);
      if (best_waste < 0 || waste < best_waste) {
        best_waste = waste;
        best_a = a;
        best_b = b;
      }
    }
  }
  const Rect joined = Union(areas_[best_a], areas_[best_b]);
  areas_.erase(areas_.begin() + static_cast<ptrdiff_t>(best_b));
  areas_.erase(areas_.begin() + static_cast<ptrdiff_t>(best_a));
  Add(joined);
}

ScreenAreas ChangedAreas(const DisplayList& before, const DisplayList& after,
                         const std::function<Rect(const DrawStep&)>& extent) {
  // The unchanged steps at the back and at the front of the screen.
  size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  size_t tail = 0;
  while (tail < before.size() - head && tail < after.size() - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  const size_t n = before.size() - head - tail;
  const size_t m = after.size() - head - tail;
  std::vector<bool> kept_before(n, false);
  std::vector<bool> kept_after(m, false);
  if (n > 0 && m > 0 && (n + 1) * (m + 1) <= kMostPairsToLineUp) {
    LineUp(before.data() + head, n, after.data() + head, m, kept_before, kept_after);
  }

  ScreenAreas areas;
  for (size_t i = 0; i < n; ++i) {
    if (!kept_before[i]) areas.Add(extent(before[head + i]));
  }
  for (size_t j = 0; j < m; ++j) {
    if (!kept_after[j]) areas.Add(extent(after[head + j]));
  }
  return areas;
}

}  // namespace qvl::ui
