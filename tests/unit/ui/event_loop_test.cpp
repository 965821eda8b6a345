// Timers on one scheduler and the re-entrant event loop, in virtual time.
#include "ui/event_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clocks.h"
#include "ui/scheduler.h"

namespace qvl::ui {
namespace {

struct Loop {
  VirtualClock clock;
  Scheduler scheduler{clock};
  EventLoop loop{scheduler, &clock, nullptr};
};

// Timers due at the same moment fire in the order they were started.
TEST(Scheduler, FiresDueTimersEarliestFirstAndRepeats) {
  Loop t;
  std::vector<std::string> fired;
  t.scheduler.Start(300, false, [&] { fired.push_back("once@" + std::to_string(t.clock.NowMs())); });
  const auto every = t.scheduler.Start(100, true, [&] { fired.push_back("every@" + std::to_string(t.clock.NowMs())); });
  EXPECT_EQ(t.scheduler.NextDue(), 100);
  t.clock.AdvanceTo(99);
  EXPECT_FALSE(t.scheduler.RunDue());
  for (int i = 0; i < 4; ++i) {
    t.clock.AdvanceTo(*t.scheduler.NextDue());
    t.scheduler.RunDue();
  }
  t.scheduler.Stop(every);
  EXPECT_FALSE(t.scheduler.NextDue().has_value());
  EXPECT_EQ(fired, (std::vector<std::string>{"every@100", "every@200", "once@300", "every@300", "every@400"}));
}

TEST(Scheduler, ATimerIsNotFiredInsideItsOwnTick) {
  Loop t;
  int ticks = 0;
  int inner_ticks = 0;
  t.scheduler.Start(100, true, [&] {
    ++ticks;
    if (ticks == 1) {
      // The tick waits 350 ms: another timer may fire meanwhile, this one not.
      t.scheduler.Start(50, true, [&] { ++inner_ticks; });
      const int64_t until = t.clock.NowMs() + 350;
      t.loop.WaitUntil([&] { return t.clock.NowMs() >= until; });
    }
  });
  t.clock.AdvanceTo(100);
  t.loop.DoEvents();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(inner_ticks, 6);  // 150 … 400; the wait ends as 450 comes
  EXPECT_EQ(t.clock.NowMs(), 450);
  // Its next tick counts on from where it stands, not from every tick it missed.
  t.clock.AdvanceTo(500);
  t.loop.DoEvents();
  EXPECT_EQ(ticks, 2);
}

TEST(Scheduler, ATickMayStopOrRestartTimers) {
  Loop t;
  std::vector<int> fired;
  Scheduler::TimerId second = 0;
  t.scheduler.Start(100, true, [&] {
    fired.push_back(1);
    t.scheduler.Stop(second);  // due at the same moment, but stopped first
  });
  second = t.scheduler.Start(100, false, [&] { fired.push_back(2); });
  {
    TimerSlot slot(t.scheduler);
    slot.Start(100, false, [&] { fired.push_back(3); });
  }  // the slot's owner went away: its timer with it
  t.clock.AdvanceTo(100);
  t.scheduler.RunDue();
  EXPECT_EQ(fired, std::vector<int>{1});
}

TEST(EventLoop, WaitsJumpToTheNextTimerInVirtualTime) {
  Loop t;
  bool done = false;
  t.scheduler.Start(700, false, [&] { done = true; });
  t.loop.WaitUntil([&] { return done; });
  EXPECT_EQ(t.clock.NowMs(), 700);
  EXPECT_TRUE(t.loop.Waits().empty());
}

TEST(EventLoop, NestedWaitsFinishInnerFirst) {
  Loop t;
  std::vector<std::string> steps;
  bool outer_done = false;
  bool inner_done = false;
  int depth_inside = 0;
  // An outer handler waits 1000 ms; at 200 ms an input arrives whose
  // handler waits 300 ms itself.
  t.loop.SetInputHandler([&](const InputEvent&) {
    steps.push_back("click starts at " + std::to_string(t.clock.NowMs()));
    t.scheduler.Start(300, false, [&] { inner_done = true; });
    t.loop.WaitUntil([&] {
      depth_inside = std::max(depth_inside, static_cast<int>(t.loop.Waits().size()));
      return inner_done;
    });
    steps.push_back("click ends at " + std::to_string(t.clock.NowMs()));
  });
  t.scheduler.Start(200, false, [&] { t.loop.PushInput(InputEvent{}); });
  t.scheduler.Start(1000, false, [&] { outer_done = true; });
  t.loop.WaitUntil([&] { return outer_done; });
  steps.push_back("outer ends at " + std::to_string(t.clock.NowMs()));
  EXPECT_EQ(steps, (std::vector<std::string>{"click starts at 200", "click ends at 500", "outer ends at 1000"}));
  EXPECT_EQ(depth_inside, 2);
}

TEST(EventLoop, AWaitNothingCanEndIsAHang) {
  Loop t;
  EXPECT_THROW(t.loop.WaitUntil([] { return false; }), Hang);
  EXPECT_TRUE(t.loop.Waits().empty());
  // A repeating timer keeps it alive; stopping it from inside ends in a hang too.
  int ticks = 0;
  Scheduler::TimerId id = 0;
  id = t.scheduler.Start(100, true, [&] {
    if (++ticks == 3) t.scheduler.Stop(id);
  });
  EXPECT_THROW(t.loop.WaitUntil([] { return false; }), Hang);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(t.clock.NowMs(), 300);
}

TEST(EventLoop, PostedTasksAndEndingTheProgram) {
  Loop t;
  std::vector<int> order;
  t.loop.SetInputHandler([&](const InputEvent&) { order.push_back(1); });
  t.loop.Post([&] { order.push_back(2); });
  t.loop.PushInput(InputEvent{});
  EXPECT_TRUE(t.loop.DoEvents());
  EXPECT_FALSE(t.loop.DoEvents());
  EXPECT_EQ(order, (std::vector<int>{1, 2}));

  t.scheduler.Start(100, false, [&] { t.loop.EndProgram(); });
  EXPECT_THROW(t.loop.WaitUntil([] { return false; }), ProgramEnded);
  EXPECT_FALSE(t.loop.DoEvents());
}

// Spare-time work runs one task at a time when time would pass, never
// with a timer due within 50 ms, and is not work a script waits for.
TEST(EventLoop, SpareTimeWorkWaitsForTimeThatWouldBeSlept) {
  Loop t;
  std::vector<std::string> done;
  t.scheduler.Start(40, false, [&] { done.push_back("timer@" + std::to_string(t.clock.NowMs())); });
  t.scheduler.Start(200, false, [&] { done.push_back("late@" + std::to_string(t.clock.NowMs())); });
  t.loop.PostSpare([&] { done.push_back("spare1@" + std::to_string(t.clock.NowMs())); });
  t.loop.PostSpare([&] { done.push_back("spare2@" + std::to_string(t.clock.NowMs())); });
  EXPECT_FALSE(t.loop.HasPendingWork());
  t.loop.WaitUntil([&] { return done.size() == 4; });
  EXPECT_EQ(done, (std::vector<std::string>{"timer@40", "spare1@40", "spare2@40", "late@200"}));
}

// The loop sleeps through a real-time wait without spinning.
TEST(EventLoop, RealTimeWaitsSleepUntilTheTimer) {
  RealClock clock;
  Scheduler scheduler(clock);
  EventLoop loop(scheduler, nullptr, nullptr);
  int rounds = 0;
  bool done = false;
  scheduler.Start(30, false, [&] { done = true; });
  loop.WaitUntil([&] {
    ++rounds;
    return done;
  });
  EXPECT_GE(clock.NowMs(), 30);
  EXPECT_LE(rounds, 6);  // a handful of checks, not thousands
}

}  // namespace
}  // namespace qvl::ui
