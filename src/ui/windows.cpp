#include "ui/windows.h"

#include <algorithm>
#include <stdexcept>

#include "platform/cp1252.h"
#include "platform/text_numbers.h"
#include "ui/event_loop.h"
#include "ui/renderer.h"

namespace qvl::ui {

namespace {

// Two clicks on the same control within this time make a double click.
constexpr int64_t kDoubleClickMs = 500;

// The topmost hittable control of `container` (and inside it) under the
// point. `controls` are all of the window's controls, back to front.
Control* TopmostAt(const std::vector<Control*>& controls, const Control* container, int x, int y) {
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    Control* control = *it;
    if (control->container() != container) continue;
    if (!control->visible() || !control->Hittable()) continue;
    if (!control->ScreenRect().Contains(x, y) || !control->ScreenClip().Contains(x, y)) continue;
    if (Control* inner = TopmostAt(controls, control, x, y)) return inner;
    return control;
  }
  return nullptr;
}

bool EnabledAll(const Control* control) {
  for (const Control* c = control; c != nullptr; c = c->container()) {
    if (!c->enabled()) return false;
  }
  return true;
}

}  // namespace

Windows::Windows(EventLoop& loop, Scheduler& scheduler)
    : loop_(loop), scheduler_(scheduler), tooltip_timer_(scheduler) {}

Window& Windows::Add(std::string name) {
  windows_.push_back(std::make_unique<Window>(*this, std::move(name)));
  order_.push_back(windows_.back().get());
  return *windows_.back();
}

Window* Windows::Find(std::string_view name) const {
  for (const auto& window : windows_) {
    if (EqualsNoCase(window->name(), name)) return window.get();
  }
  return nullptr;
}

Window& Windows::Get(std::string_view name) const {
  Window* window = Find(name);
  if (window == nullptr) throw std::logic_error("no window " + std::string(name));
  return *window;
}

std::vector<Window*> Windows::BackToFront() const {
  std::vector<Window*> result;
  for (Window* w : order_) {
    if (!w->always_on_top()) result.push_back(w);
  }
  for (Window* w : order_) {
    if (w->always_on_top()) result.push_back(w);
  }
  return result;
}

void Windows::BringToFront(Window& window) {
  auto it = std::find(order_.begin(), order_.end(), &window);
  if (it != order_.end()) order_.erase(it);
  order_.push_back(&window);
  MarkChanged();
  WindowsRearranged();
}

void Windows::SendToBack(Window& window) {
  auto it = std::find(order_.begin(), order_.end(), &window);
  if (it != order_.end()) order_.erase(it);
  order_.insert(order_.begin(), &window);
  MarkChanged();
  WindowsRearranged();
}

void Windows::WindowsRearranged() {
  if (!pointer_placed_ || recheck_posted_) return;
  recheck_posted_ = true;
  loop_.Post([this] {
    recheck_posted_ = false;
    RecheckPointer();
  });
}

void Windows::ControlHidden(Control& control) {
  if (hover_.control != &control) return;
  hover_.control = nullptr;
  loop_.Post([&control] {
    if (control.on_mouse_leave) control.on_mouse_leave();
  });
}

void Windows::RecheckPointer() {
  // A pressed button keeps the pointer where it went down.
  if (captured_.window != nullptr) return;
  if (HitTest(pointer_x_, pointer_y_).window == hover_.window) return;
  InputEvent move;
  move.kind = InputKind::kMouseMove;
  move.x = pointer_x_;
  move.y = pointer_y_;
  MouseMove(move);
}

void Windows::Activate(Window& window) {
  if (!window.visible()) return;
  if (active_ == &window) return;
  active_ = &window;
  if (window.on_activate) window.on_activate();
}

void Windows::ActivateFrontmost() {
  const auto order = BackToFront();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if ((*it)->visible()) {
      Activate(**it);
      return;
    }
  }
  active_ = nullptr;
}

Window* Windows::modal() const {
  for (auto it = modal_stack_.rbegin(); it != modal_stack_.rend(); ++it) {
    if ((*it)->visible()) return *it;
  }
  return nullptr;
}

bool Windows::Reachable(const Window& window) const {
  const Window* m = modal();
  return m == nullptr || m == &window;
}

