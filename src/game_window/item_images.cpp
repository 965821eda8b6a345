#include "game_window/item_images.h"

namespace qvl {

ItemImagesWindow::ItemImagesWindow(ui::Windows& windows, const ui::BuiltinPictures& builtins)
    : window(windows.Add("ItemImages")),
      ItemIcon(window, "ItemIcon"),
      ItemPoint(window, "ItemPoint"),
      ItemHL(window, "ItemHL"),
      NoPic(window.Add<ui::ImageControl>("NoPic")) {
  window.SetCaption("ItemImages (HIDDEN)");
  window.Move(0, 0, 700, 160);
  for (int i = 1; i <= ItemIcon.kCount; ++i) {
    ItemIcon(i).Move(4 + (i - 1) * 42, 4);
    ItemPoint(i).Move(4 + (i - 1) * 42, 50);
    ItemHL(i).Move(4 + (i - 1) * 42, 96);
  }
  NoPic.SetPicture(builtins.Get(ui::BuiltinPicture::kNoPic));
  NoPic.Move(4, 140);
}

}  // namespace qvl
