// Small helpers for laying out a window's controls at their design places:
// a control in a container, a captioned label, a timer with its interval.
#pragma once

#include "ui/simple_controls.h"
#include "ui/window.h"

namespace qvl {

// Puts a control at its design place, inside `container` when given.
template <class T>
T& Place(T& control, ui::Rect at, ui::Control* container = nullptr) {
  if (container != nullptr) control.SetContainer(container);
  control.Move(at.left, at.top, at.width, at.height);
  return control;
}

// A timer control with its design interval, stopped.
inline ui::TimerControl& AddTimer(ui::Window& window, const char* name, int interval_ms) {
  auto& timer = window.Add<ui::TimerControl>(name);
  timer.SetInterval(interval_ms);
  return timer;
}

// A transparent label with its design caption.
inline ui::Label& AddLabel(ui::Window& window, const char* name, const char* caption, ui::Rect at,
                           ui::Control* container = nullptr, int index = 0) {
  auto& label = Place(window.Add<ui::Label>(name, index), at, container);
  label.SetCaption(caption);
  label.SetTransparent(true);
  return label;
}

// A push button with its design caption.
inline ui::Button& AddButton(ui::Window& window, const char* name, const char* caption, ui::Rect at,
                             ui::Control* container = nullptr, int index = 0) {
  auto& button = Place(window.Add<ui::Button>(name, index), at, container);
  button.SetCaption(caption);
  return button;
}

inline ui::TextStyle Centred(int size_pt = 8, bool bold = false) {
  ui::TextStyle style;
  style.align = ui::Align::kCentre;
  style.size_pt = size_pt;
  style.bold = bold;
  return style;
}

}  // namespace qvl
