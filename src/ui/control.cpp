#include "ui/control.h"

#include <algorithm>

#include "ui/blit.h"
#include "ui/window.h"
#include "ui/windows.h"

namespace qvl::ui {

Control::Control(Window& window, ControlKind kind, std::string name, int index)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index) {}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  const bool was_shown = ShownOnScreen();
  visible_ = visible;
  if (was_shown || ShownOnScreen()) window_.Changed();
  if (!visible) window_.windows().ControlHidden(*this);
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void Control::Move(int left, int top) { Move(left, top, bounds_.width, bounds_.height); }

void Control::Resize(int width, int height) { Move(bounds_.left, bounds_.top, width, height); }

void Control::Move(int left, int top, int width, int height) {
  const Rect bounds{left, top, std::max(0, width), std::max(0, height)};
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed();
}

void Control::SetContainer(Control* container) {
  // A control cannot lie inside itself or inside one of its own children.
  for (Control* c = container; c != nullptr; c = c->container_) {
    if (c == this) return;
  }
  const bool was_shown = ShownOnScreen();
  container_ = container;
  if (was_shown || ShownOnScreen()) window_.Changed();
}

void Control::ZOrder(bool to_front) {
  window_.Restack(*this, to_front);
  Changed();
}

bool Control::ShownOnScreen() const {
  if (!window_.visible()) return false;
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->visible_) return false;
  }
  return true;
}

Rect Control::ScreenRect() const {
  int x = window_.left() + bounds_.left;
  int y = window_.top() + bounds_.top;
  for (const Control* c = container_; c != nullptr; c = c->container_) {
    x += c->bounds_.left;
    y += c->bounds_.top;
  }
  return Rect{x, y, bounds_.width, bounds_.height};
}

Rect Control::ScreenClip() const {
  Rect clip = window_.bounds();
  for (const Control* c = container_; c != nullptr; c = c->container_) clip = Intersect(clip, c->ScreenRect());
  return clip;
}

void Control::Changed() const {
  // What is not on the screen is drawn afresh when it shows; a hidden
  // animation that keeps playing costs no redraw.
  if (ShownOnScreen()) window_.Changed();
}

DrawStep Control::Step(DrawStep::Op op) const {
  DrawStep step;
  step.op = op;
  step.rect = ScreenRect();
  step.clip = ScreenClip();
  return step;
}

}  // namespace qvl::ui
