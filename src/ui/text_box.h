// A one-line text box: focus, a caret the keys and the mouse move, a
// selection, typing, Backspace and Delete, the clipboard, letters it
// refuses, and a maximum length.
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

  // Characters the box does not take, typed or pasted; each attempt raises
  // on_refused instead.
  void SetRefusedCharacters(std::string characters) { refused_ = std::move(characters); }

  // Raised when the text changed.
  std::function<void()> on_change;
  // Raised when a refused character was typed or pasted.
  std::function<void()> on_refused;

  bool TakesFocus() const override { return true; }
  void OnMouseDownInside(const MouseArgs& args) override;
  void OnKeyDown(KeyArgs& args) override;
  void OnKeyPress(int character) override;
  void Draw(DisplayList& out) const override;

 private:
  // Where the text starts inside the box.
  static constexpr int kTextInset = 3;

  void ReplaceSelection(const std::string& with);
  void SetTextKeepCaret(std::string text);
  // Pastes the clipboard's text over the selection.
  void Paste();
  void CopySelection() const;
  // The pixel offset of the boundary before character `index`.
  int OffsetOf(int index) const;

  std::string text_;
  std::string refused_;
  int max_length_ = 0;
  int sel_start_ = 0;  // the caret when nothing is selected
  int sel_length_ = 0;
};

}  // namespace qvl::ui
