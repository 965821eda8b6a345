// The inventory bar at play: taking an item in hand, combining it with
// another, putting it back, closing the gap a used item leaves, and the
// pointer and highlight frame over the bar.
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/game_window.h"
#include "game_window/inventory.h"
#include "game_window/pointers.h"
#include "media/sound_channels.h"
#include "shell/closeup.h"

namespace qvl {

namespace {

// Combination sounds play on the channel of the inventory sounds.
constexpr int16_t kInventoryChannel = 12;

InventorySlot& SlotOf(Player& p, int16_t k) { return p.inventory.Slot[static_cast<size_t>(k)]; }

void ShowExamineNormal(Player& p) {
  MainWindow& m = p.windows.main;
  if (PictureRef normal = m.EI_Resource.FramePicture(1)) m.ExamineItem.SetPicture(normal);
}

// Left button on an icon: the item goes into the hand (its pointer shows
// and its close-up picture is fetched ahead of time), or the item already
// in hand is used on it.
void InvItemMouseDown(Player& p, int16_t i, const ui::MouseArgs& args) {
  if (args.button != MouseButton::kLeft || WaitPointerShows(p)) return;
  if (ItemInHand(p)) {
    CombineItems(p, p.game.Hand, i);
    return;
  }
  MainWindow& m = p.windows.main;
  LogLine(p, "Inventory Item #" + Num(SlotOf(p, i).Item) + " in hand");
  m.invitem(i).Hide();
  p.game.Hand = i;
  if (p.inventory.CloseUpSlot != i) RequestCloseUpPicture(p, i);
  m.FlashFixIcon.SetPointer(p.windows.item_images.ItemPoint(i).pointer());
  p.runtime().SetPointer(m.FlashFixIcon.pointer());
}

// Left button on the bar itself: the item in hand goes back to its place.
void InvBarMouseDown(Player& p, const ui::MouseArgs& args) {
  if (args.button != MouseButton::kLeft || WaitPointerShows(p) || !ItemInHand(p)) return;
  MainWindow& m = p.windows.main;
  LogLine(p, "Inventory Item #" + Num(SlotOf(p, p.game.Hand).Item) + " returned to Inventory Bar");
  m.invitem(p.game.Hand).Show();
  m.FlashFixIcon.SetPointer(PointerPicture{});
  ShowPointer(p, pointer::kNormal);
  p.game.Hand = kNothingInHand;
}

// Over an icon: the frame goes round it; the item in hand shows that it
// can be used here.
void InvItemMouseMove(Player& p, int16_t i) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  ShowExamineNormal(p);
  const ui::ImageControl& icon = m.invitem(i);
  m.ItemHiLite.Move(icon.left(), icon.top(), icon.width(), icon.height());
  m.ItemHiLite.Show();
  if (!ItemInHand(p)) {
    if (PointerSlotShowing(p) != pointer::kNormal) ShowPointer(p, pointer::kNormal);
  } else {
    ShowItemHighlightPointer(p);
  }
}

void InvBarMouseMove(Player& p) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  ShowButtonsNormal(p);
  m.HoverTarget = hover::kNeutral;
  m.ItemHiLite.Hide();
  ShowItemOrNormalPointer(p);
}

// Slot k takes everything of slot `from`: icon, tag, tooltip (so the note
// keeps naming the item it stands on), pointers and values.
void MoveSlot(Player& p, int16_t k, int16_t from) {
  MainWindow& m = p.windows.main;
  ItemImagesWindow& images = p.windows.item_images;
  m.invitem(k).SetPicture(m.invitem(from).picture());
  m.invitem(k).SetTag(m.invitem(from).tag());
  m.invitem(k).SetToolTipText(m.invitem(from).tooltip_text());
  images.ItemIcon(k).SetPicture(images.ItemIcon(from).picture());
  images.ItemPoint(k).SetPointer(images.ItemPoint(from).pointer());
  images.ItemHL(k).SetPointer(images.ItemHL(from).pointer());
  SlotOf(p, k) = SlotOf(p, from);
}

