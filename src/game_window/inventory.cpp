#include "game_window/inventory.h"

#include "data/item_rec.h"
#include "engine/records.h"
#include "game/app_paths.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "media/sound_channels.h"
#include "platform/picture_files.h"

namespace qvl {

namespace {

std::string GfxPath(Player& p, const std::string& name) { return p.AppPath() + "resource\\gfx\\" + name; }

// The bar cannot take another item: the player hears the game's sound for
// it, or reads "Inventory Full" on the message strip.
void TellInventoryFull(Player& p) {
  const SoundSetting& full = p.gen.InventoryFullSound;
  if (!full.file.empty()) {
    PlayWAVQVL(p, full.file, false, 12, full.pan, full.vol);
    return;
  }
  MainWindow& main = p.windows.main;
  main.Msg.SetCaption("Inventory Full");
  main.MsgStatus.Show();
  main.MsgTimer.SetTimerEnabled(true);
}

bool AlreadyHeld(const Player& p, int16_t item) {
  for (int16_t k = 1; k <= p.inventory.InvCount; ++k) {
    if (p.inventory.Slot[static_cast<size_t>(k)].Item == item) return true;
  }
  return false;
}

void LoadIcon(Player& p, const data::ItemRec& rec, int16_t slot, bool append) {
  const std::string name = rec.IconPicture.Trimmed();
  if (name.empty()) return;
  ItemImagesWindow& images = p.windows.item_images;
  const std::string path = GfxPath(p, name);
  images.ItemIcon(slot).SetPicture(FileExists(p, path) ? LoadGamePicture(p, path) : images.NoPic.picture());
  ui::ImageControl& icon = p.windows.main.invitem(slot);
  icon.SetPicture(images.ItemIcon(slot).picture());
  if (append) icon.Show();
}

void LoadPointers(Player& p, const data::ItemRec& rec, int16_t slot, bool replace) {
  ItemImagesWindow& images = p.windows.item_images;
  if (const std::string name = rec.PointerPicture.Trimmed(); !name.empty()) {
    const std::string path = GfxPath(p, name);
    if (FileExists(p, path)) {
      images.ItemPoint(slot).SetPointer(LoadPointerFile(RealPath(p, path), p.runtime().windows().picture_budget()));
    } else {
      images.ItemPoint(slot).SetPointer(PointerPicture{images.ItemIcon(slot).picture()});
    }
    if (replace) p.runtime().SetPointer(images.ItemPoint(slot).pointer());
  }
  if (const std::string name = rec.HighlightPicture.Trimmed(); !name.empty()) {
    const std::string path = GfxPath(p, name);
    if (FileExists(p, path)) {
      images.ItemHL(slot).SetPointer(LoadPointerFile(RealPath(p, path), p.runtime().windows().picture_budget()));
    } else {
      images.ItemHL(slot).SetPointer(PointerPicture{images.NoPic.picture()});
    }
  }
}

InventorySlot SlotValues(const data::ItemRec& rec, int16_t item) {
  InventorySlot s;
  s.Item = item;
  s.Partner = rec.CombinePartner;
  s.Result = rec.CombineResult;
  s.Combinable = (s.Partner < 1 || s.Result < 1) ? 0 : rec.Combinable;
  s.CombineSound = rec.CombineSound.Trimmed();
  s.CombineSoundVol = rec.CombineSoundVol;
  s.CombineSoundPan = rec.CombineSoundPan;
  s.RefusalSound = rec.RefusalSound.Trimmed();
  s.RefusalSoundVol = rec.RefusalSoundVol;
  s.RefusalSoundPan = rec.RefusalSoundPan;
  s.HasCloseUp = rec.HasCloseUp;
  s.ExamineSound = rec.ExamineSound.Trimmed();
  s.ExamineSoundVol = rec.ExamineSoundVol;
  s.ExamineSoundPan = rec.ExamineSoundPan;
  s.Caption = rec.Caption.Trimmed();
  s.CloseUpMode = rec.CloseUpOption;
  s.CloseUpPicture = rec.CloseUpPicture.Trimmed();
  s.ExamineNewItem = rec.ExamineNewItem;
  s.ExamineTransforms = rec.ExamineNewItem < 1 ? 0 : rec.ExamineTransforms;
  s.ExamineAddsLocation = rec.ExamineAddsLocation;
  s.ExamineLocation = rec.ExamineLocation;
  s.ExamineSetsFlag = rec.ExamineSetsFlag;
  s.ExamineFlag = rec.ExamineFlag;
  s.ExamineFlagValue = rec.ExamineFlagValue;
  s.ExamineFlagMode = rec.ExamineFlagMode;
  return s;
}

}  // namespace

void AddItem(Player& p, int16_t item, int16_t mode, int16_t slot) {
  InventoryState& inv = p.inventory;
  if (mode == add_mode::kAppend && inv.InvCount >= InventoryState::kSlots) {
    TellInventoryFull(p);
    LogLine(p, "Couldn't add Item #" + Num(item) + " to Inventory - Inventory Full.");
    return;
  }
  const auto rec = ReadRecord<data::ItemRec>(p.data.Item, item);
  if (rec.AllowDuplicates == 0 && AlreadyHeld(p, item)) {
    LogLine(p, "Couldn't add Item #" + Num(item) + " to Inventory - Already there.");
    return;
  }
  const bool append = mode == add_mode::kAppend;
  if (!append && (slot < 1 || slot > InventoryState::kSlots)) throw RuntimeError(err::kSubscript);
  const int16_t target = append ? ++inv.InvCount : slot;

  LoadIcon(p, rec, target, append);
  LoadPointers(p, rec, target, !append);
  p.windows.main.invitem(target).SetToolTipText(p.gen.ItemTooltips ? rec.Caption.Trimmed() : std::string());
  if (append) {
    LogLine(p, "Item #" + Num(item) + " added to Inventory");
  } else {
    const int16_t hand = p.game.Hand;
    const int16_t held = ItemInHand(p) ? inv.Slot[static_cast<size_t>(hand)].Item : int16_t{0};
    LogLine(p, "Replace Inventory Item #" + Num(held) + " with Item #" + Num(item));
  }
  inv.Slot[static_cast<size_t>(target)] = SlotValues(rec, item);
}

bool ItemInHand(const Player& p) { return p.game.Hand >= 1 && p.game.Hand <= InventoryState::kSlots; }

}  // namespace qvl
