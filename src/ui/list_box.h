// Lists of entries the player picks from: the plain list box (the notify
// log) and the file list box of the save and load dialogs.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "ui/control.h"

namespace qvl::ui {

class ListBox : public Control {
 public:
  // Every entry takes this many pixels of height.
  static constexpr int kEntryHeight = 16;

  ListBox(Window& window, std::string name, int index, ControlKind kind = ControlKind::kListBox);

  const std::vector<std::string>& items() const { return items_; }
  int ListCount() const { return static_cast<int>(items_.size()); }
  void AddItem(std::string item);
  void Clear();

  // The selected entry (counted from 0), −1 when none.
  int list_index() const { return list_index_; }
  // Selects an entry (−1: none) and keeps it in view.
  void SetListIndex(int index);
  // The selected entry's text, empty when none.
  std::string SelectedText() const;

  // The first entry in view, and how many entries fit.
  int top_index() const { return top_index_; }
  void SetTopIndex(int index);
  int VisibleCount() const;
  // The entry at a point relative to the control, −1 when none.
  int EntryAt(int y) const;
  // Where an entry lies on the screen (its line), when in view.
  Rect EntryRect(int index) const;

  // The last click was on the entry that was already chosen (a double
  // click on one entry, not two clicks on two).
  bool clicked_again() const { return clicked_again_; }

  bool TakesFocus() const override { return true; }
  void OnClickInside(const MouseArgs& args) override;
  void OnKeyDown(KeyArgs& args) override;
  void Draw(DisplayList& out) const override;

 protected:
  void SetItems(std::vector<std::string> items);

 private:
  std::vector<std::string> items_;
  int list_index_ = -1;
  int top_index_ = 0;
  bool clicked_again_ = false;
};

// The files of one folder whose names match a pattern such as "*.sav",
// sorted by name.
class FileListBox : public ListBox {
 public:
  FileListBox(Window& window, std::string name, int index);

  const std::filesystem::path& path() const { return path_; }
  void SetPath(std::filesystem::path folder);
  const std::string& pattern() const { return pattern_; }
  void SetPattern(std::string pattern);
  // Reads the folder again; a missing folder lists nothing.
  void Refresh();
  // The chosen file's name (without folder), empty when none.
  std::string FileName() const { return SelectedText(); }

 private:
  std::filesystem::path path_;
  std::string pattern_ = "*.*";
};

// Whether a file name matches a pattern of '*' and '?' (letter case ignored).
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace qvl::ui
