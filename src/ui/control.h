// What every control of a window has: name and index, visibility, place and
// size, tag, z-order within its container, and the mouse events it raises.
#pragma once

#include <functional>
#include <string>

#include "platform/input_event.h"
#include "ui/display_list.h"

namespace qvl::ui {

class Window;

enum class ControlKind {
  kPictureBox,       // a picture with a back colour; may contain other controls
  kImage,            // a still picture, stretched or not
  kLabel,            // a caption
  kAnimatedPicture,  // an animated GIF
  kTextBox,
  kListBox,
  kFileListBox,
  kCheckBox,
  kButton,
  kFrame,  // a captioned group; may contain other controls
  kShape,  // a rectangle outline
  kTimer,  // never shown
};

// A mouse event as the control sees it: the point relative to the control.
struct MouseArgs {
  MouseButton button = MouseButton::kNone;
  bool shift = false;
  int x = 0;
  int y = 0;
};

// A key as the window and control see it; a handler that sets `key` to 0
// swallows it.
struct KeyArgs {
  int key = 0;
  bool shift = false;
  bool control = false;
  bool alt = false;
};

class Control {
 public:
  Control(Window& window, ControlKind kind, std::string name, int index);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  // The place in a control array (arrays count from 1); 0 for a single control.
  int index() const { return index_; }
  ControlKind kind() const { return kind_; }
  Window& window() const { return window_; }

  bool visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width; }
  int height() const { return bounds_.height; }
  // Place and size in the coordinates of the container (or the window).
  const Rect& bounds() const { return bounds_; }
  void Move(int left, int top);
  void Move(int left, int top, int width, int height);
  void Resize(int width, int height);

  const std::string& tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }

  // The little note that shows when the pointer rests on the control
  // (single-byte text; empty: none).
  const std::string& tooltip_text() const { return tooltip_text_; }
  void SetToolTipText(std::string text) { tooltip_text_ = std::move(text); }

  // The picture box or frame this control lies in (null: the window itself).
  Control* container() const { return container_; }
  void SetContainer(Control* container);

  // Brings the control in front of (or behind) its siblings.
  void ZOrder(bool to_front = true);

  // Visible itself, in every container, and in a visible window.
  bool ShownOnScreen() const;
  // The control's place on the 800 × 600 screen.
  Rect ScreenRect() const;
  // The part of the screen the control may draw on: its window's area and
  // every container's.
  Rect ScreenClip() const;

  // Events, set by the window that owns the control.
  std::function<void(const MouseArgs&)> on_click;
  std::function<void(const MouseArgs&)> on_dbl_click;
  std::function<void(const MouseArgs&)> on_mouse_down;
  std::function<void(const MouseArgs&)> on_mouse_up;
  std::function<void(const MouseArgs&)> on_mouse_move;
  // The pointer went from this control onto something else (another
  // control, a window's background, another window), or the control was
  // hidden from under the pointer.
  std::function<void()> on_mouse_leave;
  std::function<void()> on_got_focus;

  // Adds the drawing steps of this control (not of the controls inside it).
  virtual void Draw(DisplayList& /*out*/) const {}
  // Whether a click gives the control the keyboard focus.
  virtual bool TakesFocus() const { return false; }
  // Whether the pointer can hit the control at all (a timer cannot).
  virtual bool Hittable() const { return true; }
  // The control's own reaction to a click, before its click event (a list
  // selects the entry, a check box toggles).
  virtual void OnClickInside(const MouseArgs& /*args*/) {}
  // The control's own reaction to the left button going down on it, after
  // it took the focus (a text box places its caret).
  virtual void OnMouseDownInside(const MouseArgs& /*args*/) {}
  virtual void OnKeyDown(KeyArgs& /*args*/) {}
  virtual void OnKeyPress(int /*character*/) {}

 protected:
  // Something visible changed: the screen is drawn again.
  void Changed() const;
  // One drawing step clipped to the control's visible area.
  DrawStep Step(DrawStep::Op op) const;

 private:
  Window& window_;
  ControlKind kind_;
  std::string name_;
  int index_;
  bool visible_ = true;
  bool enabled_ = true;
  Rect bounds_;
  std::string tag_;
  std::string tooltip_text_;
  Control* container_ = nullptr;
};

}  // namespace qvl::ui
