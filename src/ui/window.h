// One window of the player with its controls: shown, hidden or shown
// modally, in the z-order of the screen, with a caption, colour, picture,
// and the keys it sees before its focused control.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image.h"
#include "ui/control.h"
#include "ui/display_list.h"

namespace qvl::ui {

class Windows;

class Window {
 public:
  Window(Windows& windows, std::string name);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& name() const { return name_; }
  Windows& windows() const { return windows_; }

  // Loading runs the load event once; showing loads first. Unloading hides
  // the window and runs the unload event; a later show loads it again.
  void Load();
  void Unload();
  bool loaded() const { return loaded_; }

  bool visible() const { return visible_; }
  // Shows the window in front and makes it the active window.
  void Show();
  void Hide();
  // Hides the window for as long as the desktop keeps the game minimised:
  // it stays the active window if it was, so no other window is activated.
  void HideWhileMinimised();
  bool hidden_while_minimised() const { return hidden_while_minimised_; }
  // Shows the window where it lies in the z-order, without raising or
  // activating it: a window that comes back after the desktop hid it.
  void ShowInPlace();
  // Shows the window behind every other window, without activating it.
  void ShowBehind();
  // Shows the window in front and returns when it is hidden again; input
  // reaches only this window meanwhile.
  void ShowModal();
  bool modal() const { return modal_depth_ > 0; }

  bool always_on_top() const { return always_on_top_; }
  void SetAlwaysOnTop(bool on);

  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);

  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width; }
  int height() const { return bounds_.height; }
  const Rect& bounds() const { return bounds_; }
  void Move(int left, int top);
  void Move(int left, int top, int width, int height);

  Colour back_colour() const { return back_colour_; }
  void SetBackColour(Colour colour);
  const PictureRef& picture() const { return picture_; }
  void SetPicture(PictureRef picture);

  // Adds a control; the newest lies in front. Control arrays share the name
  // and count their index from 1.
  template <class T, class... Args>
  T& Add(std::string name, int index = 0, Args&&... args) {
    auto control = std::make_unique<T>(*this, std::move(name), index, std::forward<Args>(args)...);
    T& ref = *control;
    creation_order_.push_back(&ref);
    controls_.push_back(std::move(control));
    Changed();
    return ref;
  }

  // The control of that name (case-insensitive) and index, or null.
  Control* Find(std::string_view name, int index = 0) const;
  // The same, of a known kind; throws std::logic_error when missing, which
  // is a fault of the program, not of the game.
  template <class T>
  T& Get(std::string_view name, int index = 0) const {
    auto* control = dynamic_cast<T*>(Find(name, index));
    if (control == nullptr) throw std::logic_error("no control " + std::string(name) + " on " + name_);
    return *control;
  }

  // All controls from back to front.
  std::vector<Control*> Controls() const;
  // Moves a control in front of (or behind) every other control.
  void Restack(const Control& control, bool to_front);

  Control* focused() const { return focused_; }
  // Gives a control the keyboard focus (raising its got-focus event).
  void SetFocus(Control* control);
  // Tab and Shift+Tab: the focus moves to the next (or the previous)
  // control that takes it, in the order the controls were made.
  void FocusNext(bool backwards);

  // The buttons Enter and Escape press in a dialog (null: none).
  Control* default_button() const { return default_button_; }
  Control* cancel_button() const { return cancel_button_; }
  void SetDialogButtons(Control* default_button, Control* cancel_button) {
    default_button_ = default_button;
    cancel_button_ = cancel_button;
  }

  // Events of the window itself.
  std::function<void()> on_load;
  std::function<void()> on_unload;
  std::function<void()> on_activate;
  std::function<void(KeyArgs&)> on_key_down;
  std::function<void(int& character)> on_key_press;
  std::function<void(const MouseArgs&)> on_click;
  std::function<void(const MouseArgs&)> on_mouse_down;
  std::function<void(const MouseArgs&)> on_mouse_up;
  std::function<void(const MouseArgs&)> on_mouse_move;

  // The drawing steps of the window and its visible controls.
  void Draw(DisplayList& out) const;

  void Changed() const;

 private:
  void DrawChildren(const Control* container, DisplayList& out) const;

  Windows& windows_;
  std::string name_;
  std::string caption_;
  bool loaded_ = false;
  bool visible_ = false;
  bool hidden_while_minimised_ = false;
  int modal_depth_ = 0;
  bool always_on_top_ = false;
  Rect bounds_{0, 0, 800, 600};
  Colour back_colour_ = 0xFFC0C0C0;
  PictureRef picture_;
  std::vector<std::unique_ptr<Control>> controls_;  // back to front
  Control* focused_ = nullptr;
  Control* default_button_ = nullptr;
  Control* cancel_button_ = nullptr;
  std::vector<Control*> creation_order_;  // the order of Tab
};

}  // namespace qvl::ui
