#include "ui/text_box.h"

#include <algorithm>

#include "platform/cp1252.h"
#include "platform/input_event.h"
#include "ui/window.h"

namespace qvl::ui {

TextBox::TextBox(Window& window, std::string name, int index)
    : Control(window, ControlKind::kTextBox, std::move(name), index) {}

void TextBox::SetText(std::string text) {
  if (max_length_ > 0 && static_cast<int>(text.size()) > max_length_) text.resize(max_length_);
  sel_start_ = static_cast<int>(text.size());
  sel_length_ = 0;
  SetTextKeepCaret(std::move(text));
}

void TextBox::SetTextKeepCaret(std::string text) {
  if (text == text_) {
    Changed();
    return;
  }
  text_ = std::move(text);
  Changed();
  if (on_change) on_change();
}

void TextBox::Select(int start, int length) {
  const int size = static_cast<int>(text_.size());
  sel_start_ = std::clamp(start, 0, size);
  sel_length_ = std::clamp(length, 0, size - sel_start_);
  Changed();
}

void TextBox::ReplaceSelection(const std::string& with) {
  std::string text = text_;
  text.replace(sel_start_, sel_length_, with);
  sel_start_ += static_cast<int>(with.size());
  sel_length_ = 0;
  SetTextKeepCaret(std::move(text));
}

void TextBox::OnKeyDown(KeyArgs& args) {
  const int size = static_cast<int>(text_.size());
  switch (args.key) {
    case keys::kLeft:
      Select(sel_length_ > 0 ? sel_start_ : sel_start_ - 1, 0);
      break;
    case keys::kRight:
      Select(sel_length_ > 0 ? sel_start_ + sel_length_ : sel_start_ + 1, 0);
      break;
    case keys::kDelete:
      if (sel_length_ == 0 && sel_start_ < size) sel_length_ = 1;
      ReplaceSelection("");
      break;
    default:
      break;
  }
}

void TextBox::OnKeyPress(int character) {
  if (character == keys::kBackspace) {
    if (sel_length_ == 0) {
      if (sel_start_ == 0) return;
      --sel_start_;
      sel_length_ = 1;
    }
    ReplaceSelection("");
    return;
  }
  if (character < 32 || character > 255) return;
  const int kept = static_cast<int>(text_.size()) - sel_length_;
  if (max_length_ > 0 && kept >= max_length_) return;
  ReplaceSelection(std::string(1, static_cast<char>(character)));
}

void TextBox::Draw(DisplayList& out) const {
  DrawStep back = Step(DrawStep::Op::kFill);
  back.colour = 0xFFFFFFFF;
  out.push_back(back);
  DrawStep edge = Step(DrawStep::Op::kOutline);
  edge.colour = 0xFF808080;
  out.push_back(edge);
  DrawStep text = Step(DrawStep::Op::kText);
  text.rect.left += 3;
  text.rect.width = std::max(0, text.rect.width - 6);
  text.colour = 0xFF000000;
  text.text = Cp1252ToUtf8(text_);
  text.style.word_wrap = false;
  out.push_back(text);
}

}  // namespace qvl::ui
