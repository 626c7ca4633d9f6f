#pragma once
// A manual clock and timer source installed as the process's timing for the life of this
// object (a test, a fuzz run); the timing installed before comes back afterwards.
#include "platform/Timing.h"
#include "support/ManualClock.h"
#include "support/ManualTimerSource.h"

class ManualTiming {
 public:
  ManualTiming() : previous_(InstallTiming({&clock_, &timers_})) {}
  ~ManualTiming() { InstallTiming(previous_); }
  ManualTiming(const ManualTiming&) = delete;
  ManualTiming& operator=(const ManualTiming&) = delete;

  // Sets the clock without firing anything (to start a test just before the wrap).
  void SetClock(std::uint32_t ms) { clock_.Set(ms); }
  std::uint32_t Now() const { return clock_.NowMs(); }
  void Advance(std::uint32_t ms) { timers_.Advance(ms); }
  int ActiveTimers() const { return timers_.ActiveTimers(); }

 private:
  ManualClock clock_;
  ManualTimerSource timers_{clock_};
  TimingServices previous_;
};