// Slot 16 of a full bar, emptied as its items move down.
void EmptyLastSlot(Player& p) {
  MainWindow& m = p.windows.main;
  ItemImagesWindow& images = p.windows.item_images;
  const PictureRef placeholder = images.NoPic.picture();
  m.invitem(16).SetPicture(placeholder);
  m.invitem(16).SetTag("");
  m.invitem(16).SetToolTipText("");
  images.ItemIcon(16).SetPicture(placeholder);
  images.ItemPoint(16).SetPointer(PointerPicture{placeholder});
  images.ItemHL(16).SetPointer(PointerPicture{placeholder});
  SlotOf(p, 16) = InventorySlot{};
}

void HideLastIcon(Player& p) {
  ui::ImageControl& last = p.windows.main.invitem(p.inventory.InvCount);
  last.SetTag("");
  last.Hide();
}

}  // namespace

void CombineItems(Player& p, int16_t a, int16_t b) {
  const InventorySlot held = SlotOf(p, a);
  const InventorySlot target = SlotOf(p, b);
  LogLine(p, "Combine Inventory Item #" + Num(held.Item) + " with Item #" + Num(target.Item));
  if (held.Combinable == 0) {
    LogLine(p, "Inventory Item #" + Num(held.Item) + " can't be combined with anything.");
    return;
  }
  if (held.Partner != target.Item) {
    LogLine(p, "Inventory Item #" + Num(held.Item) + " and Item #" + Num(target.Item) + " can't be combined.");
    if (!held.RefusalSound.empty()) {
      PlayWAVQVL(p, held.RefusalSound, false, kInventoryChannel, held.RefusalSoundPan, held.RefusalSoundVol);
    }
    return;
  }
  LogLine(p, "Inventory Item #" + Num(held.Item) + " combined with Item #" + Num(target.Item) + " (OK)");
  if (!held.CombineSound.empty()) {
    PlayWAVQVL(p, held.CombineSound, false, kInventoryChannel, held.CombineSoundPan, held.CombineSoundVol);
  } else if (!target.CombineSound.empty()) {
    PlayWAVQVL(p, target.CombineSound, false, kInventoryChannel, target.CombineSoundPan, target.CombineSoundVol);
  }
  AddItem(p, held.Result, add_mode::kReplace, b);
  ShowPointer(p, pointer::kNormal);
  CompactInventoryBar(p, a);
  p.game.Hand = kNothingInHand;
}

void CompactInventoryBar(Player& p, int16_t s) {
  InventoryState& inv = p.inventory;
  inv.CloseUpSlot = -1;
  if (inv.InvCount < 1) return;
  if (s != InventoryState::kSlots) {
    for (int16_t k = s; k <= inv.InvCount; ++k) {
      if (k + 1 > InventoryState::kSlots) {
        EmptyLastSlot(p);
      } else {
        MoveSlot(p, k, static_cast<int16_t>(k + 1));
      }
    }
    p.windows.main.invitem(s).Show();
    HideLastIcon(p);
    LogLine(p, "Inventory Bar compacted at slot " + Num(s));
  }
  HideLastIcon(p);
  --inv.InvCount;
}

void WireInventoryBar(Player& p) {
  MainWindow& m = p.windows.main;
  for (int16_t i = 1; i <= InventoryState::kSlots; ++i) {
    m.invitem(i).on_mouse_down = [&p, i](const ui::MouseArgs& args) { InvItemMouseDown(p, i, args); };
    m.invitem(i).on_mouse_move = [&p, i](const ui::MouseArgs&) { InvItemMouseMove(p, i); };
  }
  m.InvBar.on_mouse_down = [&p](const ui::MouseArgs& args) { InvBarMouseDown(p, args); };
  m.InvBar.on_mouse_move = [&p](const ui::MouseArgs&) { InvBarMouseMove(p); };
}

}  // namespace qvl
