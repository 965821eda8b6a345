// The hidden window `ItemImages`: for each inventory slot the bar icon,
// the pointer while the item is in hand and its highlighted pointer.
#pragma once

#include "game/control_array.h"
#include "game_window/inventory_state.h"
#include "game_window/mouse_point.h"
#include "ui/builtin_pictures.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class ItemImagesWindow {
 public:
  ItemImagesWindow(ui::Windows& windows, const ui::BuiltinPictures& builtins);

  ui::Window& window;
  ControlArray<ui::ImageControl, InventoryState::kSlots> ItemIcon;
  ControlArray<PointerImage, InventoryState::kSlots> ItemPoint;
  ControlArray<PointerImage, InventoryState::kSlots> ItemHL;
  ui::ImageControl& NoPic;
};

}  // namespace qvl
