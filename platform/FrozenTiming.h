#pragma once
// The timing of a run that has no event loop, such as tessel-cli's diff and print: the clock
// stands at 0 and timers can be made, started and stopped but never fire. What such a run
// needs happens at once (events sent and queries answered through the event manager); work
// left for a later timer tick (a posted event) never runs, as no loop would run it. Unlike the
// Qt timing it needs no application object and keeps every timer silent even while Qt
// processes events (a PDF being written), so the run's output never depends on when a timer
// would have fired. Installed as the process's timing for the life of this object; the timing
// installed before comes back afterwards.
#include <memory>

#include "platform/Clock.h"
#include "platform/TimerSource.h"
#include "platform/Timing.h"

class FrozenTiming {
 public:
  FrozenTiming();
  ~FrozenTiming();
  FrozenTiming(const FrozenTiming&) = delete;
  FrozenTiming& operator=(const FrozenTiming&) = delete;

 private:
  class StandingClock : public Clock {
   public:
    std::uint32_t NowMs() const override { return 0; }
  };
  class SilentTimers : public TimerSource {
   public:
    std::unique_ptr<Timer> CreateTimer(std::function<void()> onExpiry) override;
  };

  StandingClock clock_;
  SilentTimers timers_;
  TimingServices previous_;
};