Hit Windows::HitTest(int x, int y) const {
  const auto order = BackToFront();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    Window* window = *it;
    if (!window->visible() || !window->bounds().Contains(x, y)) continue;
    Control* control = TopmostAt(window->Controls(), nullptr, x, y);
    // A disabled control (or one in a disabled container) takes the click
    // away from what lies behind it, as a real window does.
    if (control != nullptr && !EnabledAll(control)) return Hit{window, nullptr};
    return Hit{window, control};
  }
  return Hit{};
}

MouseArgs Windows::ArgsFor(const Hit& hit, const InputEvent& event) const {
  MouseArgs args;
  args.button = event.button;
  args.shift = event.shift;
  const Rect origin = hit.control != nullptr ? hit.control->ScreenRect() : hit.window->bounds();
  args.x = event.x - origin.left;
  args.y = event.y - origin.top;
  return args;
}

void Windows::HandleInput(const InputEvent& event) {
  switch (event.kind) {
    case InputKind::kMouseMove:
      MouseMove(event);
      break;
    case InputKind::kMouseDown:
      MouseDown(event);
      break;
    case InputKind::kMouseUp:
      MouseUp(event);
      break;
    case InputKind::kKeyDown:
      KeyDown(event);
      break;
    case InputKind::kText:
      // Typed characters reach the game as its single-byte characters.
      for (unsigned char c : Utf8ToCp1252(event.text)) KeyPress(c);
      break;
    default:
      break;
  }
}

void Windows::MouseMove(const InputEvent& event) {
  pointer_x_ = event.x;
  pointer_y_ = event.y;
  pointer_placed_ = true;
  const Hit under = HitTest(event.x, event.y);
  const bool captured = captured_.window != nullptr;
  // While a button is held the moves go where it went down; leaving is
  // told once it is released and the pointer moves on.
  if (!captured) PointerOver(under);
  const Hit hit = captured ? captured_ : under;
  TrackToolTip(hit.window != nullptr && Reachable(*hit.window) ? hit.control : nullptr);
  if (hit.window == nullptr || !Reachable(*hit.window)) return;
  const MouseArgs args = ArgsFor(hit, event);
  if (hit.control != nullptr) {
    if (hit.control->on_mouse_move) hit.control->on_mouse_move(args);
  } else if (hit.window->on_mouse_move) {
    hit.window->on_mouse_move(args);
  }
}

void Windows::PointerOver(const Hit& under) {
  if (under.window == hover_.window && under.control == hover_.control) return;
  Control* left = hover_.control;
  hover_ = under;
  if (left != nullptr && left->on_mouse_leave) left->on_mouse_leave();
}

void Windows::MouseDown(const InputEvent& event) {
  pointer_x_ = event.x;
  pointer_y_ = event.y;
  HideToolTip();
  Hit hit = HitTest(event.x, event.y);
  if (hit.window == nullptr || !Reachable(*hit.window)) return;
  Activate(*hit.window);
  captured_ = hit;
  captured_button_ = event.button;
  if (hit.control != nullptr && hit.control->TakesFocus()) hit.window->SetFocus(hit.control);
  const MouseArgs args = ArgsFor(hit, event);
  if (hit.control != nullptr && event.button == MouseButton::kLeft) hit.control->OnMouseDownInside(args);
  if (hit.control != nullptr) {
    if (hit.control->on_mouse_down) hit.control->on_mouse_down(args);
  } else if (hit.window->on_mouse_down) {
    hit.window->on_mouse_down(args);
  }
}

void Windows::MouseUp(const InputEvent& event) {
  pointer_x_ = event.x;
  pointer_y_ = event.y;
  const Hit down = captured_;
  captured_ = Hit{};
  // The button's release goes where it was pressed, as long as that is
  // still on the screen.
  const bool captured = down.window != nullptr && captured_button_ == event.button && down.window->visible() &&
                        (down.control == nullptr || down.control->ShownOnScreen());
  captured_button_ = MouseButton::kNone;
  const Hit under = HitTest(event.x, event.y);
  const Hit target = captured ? down : under;
  if (target.window == nullptr || !Reachable(*target.window)) return;
  const MouseArgs args = ArgsFor(target, event);
  if (target.control != nullptr) {
    if (target.control->on_mouse_up) target.control->on_mouse_up(args);
  } else if (target.window->on_mouse_up) {
    target.window->on_mouse_up(args);
  }

  // Down and up on the same thing make a click (of the left button).
  if (!captured || under.window != down.window || under.control != down.control) return;
  if (event.button != MouseButton::kLeft) return;
  const int64_t now = loop_.NowMs();
  const bool twice = last_click_.window == down.window && last_click_.control == down.control &&
                     now - last_click_ms_ <= kDoubleClickMs;
  last_click_ = twice ? Hit{} : down;
  last_click_ms_ = now;
  if (down.control != nullptr) {
    Control& control = *down.control;
    control.OnClickInside(args);
    if (twice && control.on_dbl_click) {
      control.on_dbl_click(args);
    } else if (control.on_click) {
      control.on_click(args);
    }
  } else if (down.window->on_click) {
    down.window->on_click(args);
  }
}

