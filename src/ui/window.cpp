#include "ui/window.h"

#include <algorithm>

#include "platform/text_numbers.h"
#include "ui/event_loop.h"
#include "ui/windows.h"

namespace qvl::ui {

Window::Window(Windows& windows, std::string name) : windows_(windows), name_(std::move(name)) {}

void Window::Load() {
  if (loaded_) return;
  loaded_ = true;
  if (on_load) on_load();
}

void Window::Unload() {
  if (!loaded_) return;
  Hide();
  loaded_ = false;
  if (on_unload) on_unload();
}

void Window::Show() {
  Load();
  hidden_while_minimised_ = false;
  const bool was_visible = visible_;
  visible_ = true;
  windows_.BringToFront(*this);
  windows_.MarkChanged();
  if (!was_visible || windows_.active() != this) windows_.Activate(*this);
}

void Window::Hide() {
  if (!visible_) {
    // Hidden for good now: it will not come back when the desktop restores
    // the game.
    if (hidden_while_minimised_) {
      hidden_while_minimised_ = false;
      if (windows_.active() == this) windows_.ActivateFrontmost();
    }
    return;
  }
  visible_ = false;
  windows_.MarkChanged();
  windows_.WindowsRearranged();
  if (windows_.active() == this) windows_.ActivateFrontmost();
}

void Window::HideWhileMinimised() {
  if (!visible_) return;
  visible_ = false;
  hidden_while_minimised_ = true;
  windows_.MarkChanged();
  windows_.WindowsRearranged();
}

void Window::ShowInPlace() {
  Load();
  hidden_while_minimised_ = false;
  if (visible_) return;
  visible_ = true;
  windows_.MarkChanged();
  windows_.WindowsRearranged();
  if (windows_.active() == nullptr) windows_.Activate(*this);
}

void Window::ShowBehind() {
  Load();
  windows_.SendToBack(*this);
  ShowInPlace();
}

void Window::ShowModal() {
  Show();
  ++modal_depth_;
  windows_.PushModal(*this);
  struct Leave {
    Window& w;
    ~Leave() {
      w.windows_.PopModal();
      --w.modal_depth_;
    }
  } leave{*this};
  windows_.loop().WaitUntil([this] { return !visible_; }, WaitKind::kModal);
}

void Window::SetAlwaysOnTop(bool on) {
  if (always_on_top_ == on) return;
  always_on_top_ = on;
  windows_.BringToFront(*this);
  Changed();
}

void Window::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void Window::Move(int left, int top) { Move(left, top, bounds_.width, bounds_.height); }

void Window::Move(int left, int top, int width, int height) {
  const Rect bounds{left, top, std::max(0, width), std::max(0, height)};
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed();
  windows_.WindowsRearranged();
}

void Window::SetBackColour(Colour colour) {
  if (back_colour_ == colour) return;
  back_colour_ = colour;
  Changed();
}

void Window::SetPicture(PictureRef picture) {
  if (picture_ == picture) return;
  picture_ = std::move(picture);
  Changed();
}

Control* Window::Find(std::string_view name, int index) const {
  for (const auto& control : controls_) {
    if (control->index() == index && EqualsNoCase(control->name(), name)) return control.get();
  }
  return nullptr;
}

std::vector<Control*> Window::Controls() const {
  std::vector<Control*> all;
  all.reserve(controls_.size());
  for (const auto& control : controls_) all.push_back(control.get());
  return all;
}

void Window::Restack(const Control& control, bool to_front) {
  auto it = std::find_if(controls_.begin(), controls_.end(),
                         [&](const auto& c) { return c.get() == &control; });
  if (it == controls_.end()) return;
  auto owned = std::move(*it);
  controls_.erase(it);
  if (to_front) {
    controls_.push_back(std::move(owned));
  } else {
    controls_.insert(controls_.begin(), std::move(owned));
  }
}

void Window::SetFocus(Control* control) {
  if (control == focused_) return;
  focused_ = control;
  Changed();
  if (focused_ != nullptr && focused_->on_got_focus) focused_->on_got_focus();
}

void Window::FocusNext(bool backwards) {
  std::vector<Control*> stops;
  for (Control* control : creation_order_) {
    if (control->TakesFocus() && control->ShownOnScreen() && control->enabled()) stops.push_back(control);
  }
  if (stops.empty()) return;
  const auto at = std::find(stops.begin(), stops.end(), focused_);
  size_t next = 0;
  if (at == stops.end()) {
    next = backwards ? stops.size() - 1 : 0;
  } else {
    const size_t here = static_cast<size_t>(at - stops.begin());
    next = backwards ? (here + stops.size() - 1) % stops.size() : (here + 1) % stops.size();
  }
  SetFocus(stops[next]);
}

void Window::Changed() const {
  if (visible_) windows_.MarkChanged();
}

void Window::Draw(DisplayList& out) const {
  DrawStep back;
  back.op = DrawStep::Op::kFill;
  back.rect = bounds_;
  back.clip = bounds_;
  back.colour = back_colour_;
  out.push_back(back);
  if (picture_) {
    DrawStep pic = back;
    pic.op = DrawStep::Op::kPicture;
    pic.rect = Rect{bounds_.left, bounds_.top, picture_->width, picture_->height};
    pic.picture = picture_;
    out.push_back(pic);
  }
  DrawChildren(nullptr, out);
}

void Window::DrawChildren(const Control* container, DisplayList& out) const {
  for (const auto& control : controls_) {
    if (control->container() != container || !control->visible()) continue;
    control->Draw(out);
    DrawChildren(control.get(), out);
  }
}

}  // namespace qvl::ui
