#include "ui/simple_controls.h"

#include <algorithm>

#include "platform/cp1252.h"
#include "platform/input_event.h"
#include "ui/blit.h"
#include "ui/window.h"
#include "ui/windows.h"

namespace qvl::ui {

namespace {

constexpr Colour kFaceColour = 0xFFC0C0C0;
constexpr Colour kShadowColour = 0xFF808080;
constexpr Colour kTextColour = 0xFF000000;

}  // namespace

// ---- PictureBox

PictureBox::PictureBox(Window& window, std::string name, int index)
    : Control(window, ControlKind::kPictureBox, std::move(name), index) {}

void PictureBox::SetPicture(PictureRef picture) {
  if (picture_ == picture) return;
  picture_ = std::move(picture);
  if (auto_size_ && picture_) Resize(picture_->width, picture_->height);
  Changed();
}

void PictureBox::SetBackColour(Colour colour) {
  if (back_colour_ == colour) return;
  back_colour_ = colour;
  Changed();
}

void PictureBox::Draw(DisplayList& out) const {
  DrawStep fill = Step(DrawStep::Op::kFill);
  fill.colour = back_colour_;
  out.push_back(fill);
  if (picture_) {
    DrawStep pic = Step(DrawStep::Op::kPicture);
    pic.rect.width = picture_->width;
    pic.rect.height = picture_->height;
    pic.picture = picture_;
    // The box shows only what fits inside it.
    pic.clip = Intersect(fill.clip, fill.rect);
    out.push_back(pic);
  }
}

// ---- ImageControl

ImageControl::ImageControl(Window& window, std::string name, int index)
    : Control(window, ControlKind::kImage, std::move(name), index) {}

void ImageControl::SetPicture(PictureRef picture) {
  if (picture_ == picture) return;
  picture_ = std::move(picture);
  if (!stretch_ && picture_) Resize(picture_->width, picture_->height);
  Changed();
}

void ImageControl::SetStretch(bool on) {
  if (stretch_ == on) return;
  stretch_ = on;
  Changed();
}

void ImageControl::Draw(DisplayList& out) const {
  if (!picture_) return;
  DrawStep pic = Step(DrawStep::Op::kPicture);
  pic.picture = picture_;
  pic.stretch = stretch_;
  if (!stretch_) {
    pic.rect.width = picture_->width;
    pic.rect.height = picture_->height;
  }
  out.push_back(pic);
}

// ---- Label

Label::Label(Window& window, std::string name, int index)
    : Control(window, ControlKind::kLabel, std::move(name), index) {}

void Label::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void Label::SetForeColour(Colour colour) {
  if (fore_colour_ == colour) return;
  fore_colour_ = colour;
  Changed();
}

void Label::SetBackColour(Colour colour) {
  if (back_colour_ == colour) return;
  back_colour_ = colour;
  Changed();
}

void Label::SetTransparent(bool on) {
  if (transparent_ == on) return;
  transparent_ = on;
  Changed();
}

void Label::SetStyle(const TextStyle& style) {
  style_ = style;
  Changed();
}

void Label::Draw(DisplayList& out) const {
  if (!transparent_) {
    DrawStep fill = Step(DrawStep::Op::kFill);
    fill.colour = back_colour_;
    out.push_back(fill);
  }
  if (caption_.empty()) return;
  DrawStep text = Step(DrawStep::Op::kText);
  text.colour = fore_colour_;
  text.text = Cp1252ToUtf8(caption_);
  text.style = style_;
  out.push_back(text);
}

// ---- Button

Button::Button(Window& window, std::string name, int index)
    : Control(window, ControlKind::kButton, std::move(name), index) {}

void Button::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void Button::OnKeyPress(int character) {
  if ((character == keys::kEnter || character == keys::kSpace) && on_click) on_click(MouseArgs{});
}

void Button::Draw(DisplayList& out) const {
  DrawStep face = Step(DrawStep::Op::kFill);
  face.colour = kFaceColour;
  out.push_back(face);
  DrawStep edge = Step(DrawStep::Op::kOutline);
  edge.colour = kShadowColour;
  out.push_back(edge);
  DrawStep text = Step(DrawStep::Op::kText);
  text.colour = enabled() ? kTextColour : kShadowColour;
  text.text = Cp1252ToUtf8(caption_);
  text.style.align = Align::kCentre;
  text.style.middle = true;
  out.push_back(text);
}

// ---- CheckBox

CheckBox::CheckBox(Window& window, std::string name, int index)
    : Control(window, ControlKind::kCheckBox, std::move(name), index) {}

void CheckBox::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void CheckBox::SetChecked(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  Changed();
}

void CheckBox::OnClickInside(const MouseArgs& /*args*/) { SetChecked(!checked_); }

void CheckBox::Draw(DisplayList& out) const {
  const Rect area = ScreenRect();
  DrawStep box = Step(DrawStep::Op::kFill);
  box.rect = Rect{area.left, area.top + (area.height - 13) / 2, 13, 13};
  box.colour = 0xFFFFFFFF;
  out.push_back(box);
  DrawStep edge = box;
  edge.op = DrawStep::Op::kOutline;
  edge.colour = kShadowColour;
  out.push_back(edge);
  if (checked_) {
    DrawStep tick = box;
    tick.rect = Rect{box.rect.left + 3, box.rect.top + 3, 7, 7};
    tick.colour = kTextColour;
    out.push_back(tick);
  }
  DrawStep text = Step(DrawStep::Op::kText);
  text.rect.left += 17;
  text.rect.width = std::max(0, text.rect.width - 17);
  text.colour = kTextColour;
  text.text = Cp1252ToUtf8(caption_);
  out.push_back(text);
}

// ---- Frame

Frame::Frame(Window& window, std::string name, int index)
    : Control(window, ControlKind::kFrame, std::move(name), index) {}

void Frame::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void Frame::Draw(DisplayList& out) const {
  DrawStep edge = Step(DrawStep::Op::kOutline);
  edge.rect.top += 6;
  edge.rect.height = std::max(0, edge.rect.height - 6);
  edge.colour = kShadowColour;
  out.push_back(edge);
  if (caption_.empty()) return;
  DrawStep text = Step(DrawStep::Op::kText);
  text.rect.left += 8;
  text.rect.height = 14;
  text.rect.width = std::max(0, text.rect.width - 16);
  text.colour = kTextColour;
  text.text = Cp1252ToUtf8(caption_);
  text.style.word_wrap = false;
  out.push_back(text);
}

// ---- Shape

Shape::Shape(Window& window, std::string name, int index)
    : Control(window, ControlKind::kShape, std::move(name), index) {}

void Shape::SetBorderColour(Colour colour) {
  if (border_colour_ == colour) return;
  border_colour_ = colour;
  Changed();
}

void Shape::SetBorderWidth(int pixels) {
  if (border_width_ == pixels) return;
  border_width_ = pixels;
  Changed();
}

void Shape::Draw(DisplayList& out) const {
  DrawStep edge = Step(DrawStep::Op::kOutline);
  edge.colour = border_colour_;
  edge.border = border_width_;
  out.push_back(edge);
}

// ---- TimerControl

TimerControl::TimerControl(Window& window, std::string name, int index)
    : Control(window, ControlKind::kTimer, std::move(name), index), slot_(window.windows().scheduler()) {
  SetVisible(false);
}

void TimerControl::SetInterval(int ms) {
  if (interval_ == ms) return;
  interval_ = ms;
  Restart();
}

void TimerControl::SetTimerEnabled(bool on) {
  if (timer_enabled_ == on) return;
  timer_enabled_ = on;
  Restart();
}

void TimerControl::Restart() {
  slot_.Stop();
  if (!timer_enabled_ || interval_ <= 0) return;
  slot_.Start(interval_, true, [this] {
    if (on_tick) on_tick();
  });
}

}  // namespace qvl::ui