void Windows::KeyDown(const InputEvent& event) {
  Window* window = modal() != nullptr ? modal() : active_;
  if (window == nullptr || !window->visible()) return;
  KeyArgs args{event.key, event.shift, event.control, event.alt};
  // The window sees every key before its focused control.
  if (window->on_key_down) window->on_key_down(args);
  if (args.key == 0) return;
  Control* focused = window->focused();
  if (focused != nullptr && focused->ShownOnScreen() && focused->enabled()) focused->OnKeyDown(args);
  if (args.key == 0) return;
  if (DialogKey(*window, args)) return;
  // Keys that stand for a character of their own reach key-press as well.
  if (event.key == keys::kEnter || event.key == keys::kBackspace || event.key == keys::kEscape) KeyPress(event.key);
}

bool Windows::DialogKey(Window& window, const KeyArgs& args) {
  if (args.alt || args.control) return false;
  if (args.key == keys::kTab) {
    window.FocusNext(args.shift);
    return true;
  }
  // A focused push button takes Enter itself; a button that only holds the
  // focus (it does nothing when pressed) leaves Enter to the dialog.
  const Control* focused = window.focused();
  if (args.key == keys::kEnter && focused != nullptr && focused->kind() == ControlKind::kButton && focused->on_click) {
    return false;
  }
  Control* button = args.key == keys::kEnter    ? window.default_button()
                    : args.key == keys::kEscape ? window.cancel_button()
                                                : nullptr;
  if (button == nullptr || !button->ShownOnScreen() || !EnabledAll(button) || !button->on_click) return false;
  button->on_click(MouseArgs{});
  return true;
}

int Windows::MeasureText(std::string_view utf8, const TextStyle& style) const {
  if (measure_) return measure_(utf8, style);
  // Without a screen font: the font's average width.
  int characters = 0;
  for (unsigned char c : utf8) characters += (c & 0xC0) != 0x80 ? 1 : 0;
  return characters * 6;
}

void Windows::KeyPress(int character) {
  Window* window = modal() != nullptr ? modal() : active_;
  if (window == nullptr || !window->visible()) return;
  if (window->on_key_press) window->on_key_press(character);
  if (character == 0) return;
  Control* focused = window->focused();
  if (focused != nullptr && focused->ShownOnScreen() && focused->enabled()) focused->OnKeyPress(character);
}

void Windows::TrackToolTip(Control* control) {
  if (control == tooltip_control_) return;
  HideToolTip();
  tooltip_control_ = control;
  if (control == nullptr || control->tooltip_text().empty()) return;
  tooltip_timer_.Start(kToolTipDelayMs, false, [this] {
    tooltip_timer_.Stop();
    if (tooltip_control_ == nullptr || tooltip_control_->tooltip_text().empty()) return;
    tooltip_shown_ = true;
    MarkChanged();
  });
}

void Windows::HideToolTip() {
  tooltip_timer_.Stop();
  if (tooltip_shown_) MarkChanged();
  tooltip_shown_ = false;
}

DisplayList Windows::Draw() const {
  DisplayList list;
  for (const Window* window : BackToFront()) {
    if (window->visible()) window->Draw(list);
  }
  // The tooltip lies over everything, just below the pointer.
  const Control* note = tooltip();
  if (note != nullptr && note->ShownOnScreen() && !note->tooltip_text().empty()) {
    DrawStep step;
    step.op = DrawStep::Op::kToolTip;
    step.rect = Rect{pointer_x_, pointer_y_ + 20, 0, 0};
    step.clip = Rect{0, 0, kScreenWidth, kScreenHeight};
    step.colour = 0xFF000000;
    step.text = Cp1252ToUtf8(note->tooltip_text());
    step.style.word_wrap = false;
    list.push_back(std::move(step));
  }
  return list;
}

}  // namespace qvl::ui
