// The one event loop of the program: input events, posted tasks and due
// timers, run by DoEvents and by waits that yield to it. Waits nest on
// purpose: a click can be handled while a scene load waits.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/input_event.h"
#include "ui/scheduler.h"

namespace qvl {
class ScreenOutput;
class VirtualClock;
}  // namespace qvl

namespace qvl::ui {

// What a wait is waiting for, so that a script can tell when the player
// takes input: the program's main loop and a modal window's loop wait for
// the person; every other wait waits for the game itself.
enum class WaitKind { kGame, kModal, kMain };

// A wait in virtual time that nothing can ever end: no timer is pending and
// no input can come.
class Hang : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Thrown out of every wait once the program has ended, so that the handlers
// waiting inside one another unwind.
struct ProgramEnded {};

class EventLoop;

// What the loop turns to when nothing is left to do now: the scripted
// player in `qvl run`. It may queue input, let time pass (PassTime) or
// throw to stop the program.
class IdleSource {
 public:
  virtual ~IdleSource() = default;
  virtual void Idle(EventLoop& loop) = 0;
};

class EventLoop {
 public:
  // In virtual time `virtual_clock` is the clock of the scheduler, and
  // waiting moves it; in real time it is null and `screen`, when given,
  // supplies input and sleeps the loop.
  EventLoop(Scheduler& scheduler, VirtualClock* virtual_clock, ScreenOutput* screen);
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  // Who receives input events (the windows' input router).
  void SetInputHandler(std::function<void(const InputEvent&)> handler) { input_handler_ = std::move(handler); }
  // Called before the loop sleeps, so the screen is drawn when it changed.
  void SetBeforeSleep(std::function<void()> hook) { before_sleep_ = std::move(hook); }
  void SetIdleSource(IdleSource* source) { idle_source_ = source; }

  // Queues an input event for the next DoEvents.
  void PushInput(InputEvent event) { input_.push_back(std::move(event)); }
  // Queues a task for the next DoEvents (a control's notification).
  void Post(std::function<void()> task) { posted_.push_back(std::move(task)); }
  // Queues work for spare time: it runs, one task at a time, when time
  // would pass with nothing else to do and no timer is due within
  // kSpareTimeMs, so it never delays the game. It is not pending work: a
  // script's `ready` does not wait for it.
  void PostSpare(std::function<void()> task) { spare_.push_back(std::move(task)); }
  static constexpr int64_t kSpareTimeMs = 50;

  // Runs the pending input events, posted tasks and due timers once.
  // Returns whether anything ran.
  bool DoEvents();

  // Yields to the loop until `done` holds. Sleeps when nothing is to be
  // done: in real time until the next input or timer, in virtual time by
  // jumping to the next timer (or asking the idle source). Throws Hang when
  // nothing can ever end a virtual wait.
  void WaitUntil(const std::function<bool()>& done, WaitKind kind = WaitKind::kGame);

  // Lets time pass up to `until_ms` at most, stopping early at the next
  // timer or input, or after one task of spare-time work. Virtual time
  // with nothing pending and no limit throws Hang.
  void PassTime(std::optional<int64_t> until_ms);

  // The kinds of the running waits, outermost first.
  const std::vector<WaitKind>& Waits() const { return waits_; }

  bool HasPendingWork() const { return !input_.empty() || !posted_.empty(); }
  // Whether the program waits only for the person: no wait of its own runs
  // (only the main loop's and modal windows') and nothing is queued.
  bool WaitsOnlyForInput() const;
  bool IsVirtual() const { return virtual_clock_ != nullptr; }
  int64_t NowMs() const { return scheduler_.clock().NowMs(); }
  Scheduler& scheduler() { return scheduler_; }

  // The program has ended: every running and later wait throws
  // ProgramEnded; DoEvents does nothing more.
  void EndProgram() { ended_ = true; }
  bool Ended() const { return ended_; }

 private:
  // DoEvents' work: the pending input, the posted tasks, the due timers.
  bool RunPending();
  // Runs one spare-time task when there is one and time for it.
  bool RunSpare();
  Scheduler& scheduler_;
  VirtualClock* virtual_clock_;
  ScreenOutput* screen_;
  IdleSource* idle_source_ = nullptr;
  std::function<void(const InputEvent&)> input_handler_;
  std::function<void()> before_sleep_;
  std::deque<InputEvent> input_;
  std::deque<std::function<void()>> posted_;
  std::deque<std::function<void()>> spare_;
  std::vector<WaitKind> waits_;
  bool ended_ = false;
};

}  // namespace qvl::ui
