// The scene being shown: the run-time copy of its record, which objects are
// active, the picture loads of its preparation, the movie waiting for the
// next scene load, and the per-slot memory of its hidden objects.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/scene_rec.h"
#include "platform/picture_files.h"

namespace qvl {

// Arrays indexed by object slot 1 … 20; entry 0 is never used.
template <class T>
using PerSlot = std::array<T, data::SceneRec::kSlotCount + 1>;

// A flag action waiting to be taken (a Delay's action on expiry).
struct FlagAction {
  int16_t flag = 0;
  int16_t value = 0;
  int16_t mode = 0;
};

struct SceneState {
  // The current scene's record as read, with the kind marks and emptied
  // fields the engine writes while the scene is shown.
  data::SceneRec Rec;

  // Shown (visible kinds) or armed (hidden kinds) in this scene refresh.
  PerSlot<bool> ObjectActive{};
  // Picture loads finished, and started, in the current preparation, and
  // loads whose loaded event has not come yet (whatever preparation
  // started them), so that a nested preparation cannot hold a wait up.
  int16_t GifLoadCount = 0;
  int16_t GifLoadsStarted = 0;
  int GifLoadsInFlight = 0;

  // The pointer picture of each direction arrow (1 Up, 2 Right, 3 Down,
  // 4 Left), from the scene's link blocks.
  std::array<PointerPicture, 5> ArrowPointer{};

  // A movie a click left to be played before the next scene is shown.
  std::string PendingMovie;
  int16_t PendingMovieLevel = 0;

  // What the clicks of this visit have done (reset at every scene load):
  // a Switch's animation runs, a one-shot Link or Reactor has been used.
  PerSlot<bool> SwitchRunning{};
  PerSlot<bool> LinkUsed{};
  PerSlot<bool> ReactorUsed{};
  // A clicked Switch's flag value at the click, applied at its animation's end.
  PerSlot<int16_t> SwitchStateAtClick{};

  // Hidden objects: the flag values they last remembered.
  PerSlot<int16_t> RespValue{};
  PerSlot<int16_t> ConvValue{};
  std::array<PerSlot<int16_t>, data::multi_trigger::kRuleCount + 1> MtValue{};  // rules 1 … 3
  std::array<PerSlot<int16_t>, data::flag_conjunction::kConditionCount + 1> FcValue{};  // conditions 1 … 6
  // Sound Responders: the sound each watches, and whether it was requested.
  PerSlot<std::string> WatchedSound{};
  PerSlot<bool> SoundHeard{};
  // The flag action of each started Delay, taken when it expires.
  PerSlot<FlagAction> DelayAction{};

  // The hidden object being evaluated, named in the looping report.
  std::string CheckingKind;
  std::string CheckingSlot;
  // How many flag changes are being handled inside one another.
  int FlagNesting = 0;
  // A runaway cascade was stopped: until the outermost flag change is
  // done, further flag changes set their flag and nothing more.
  bool LoopStopped = false;
};

}  // namespace qvl
