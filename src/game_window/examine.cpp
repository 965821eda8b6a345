#include "game_window/examine.h"

#include "engine/flags.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/inventory.h"
#include "game_window/pointers.h"
#include "media/sound_channels.h"
#include "shell/closeup.h"
#include "shell/map_locations.h"

namespace qvl {

namespace {

// Over the button: with an item in hand it lights up, sounds once per
// entry and the item shows it can be used here.
void ExamineMouseMove(Player& p) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  if (!ItemInHand(p)) {
    if (PointerSlotShowing(p) != pointer::kNormal) ShowPointer(p, pointer::kNormal);
    return;
  }
  const SoundSetting& hover_sound = p.gen.HoverSound;
  if (!hover_sound.file.empty() && m.HoverTarget != hover::kExamineButton) {
    m.HoverTarget = hover::kExamineButton;
    PlayWAVQVL(p, hover_sound.file, false, channels::kButtons, hover_sound.pan, hover_sound.vol);
  }
  ShowItemHighlightPointer(p);
  if (PictureRef lit = m.EI_Resource.FramePicture(0)) m.ExamineItem.SetPicture(lit);
}

// The close-up of the item in hand: caption, mode and sound handed to the
// window, the picture waited for, then the window until it closes.
void ShowCloseUp(Player& p, int16_t hand) {
  const InventorySlot& item = p.inventory.Slot[static_cast<size_t>(hand)];
  CloseupWindow& c = p.windows.closeup;
  ShowPointer(p, pointer::kWait);
  p.loop().DoEvents();
  c.ClsCapt.SetCaption(item.Caption);
  c.Mode = item.CloseUpMode;
  c.Sound = item.ExamineSound;
  c.SoundVol = item.ExamineSoundVol;
  c.SoundPan = item.ExamineSoundPan;
  // After a transformation no load is pending for the hand's slot: the new
  // item's picture is fetched first.
  if (p.inventory.CloseUpSlot != hand) RequestCloseUpPicture(p, hand);
  p.loop().WaitUntil([&c] { return c.PictureLoaded; });
  ShowCloseupModal(p);
}

void ExamineClick(Player& p) {
  if (WaitPointerShows(p) || !ItemInHand(p)) return;
  const int16_t hand = p.game.Hand;
  InventoryState& inv = p.inventory;
  inv.ExamineInProgress = true;
  LogLine(p, "Examine Item #" + Num(inv.Slot[static_cast<size_t>(hand)].Item));
  if (const SoundSetting& click = p.gen.ClickSound; !click.file.empty()) {
    PlayWAVQVL(p, click.file, false, channels::kButtons, click.pan, click.vol);
  }
  const InventorySlot& item = inv.Slot[static_cast<size_t>(hand)];
  if (item.HasCloseUp == 0) {
    if (!item.ExamineSound.empty()) {
      PlayWAVQVL(p, item.ExamineSound, false, channels::kDialogue, item.ExamineSoundPan, item.ExamineSoundVol);
    }
  } else {
    ShowCloseUp(p, hand);
  }
  ApplyExamineEffects(p, hand);
  inv.ExamineInProgress = false;
}

}  // namespace

void ApplyExamineEffects(Player& p, int16_t hand) {
  // A copy: the flag change and the new item below change the slot.
  const InventorySlot item = p.inventory.Slot[static_cast<size_t>(hand)];
  if (item.ExamineAddsLocation == 1 && item.ExamineLocation >= 1 && item.ExamineLocation <= MapState::kLocationCount) {
    AddLocationToMap(p, item.ExamineLocation);
  }
  if (item.ExamineSetsFlag == 1 && item.ExamineFlag > 0) {
    SetFlag(p, item.ExamineFlag, item.ExamineFlagValue, item.ExamineFlagMode);
  }
  if (item.ExamineTransforms == 1 && item.ExamineNewItem != 0) {
    AddItem(p, item.ExamineNewItem, add_mode::kReplace, hand);
    p.windows.closeup.PictureLoaded = false;
    p.inventory.CloseUpSlot = -1;
    // The new item is in hand: its pointer is the hand's pointer from now on.
    if (p.game.Hand == hand) {
      MainWindow& m = p.windows.main;
      m.FlashFixIcon.SetPointer(p.windows.item_images.ItemPoint(hand).pointer());
    }
  }
}

void WireExamineButton(Player& p) {
  MainWindow& m = p.windows.main;
  m.ExamineItem.on_mouse_move = [&p](const ui::MouseArgs&) { ExamineMouseMove(p); };
  m.ExamineItem.on_click = [&p](const ui::MouseArgs&) {
    try {
      ExamineClick(p);
    } catch (const RuntimeError& error) {
      p.inventory.ExamineInProgress = false;
      ReportUnexpected(p, "ExamineItem_Click", error);
    }
  };
}

}  // namespace qvl
