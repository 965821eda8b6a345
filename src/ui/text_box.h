// A one-line text box: focus, a caret, a selection, typing, Backspace and
// a maximum length.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace qvl::ui {

class TextBox : public Control {
 public:
  TextBox(Window& window, std::string name, int index);

  // The text in the game's single-byte characters.
  const std::string& text() const { return text_; }
  // Replaces the text; the caret goes to its end.
  void SetText(std::string text);
  // 0: no limit.
  int max_length() const { return max_length_; }
  void SetMaxLength(int length) { max_length_ = length; }

  int sel_start() const { return sel_start_; }
  int sel_length() const { return sel_length_; }
  void Select(int start, int length);
  void SelectAll() { Select(0, static_cast<int>(text_.size())); }
  std::string SelectedText() const { return text_.substr(sel_start_, sel_length_); }

  // Raised when the text changed.
  std::function<void()> on_change;

  bool TakesFocus() const override { return true; }
  void OnKeyDown(KeyArgs& args) override;
  void OnKeyPress(int character) override;
  void Draw(DisplayList& out) const override;

 private:
  void ReplaceSelection(const std::string& with);
  void SetTextKeepCaret(std::string text);

  std::string text_;
  int max_length_ = 0;
  int sel_start_ = 0;  // the caret when nothing is selected
  int sel_length_ = 0;
};

}  // namespace qvl::ui
