#include "engine/delays.h"

#include <algorithm>

#include "engine/flags.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/pointers.h"

namespace qvl {

namespace {

// The countdown of a slot; a slot without one (the countdowns were never
// made) is the error of an object that does not exist.
ui::TimerSlot& Countdown(Player& p, int16_t slot) {
  if (slot < 1 || slot > data::SceneRec::kSlotCount) throw RuntimeError(err::kSubscript);
  auto& countdown = p.delays.Countdown[static_cast<size_t>(slot)];
  if (!countdown) throw RuntimeError(91, "Object variable or With block variable not set");
  return *countdown;
}

// A countdown runs for at least a millisecond, so that one of no length
// re-armed while a scene loads lets time go on.
void Arm(Player& p, int16_t slot, int32_t ms) {
  Countdown(p, slot).Start(std::max(ms, 1), false, [&p, slot] { DelayExpired(p, slot); });
}

// The box of a countdown procedure, after the cause of the error (the
// Delay's slot when there is one) has gone to the error output and the
// notify log.
void ReportTimerError(Player& p, const char* procedure, const char* line, const RuntimeError& error,
                      int16_t slot = 0) {
  ReportErrorCause(p, procedure, error, slot == 0 ? "" : "slot " + Num(slot) + " (Delay)");
  p.runtime().message_boxes().Show(kAppTitle,
                                   std::string(line) + "\rErr #" + Str(error.number()) + ": " + error.description(),
                                   MsgIcon::kNone, MsgButtons::kOK);
}

bool AnyDelayBlocks(Player& p) {
  bool blocks = false;
  for (size_t slot = 1; slot <= data::SceneRec::kSlotCount; ++slot) {
    if (p.delays.DelayBlocks[slot]) blocks = true;
    p.loop().DoEvents();
  }
  return blocks;
}

}  // namespace

void StartDelay(Player& p, int16_t slot, int16_t seconds) {
  const int32_t ms = seconds == 0 ? 1 : seconds > 0 ? int32_t{seconds} * 1000 : 0;
  if (seconds > 0 && p.scene.Rec.slot(slot)[data::delay::kWaits] == 1) {
    p.delays.DelayBlocks[static_cast<size_t>(slot)] = true;
    ShowPointer(p, pointer::kWait);
  }
  p.delays.DelaySeconds[static_cast<size_t>(slot)] = seconds;
  StartTimer(p, slot, ms);
}

void StartTimer(Player& p, int16_t slot, int32_t ms) {
  try {
    Arm(p, slot, ms);
    p.delays.DelayRunning[static_cast<size_t>(slot)] = 1;
    LogLine(p, "Delay" + Str(slot) + " started. (" + Num(p.delays.DelaySeconds[static_cast<size_t>(slot)]) + " secs)");
  } catch (const RuntimeError& error) {
    ReportTimerError(p, "StartTimer", "Error setting Hi-Resolution Timer.", error, slot);
  }
}

void InitTimers(Player& p) {
  try {
    for (size_t slot = 1; slot <= data::SceneRec::kSlotCount; ++slot) {
      p.delays.Countdown[slot] = std::make_unique<ui::TimerSlot>(p.runtime().scheduler());
    }
  } catch (const RuntimeError& error) {
    ReportTimerError(p, "InitTimers", "Error initializing Hi-Resolution Timers.", error);
  }
}

void StopAllTimers(Player& p) {
  try {
    for (int16_t slot = 1; slot <= data::SceneRec::kSlotCount; ++slot) {
      p.delays.DelayRunning[static_cast<size_t>(slot)] = 0;
      Countdown(p, slot).Stop();
    }
  } catch (const RuntimeError& error) {
    ReportTimerError(p, "StopAllTimers", "Error stopping Hi-Resolution Timers.", error);
  }
}

void DelayExpired(Player& p, int16_t slot) {
  try {
    const size_t k = static_cast<size_t>(slot);
    const int16_t seconds = p.delays.DelaySeconds[k];
    if (p.game.SceneLoading) {
      // A scene is being built: the Delay waits its full length again.
      Arm(p, slot, int32_t{seconds} * 1000);
      LogLine(p, "Delay" + Str(slot) + " restarted. (" + Num(seconds) + " secs) " + "<Loading scene>");
      return;
    }
    p.delays.DelayRunning[k] = 0;
    Countdown(p, slot).Stop();
    LogLine(p, "Delay" + Str(slot) + " expired.");
    p.delays.DelayBlocks[k] = false;
    if (!AnyDelayBlocks(p)) ShowPointer(p, pointer::kNormal);
    const FlagAction action = p.scene.DelayAction[k];
    SetFlag(p, action.flag, action.value, action.mode);
  } catch (const RuntimeError& error) {
    ReportTimerError(p, "DelayExpired", "Error expiring Hi-Resolution Timer.", error, slot);
  }
}

}  // namespace qvl
