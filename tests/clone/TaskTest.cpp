#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cmcTask.h"
#include "platform/FrozenTiming.h"
#include "platform/Timing.h"
#include "support/ManualTiming.h"

namespace {

// Records each tick as "<name>@<time>".
struct Recorder {
  ManualTiming* timing;
  std::vector<std::string> ticks;
};

struct Named {
  Recorder* recorder;
  std::string name;
};

void RecordTick(void* user, cmcTask&) {
  auto* named = static_cast<Named*>(user);
  named->recorder->ticks.push_back(named->name + "@" + std::to_string(named->recorder->timing->Now()));
}

class TaskTest : public ::testing::Test {
 protected:
  ManualTiming timing;
  Recorder recorder{&timing, {}};
};

TEST_F(TaskTest, TasksFireAtTheirPeriodsInTimeOrder) {
  Named fast{&recorder, "fast"};
  Named slow{&recorder, "slow"};
  cmcTaskPtr a = cmcTask::Create();
  cmcTaskPtr b = cmcTask::Create();
  a->SetHandler(&RecordTick, &fast);
  b->SetHandler(&RecordTick, &slow);
  EXPECT_FALSE(b->SetInterval(25));
  EXPECT_FALSE(a->SetInterval(10));

  timing.Advance(50);

  // At 50 both fall due: the one that fired longer ago goes first.
  EXPECT_EQ(recorder.ticks,
            (std::vector<std::string>{"fast@10", "fast@20", "slow@25", "fast@30", "fast@40", "slow@50", "fast@50"}));
}

TEST_F(TaskTest, IntervalsBelowOneMillisecondAndNegativeOnes) {
  Named named{&recorder, "t"};
  cmcTaskPtr task = cmcTask::Create();
  task->SetHandler(&RecordTick, &named);
  EXPECT_TRUE(task->IsStopped());

  EXPECT_FALSE(task->SetInterval(0));  // runs at 1 ms
  timing.Advance(3);
  EXPECT_EQ(recorder.ticks, (std::vector<std::string>{"t@1", "t@2", "t@3"}));

  EXPECT_TRUE(task->SetInterval(-5));
  EXPECT_EQ(task->Interval(), -5);
  timing.Advance(100);
  EXPECT_EQ(recorder.ticks.size(), 3u);
}

TEST_F(TaskTest, SettingTheSamePeriodKeepsThePhaseAndANewOneRestartsIt) {
  Named named{&recorder, "t"};
  cmcTaskPtr task = cmcTask::Create();
  task->SetHandler(&RecordTick, &named);
  task->SetInterval(10);
  timing.Advance(7);
  task->SetInterval(10);
  timing.Advance(3);
  task->SetInterval(20);
  timing.Advance(20);
  EXPECT_EQ(recorder.ticks, (std::vector<std::string>{"t@10", "t@30"}));
}

TEST_F(TaskTest, StopRemovesTheHandlerAndATaskWithoutHandlerSkipsItsTicks) {
  Named named{&recorder, "t"};
  cmcTaskPtr task = cmcTask::Create();
  task->SetHandler(&RecordTick, &named);
  task->SetInterval(10);
  timing.Advance(10);
  task->Stop();
  EXPECT_TRUE(task->IsStopped());
  task->SetInterval(10);  // running again, but with no handler
  timing.Advance(30);
  EXPECT_EQ(recorder.ticks, (std::vector<std::string>{"t@10"}));
}

// A handler that runs a nested message loop long enough for its own timer to fire again.
struct NestedLoop {
  ManualTiming* timing;
  int calls = 0;
};

void RunNestedLoop(void* user, cmcTask&) {
  auto* nested = static_cast<NestedLoop*>(user);
  if (++nested->calls == 1) nested->timing->Advance(35);
}

TEST_F(TaskTest, AHandlerStillRunningSkipsTheTicksThatFallDuringIt) {
  NestedLoop nested{&timing};
  cmcTaskPtr task = cmcTask::Create();
  task->SetHandler(&RunNestedLoop, &nested);
  task->SetInterval(10);
  timing.Advance(10);  // the first call spans ticks at 20, 30 and 40
  EXPECT_EQ(nested.calls, 1);
  timing.Advance(5);  // the next tick, at 50
  EXPECT_EQ(nested.calls, 2);
}

// The owner of a task that disposes of it from the task's own handler.
struct SelfDisposing {
  cmcTask* task = nullptr;
  int calls = 0;
  bool nestedLoop = false;
  ManualTiming* timing = nullptr;
};

void DisposeOwnTask(void* user, cmcTask&) {
  auto* owner = static_cast<SelfDisposing*>(user);
  ++owner->calls;
  cmcTask::Dispose(owner->task);
  if (owner->nestedLoop) owner->timing->Advance(5);  // the task must survive ticks in here
}

TEST_F(TaskTest, ATaskDisposedInItsOwnHandlerDeletesItselfOnItsNextTickWithoutCallingIt) {
  for (const bool nestedLoop : {false, true}) {
    SCOPED_TRACE(nestedLoop ? "with a nested loop" : "plain");
    SelfDisposing owner;
    owner.nestedLoop = nestedLoop;
    owner.timing = &timing;
    owner.task = cmcTask::Create().release();
    owner.task->SetHandler(&DisposeOwnTask, &owner);
    owner.task->SetInterval(10);

    timing.Advance(10);
    EXPECT_EQ(timing.ActiveTimers(), 1);  // alive, waiting for its next tick
    timing.Advance(10);
    EXPECT_EQ(owner.calls, 1);
    EXPECT_EQ(timing.ActiveTimers(), 0);  // deleted itself
  }
}

TEST_F(TaskTest, AHandlerThatStopsItsTaskBeforeDisposingOfItDoesNotLoseIt) {
  // Stopped but still inside its handler: deleting it at once would pull the task from
  // under the running tick.
  struct Owner {
    cmcTask* task;
    int calls = 0;
  } owner{cmcTask::Create().release()};
  owner.task->SetHandler(
      [](void* user, cmcTask& task) {
        auto* self = static_cast<Owner*>(user);
        ++self->calls;
        task.SetInterval(-1);
        cmcTask::Dispose(self->task);
      },
      &owner);
  owner.task->SetInterval(10);
  timing.Advance(10);
  timing.Advance(10);
  EXPECT_EQ(owner.calls, 1);
  EXPECT_EQ(timing.ActiveTimers(), 0);
}

TEST_F(TaskTest, DisposalOutsideTheHandlerDeletesTheTaskAtOnce) {
  Named named{&recorder, "t"};
  cmcTaskPtr stopped = cmcTask::Create();
  cmcTaskPtr running = cmcTask::Create();
  running->SetHandler(&RecordTick, &named);
  running->SetInterval(10);
  stopped.reset();
  running.reset();
  EXPECT_EQ(timing.ActiveTimers(), 0);
  timing.Advance(20);
  EXPECT_TRUE(recorder.ticks.empty());
}

// A run without an event loop (tessel-cli diff and print) installs the frozen timing over
// whatever timing there was: its tasks start but never tick, its clock stands at 0, and the
// timing before comes back when it ends.
TEST_F(TaskTest, UnderTheFrozenTimingTasksNeverTickAndTheTimingBeforeComesBack) {
  timing.SetClock(500);
  Named named{&recorder, "frozen"};
  {
    const FrozenTiming frozen;
    EXPECT_EQ(NowMs(), 0u);
    cmcTaskPtr task = cmcTask::Create();
    task->SetHandler(&RecordTick, &named);
    EXPECT_FALSE(task->SetInterval(1));
    timing.Advance(100);  // the timing it replaced moves on without it
    EXPECT_EQ(timing.ActiveTimers(), 0);
    EXPECT_EQ(NowMs(), 0u);
  }
  EXPECT_TRUE(recorder.ticks.empty());
  EXPECT_EQ(NowMs(), 600u);
  cmcTaskPtr task = cmcTask::Create();
  task->SetHandler(&RecordTick, &named);
  task->SetInterval(10);
  timing.Advance(10);
  EXPECT_EQ(recorder.ticks, (std::vector<std::string>{"frozen@610"}));
}

}  // namespace
