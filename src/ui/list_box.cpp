#include "ui/list_box.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/cp1252.h"
#include "platform/input_event.h"
#include "platform/text_numbers.h"

namespace qvl::ui {

ListBox::ListBox(Window& window, std::string name, int index, ControlKind kind)
    : Control(window, kind, std::move(name), index) {}

void ListBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Changed();
}

void ListBox::Clear() {
  items_.clear();
  list_index_ = -1;
  top_index_ = 0;
  Changed();
}

void ListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  list_index_ = -1;
  top_index_ = 0;
  Changed();
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) index = -1;
  list_index_ = index;
  if (index >= 0) {
    if (index < top_index_) SetTopIndex(index);
    if (index >= top_index_ + VisibleCount()) SetTopIndex(index - VisibleCount() + 1);
  }
  Changed();
}

std::string ListBox::SelectedText() const {
  return list_index_ >= 0 ? items_[list_index_] : std::string();
}

void ListBox::SetTopIndex(int index) {
  const int last_top = std::max(0, ListCount() - VisibleCount());
  top_index_ = std::clamp(index, 0, last_top);
  Changed();
}

int ListBox::VisibleCount() const { return std::max(1, height() / kEntryHeight); }

int ListBox::EntryAt(int y) const {
  if (y < 0) return -1;
  const int entry = top_index_ + y / kEntryHeight;
  return entry < ListCount() && y / kEntryHeight < VisibleCount() ? entry : -1;
}

Rect ListBox::EntryRect(int index) const {
  const Rect area = ScreenRect();
  const int line = index - top_index_;
  if (line < 0 || line >= VisibleCount()) return Rect{};
  return Rect{area.left, area.top + line * kEntryHeight, area.width, std::min(kEntryHeight, area.height)};
}

void ListBox::OnClickInside(const MouseArgs& args) {
  const int entry = EntryAt(args.y);
  clicked_again_ = entry >= 0 && entry == list_index_;
  if (entry >= 0) SetListIndex(entry);
}

void ListBox::OnKeyDown(KeyArgs& args) {
  const int was = list_index_;
  if (args.key == keys::kUp && list_index_ > 0) SetListIndex(list_index_ - 1);
  if (args.key == keys::kDown && list_index_ + 1 < ListCount()) SetListIndex(list_index_ + 1);
  // Choosing an entry with the keys is a click on it, as with the mouse.
  if (list_index_ != was && on_click) on_click(MouseArgs{});
}

void ListBox::Draw(DisplayList& out) const {
  DrawStep back = Step(DrawStep::Op::kFill);
  back.colour = 0xFFFFFFFF;
  out.push_back(back);
  const Rect area = ScreenRect();
  for (int i = top_index_; i < ListCount() && i < top_index_ + VisibleCount(); ++i) {
    const Rect line = EntryRect(i);
    if (i == list_index_) {
      DrawStep mark = back;
      mark.rect = line;
      mark.colour = 0xFF000080;
      out.push_back(mark);
    }
    DrawStep text = Step(DrawStep::Op::kText);
    text.rect = Rect{line.left + 2, line.top, std::max(0, line.width - 4), line.height};
    text.colour = i == list_index_ ? 0xFFFFFFFF : 0xFF000000;
    text.text = Cp1252ToUtf8(items_[i]);
    text.style.word_wrap = false;
    out.push_back(text);
  }
  DrawStep edge = Step(DrawStep::Op::kOutline);
  edge.rect = area;
  edge.colour = 0xFF808080;
  out.push_back(edge);
}

// ---- FileListBox

FileListBox::FileListBox(Window& window, std::string name, int index)
    : ListBox(window, std::move(name), index, ControlKind::kFileListBox) {}

void FileListBox::SetPath(std::filesystem::path folder) {
  path_ = std::move(folder);
  Refresh();
}

void FileListBox::SetPattern(std::string pattern) {
  pattern_ = std::move(pattern);
  Refresh();
}

void FileListBox::Refresh() {
  const std::string chosen = FileName();
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(path_, error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    // Names on disk are UTF-8; the list holds them in the game's
    // single-byte characters. A name those cannot hold is not listed.
    const std::string on_disk = it->path().filename().string();
    std::string name = Utf8ToCp1252(on_disk);
    if (Cp1252ToUtf8(name) != on_disk) continue;
    if (MatchesPattern(name, pattern_)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = LCase(a), lb = LCase(b);
    return la != lb ? la < lb : a < b;
  });
  SetItems(std::move(names));
  // The chosen file stays chosen when it is still there.
  for (int i = 0; i < ListCount(); ++i) {
    if (!chosen.empty() && items()[i] == chosen) SetListIndex(i);
  }
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern == "*.*") return true;  // every file, with an extension or without
  // Iterative '*' matching with one back-track point.
  size_t n = 0, p = 0, star = std::string::npos, mark = 0;
  auto same = [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  };
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace qvl::ui
