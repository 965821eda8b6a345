// What the game keeps of the inventory: the items on the bar, what each
// slot knows of its item, the close-up loaded and a running examine.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qvl {

// What an inventory slot knows of the item in it, copied from the item's
// record when the item enters the slot.
struct InventorySlot {
  int16_t Item = 0;
  int16_t Combinable = 0;  // 0 when the partner or the result is below 1
  int16_t Partner = 0;
  int16_t Result = 0;
  std::string CombineSound;
  int32_t CombineSoundVol = 0;
  int32_t CombineSoundPan = 0;
  std::string RefusalSound;
  int32_t RefusalSoundVol = 0;
  int32_t RefusalSoundPan = 0;
  int16_t HasCloseUp = 0;
  std::string ExamineSound;
  int32_t ExamineSoundVol = 0;
  int32_t ExamineSoundPan = 0;
  std::string Caption;
  int16_t CloseUpMode = 0;
  std::string CloseUpPicture;
  int16_t ExamineTransforms = 0;  // 0 when the new item is below 1
  int16_t ExamineNewItem = 0;
  int16_t ExamineAddsLocation = 0;
  int16_t ExamineLocation = 0;
  int16_t ExamineSetsFlag = 0;
  int16_t ExamineFlag = 0;
  int16_t ExamineFlagValue = 0;
  int16_t ExamineFlagMode = 0;
};

struct InventoryState {
  static constexpr int16_t kSlots = 16;
  // Items held: slots 1 … InvCount, without gaps, in the order received.
  int16_t InvCount = 0;
  std::array<InventorySlot, kSlots + 1> Slot{};  // 1 … 16
  // The slot whose close-up picture is loaded; -1 when none.
  int16_t CloseUpSlot = -1;
  // From a click on the examine button until its effects have run.
  bool ExamineInProgress = false;
};

}  // namespace qvl
