// The map window `MapWindow`: the game's map picture with up to twenty
// location markers, their highlights, and the close and cancel buttons.
#pragma once

#include "game/control_array.h"
#include "shell/map_state.h"
#include "ui/animated_picture.h"
#include "ui/builtin_pictures.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class MapWindowWindow {
 public:
  MapWindowWindow(ui::Windows& windows, const ui::BuiltinPictures& builtins);

  ui::Window& window;
  ui::ImageControl& Image1;  // the map picture
  ControlArray<ui::Shape, MapState::kLocationCount> Hiliter;
  ControlArray<ui::AnimatedPicture, MapState::kLocationCount> Loctn;
  ui::AnimatedPicture& NewLoca;
  ui::Button& Command1;  // "X"
  ui::Button& Command2;  // holds the focus
  ui::ImageControl& ButtnCancel;
  ui::AnimatedPicture& FNF;
};

}  // namespace qvl
