// The hidden window `MousePoint`: the fifteen pointer pictures of the game
// (and the built-in ones they start from) and the skin's dialog pictures.
// It is never shown.
#pragma once

#include "data/gen_rec.h"
#include "game/control_array.h"
#include "platform/picture_files.h"
#include "ui/animated_picture.h"
#include "ui/builtin_pictures.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

// The pointer slots by their number.
namespace pointer {
constexpr int kUp = 1;
constexpr int kDown = 2;
constexpr int kLeft = 3;
constexpr int kRight = 4;
constexpr int kUpLeft = 5;
constexpr int kUpRight = 6;
constexpr int kDownLeft = 7;
constexpr int kDownRight = 8;
constexpr int kExit = 9;
constexpr int kHotspot = 10;
constexpr int kGoodie = 11;
constexpr int kReactor = 12;
constexpr int kNormal = 13;
constexpr int kWait = 14;
constexpr int kButtons = 15;
constexpr int kCount = data::kPointerCount;
}  // namespace pointer

// An image that holds a mouse-pointer picture with its hot spot.
class PointerImage : public ui::ImageControl {
 public:
  using ui::ImageControl::ImageControl;
  const PointerPicture& pointer() const { return pointer_; }
  void SetPointer(PointerPicture pointer) {
    pointer_ = std::move(pointer);
    SetPicture(pointer_.picture);
  }

 private:
  PointerPicture pointer_;
};

class MousePointWindow {
 public:
  MousePointWindow(ui::Windows& windows, const ui::BuiltinPictures& builtins);

  ui::Window& window;
  ControlArray<PointerImage, pointer::kCount> Pointer;   // tag: the game's file for the slot
  ControlArray<PointerImage, pointer::kCount> Defaults;  // the built-in pictures
  ControlArray<ui::Label, pointer::kCount> PointerName;  // "UP" … "BUTTONS"
  ui::PictureBox& Save_BG;
  ui::PictureBox& Load_BG;
  ui::PictureBox& Quit_BG;
  ui::AnimatedPicture& Yes_Resource;
  ui::AnimatedPicture& No_Resource;
  ui::AnimatedPicture& OK_Resource;
  ui::AnimatedPicture& Cancel_Resource;
};

}  // namespace qvl
