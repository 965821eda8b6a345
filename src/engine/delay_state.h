// What the game keeps of the Delay countdowns: one per object slot, its
// length, whether it runs and whether it makes the player wait.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/scene_state.h"
#include "ui/scheduler.h"

namespace qvl {

struct DelayState {
  // The slot's countdown; made by InitTimers and kept for the whole run.
  PerSlot<std::unique_ptr<ui::TimerSlot>> Countdown;
  // Length in seconds of the Delay last started in the slot.
  PerSlot<int16_t> DelaySeconds{};
  // 1 while the slot's countdown runs.
  PerSlot<int16_t> DelayRunning{};
  // The running Delay makes the player wait (busy pointer).
  PerSlot<bool> DelayBlocks{};
};

}  // namespace qvl
