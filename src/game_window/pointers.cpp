#include "game_window/pointers.h"

#include "engine/game_state.h"
#include "game/player.h"
#include "game_window/mouse_point.h"

namespace qvl {

void ShowPointer(Player& p, int slot) { p.runtime().SetPointer(p.windows.mouse_point.Pointer(slot).pointer()); }

void ShowItemOrNormalPointer(Player& p) {
  if (p.game.Hand != kNothingInHand && p.windows.main.FlashFixIcon.pointer().picture) {
    p.runtime().SetPointer(p.windows.main.FlashFixIcon.pointer());
  } else {
    ShowPointer(p, pointer::kNormal);
  }
}

void ShowItemHighlightPointer(Player& p) {
  const ItemImagesWindow& images = p.windows.item_images;
  const PointerPicture& lit = images.ItemHL(p.game.Hand).pointer();
  if (lit.picture == nullptr || lit.picture == images.NoPic.picture()) {
    ShowItemOrNormalPointer(p);
  } else {
    p.runtime().SetPointer(lit);
  }
}

bool WaitPointerShows(Player& p) {
  const PictureRef& wait = p.windows.mouse_point.Pointer(pointer::kWait).pointer().picture;
  return wait != nullptr && p.runtime().pointer().picture == wait;
}

int PointerSlotShowing(Player& p) {
  const PictureRef& showing = p.runtime().pointer().picture;
  if (!showing) return 0;
  for (int i = 1; i <= pointer::kCount; ++i) {
    if (p.windows.mouse_point.Pointer(i).pointer().picture == showing) return i;
  }
  return 0;
}

}  // namespace qvl
