// The plain controls of the player's windows: picture box, image, label,
// command button, check box, frame, shape and timer.
#pragma once

#include <functional>
#include <string>

#include "platform/image.h"
#include "ui/control.h"
#include "ui/scheduler.h"

namespace qvl::ui {

// A picture on a back colour; other controls may lie inside it.
class PictureBox : public Control {
 public:
  PictureBox(Window& window, std::string name, int index);
  const PictureRef& picture() const { return picture_; }
  void SetPicture(PictureRef picture);
  Colour back_colour() const { return back_colour_; }
  void SetBackColour(Colour colour);
  // Sizes the box to its picture whenever the picture changes.
  void SetAutoSize(bool on) { auto_size_ = on; }
  void Draw(DisplayList& out) const override;

 private:
  PictureRef picture_;
  Colour back_colour_ = 0xFFC0C0C0;
  bool auto_size_ = false;
};

// A still picture: drawn at its own size, or stretched to the control.
class ImageControl : public Control {
 public:
  ImageControl(Window& window, std::string name, int index);
  const PictureRef& picture() const { return picture_; }
  // An image that does not stretch takes the size of its picture.
  void SetPicture(PictureRef picture);
  bool stretch() const { return stretch_; }
  void SetStretch(bool on);
  void Draw(DisplayList& out) const override;

 private:
  PictureRef picture_;
  bool stretch_ = false;
};

// A caption in a font and colour, on a back colour or transparent.
class Label : public Control {
 public:
  Label(Window& window, std::string name, int index);
  // The caption in the game's single-byte characters.
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);
  Colour fore_colour() const { return fore_colour_; }
  void SetForeColour(Colour colour);
  Colour back_colour() const { return back_colour_; }
  void SetBackColour(Colour colour);
  bool transparent() const { return transparent_; }
  void SetTransparent(bool on);
  const TextStyle& style() const { return style_; }
  void SetStyle(const TextStyle& style);
  void Draw(DisplayList& out) const override;

 private:
  std::string caption_;
  Colour fore_colour_ = 0xFF000000;
  Colour back_colour_ = 0xFFC0C0C0;
  bool transparent_ = false;
  TextStyle style_;
};

// A push button with a caption.
class Button : public Control {
 public:
  Button(Window& window, std::string name, int index);
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool TakesFocus() const override { return true; }
  // Enter on a focused button presses it.
  void OnKeyPress(int character) override;
  void Draw(DisplayList& out) const override;

 private:
  std::string caption_;
};

// A box that is ticked or not; a click toggles it before the click event.
class CheckBox : public Control {
 public:
  CheckBox(Window& window, std::string name, int index);
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool checked() const { return checked_; }
  void SetChecked(bool on);
  bool TakesFocus() const override { return true; }
  void OnClickInside(const MouseArgs& args) override;
  void Draw(DisplayList& out) const override;

 private:
  std::string caption_;
  bool checked_ = false;
};

// A captioned group of controls.
class Frame : public Control {
 public:
  Frame(Window& window, std::string name, int index);
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);
  void Draw(DisplayList& out) const override;

 private:
  std::string caption_;
};

// A rectangle outline (the highlight frames around icons and markers).
class Shape : public Control {
 public:
  Shape(Window& window, std::string name, int index);
  Colour border_colour() const { return border_colour_; }
  void SetBorderColour(Colour colour);
  int border_width() const { return border_width_; }
  void SetBorderWidth(int pixels);
  // The shape lets clicks through to what lies under it.
  bool Hittable() const override { return false; }
  void Draw(DisplayList& out) const override;

 private:
  Colour border_colour_ = 0xFF000000;
  int border_width_ = 1;
};

// A window timer: while enabled, ticks every interval (0 never ticks).
// Changing the interval or enabling it again starts the count anew.
class TimerControl : public Control {
 public:
  TimerControl(Window& window, std::string name, int index);
  int interval() const { return interval_; }
  void SetInterval(int ms);
  bool timer_enabled() const { return timer_enabled_; }
  void SetTimerEnabled(bool on);
  bool Hittable() const override { return false; }

  std::function<void()> on_tick;

 private:
  void Restart();

  int interval_ = 0;
  bool timer_enabled_ = false;
  TimerSlot slot_;
};

}  // namespace qvl::ui
