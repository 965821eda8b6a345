// The inventory: up to sixteen items on the game window's bar, what each
// slot knows of its item, adding or replacing an item, the item in hand,
// combining two items and closing the gap an item leaves.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qvl {

struct Player;

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

// How AddItem places the item.
namespace add_mode {
constexpr int16_t kAppend = 0;    // at the end of the bar
constexpr int16_t kReplace = -1;  // in place of the item in the given slot
}  // namespace add_mode

// Adds item `item` to the inventory, or puts it in place of the item in
// `slot`. A full bar or an item already held is refused: logged, and a
// full bar is also told to the player.
void AddItem(Player& p, int16_t item, int16_t mode, int16_t slot);

// True when an item is in hand: the hand holds a slot of the bar.
bool ItemInHand(const Player& p);

// Uses the item in hand slot `a` on the item in slot `b`: when b is a's
// partner, the result takes b's place and a leaves the bar.
void CombineItems(Player& p, int16_t a, int16_t b);

// Takes the item in slot `s` off the bar and closes the gap. The caller
// empties the hand.
void CompactInventoryBar(Player& p, int16_t s);

// The press, pointer and hover events of the bar and its icons.
void WireInventoryBar(Player& p);

}  // namespace qvl
