#include "ui/text_box.h"

#include <algorithm>
#include <cstdlib>

#include "platform/cp1252.h"
#include "platform/input_event.h"
#include "ui/window.h"
#include "ui/windows.h"

namespace qvl::ui {

namespace {

constexpr Colour kSelectionColour = 0xFF99C9EF;

}  // namespace

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

int TextBox::OffsetOf(int index) const {
  const std::string before = Cp1252ToUtf8(text_.substr(0, static_cast<size_t>(index)));
  return window().windows().MeasureText(before, TextStyle{});
}

void TextBox::OnMouseDownInside(const MouseArgs& args) {
  // The caret goes to the character boundary nearest the pointer.
  const int x = args.x - kTextInset;
  int best = 0;
  int best_distance = std::abs(x);
  for (int i = 1; i <= static_cast<int>(text_.size()); ++i) {
    const int distance = std::abs(OffsetOf(i) - x);
    if (distance < best_distance) {
      best = i;
      best_distance = distance;
    }
  }
  Select(best, 0);
}

void TextBox::CopySelection() const {
  Clipboard* clipboard = window().windows().clipboard();
  if (clipboard != nullptr && sel_length_ > 0) clipboard->SetText(Cp1252ToUtf8(SelectedText()));
}

void TextBox::Paste() {
  Clipboard* clipboard = window().windows().clipboard();
  if (clipboard == nullptr) return;
  // One line of the game's characters: line breaks and refused letters go.
  std::string pasted;
  bool refused = false;
  for (char c : Utf8ToCp1252(clipboard->GetText())) {
    if (c == '\r' || c == '\n') continue;
    if (refused_.find(c) != std::string::npos) {
      refused = true;
      continue;
    }
    pasted += c;
  }
  if (max_length_ > 0) {
    const int room = max_length_ - (static_cast<int>(text_.size()) - sel_length_);
    if (static_cast<int>(pasted.size()) > room) pasted.resize(static_cast<size_t>(std::max(room, 0)));
  }
  ReplaceSelection(pasted);
  if (refused && on_refused) on_refused();
}

void TextBox::OnKeyDown(KeyArgs& args) {
  const int size = static_cast<int>(text_.size());
  if (args.control) {
    switch (args.key) {
      case 'A':
        SelectAll();
        break;
      case 'C':
        CopySelection();
        break;
      case 'X':
        CopySelection();
        ReplaceSelection("");
        break;
      case 'V':
        Paste();
        break;
      default:
        return;
    }
    args.key = 0;
    return;
  }
  switch (args.key) {
    case keys::kLeft:
      Select(sel_length_ > 0 ? sel_start_ : sel_start_ - 1, 0);
      break;
    case keys::kRight:
      Select(sel_length_ > 0 ? sel_start_ + sel_length_ : sel_start_ + 1, 0);
      break;
    case keys::kHome:
      Select(0, 0);
      break;
    case keys::kEnd:
      Select(size, 0);
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
  if (refused_.find(static_cast<char>(character)) != std::string::npos) {
    if (on_refused) on_refused();
    return;
  }
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
  // The caret and the selection show in the box that has the focus of the
  // active window.
  const bool focused = window().focused() == this && window().windows().active() == &window();
  const Rect area = ScreenRect();
  const int text_left = area.left + kTextInset;
  if (focused && sel_length_ > 0) {
    DrawStep mark = back;
    const int from = OffsetOf(sel_start_);
    const int to = OffsetOf(sel_start_ + sel_length_);
    mark.rect = Rect{text_left + from, area.top + 2, to - from, std::max(0, area.height - 4)};
    mark.colour = kSelectionColour;
    out.push_back(mark);
  }
  DrawStep text = Step(DrawStep::Op::kText);
  text.rect.left += kTextInset;
  text.rect.width = std::max(0, text.rect.width - 2 * kTextInset);
  text.colour = 0xFF000000;
  text.text = Cp1252ToUtf8(text_);
  text.style.word_wrap = false;
  out.push_back(text);
  if (focused && sel_length_ == 0) {
    DrawStep caret = back;
    caret.rect = Rect{text_left + OffsetOf(sel_start_), area.top + 2, 1, std::max(0, area.height - 4)};
    caret.colour = 0xFF000000;
    out.push_back(caret);
  }
}

}  // namespace qvl::ui
