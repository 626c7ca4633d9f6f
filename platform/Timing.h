#pragma once
// The event loop's clock and timers, one pair per process like the event loop itself. The
// programs install the real ones at start, a run without an event loop the frozen ones
// (FrozenTiming); tests install manual ones (tests/support/ManualTiming.h) and move time on
// themselves. Using either before one is installed is a defect.
#include <cstdint>

class Clock;
class TimerSource;

struct TimingServices {
  const Clock* clock = nullptr;
  TimerSource* timers = nullptr;
};

// Installs both and returns the pair installed before.
TimingServices InstallTiming(TimingServices services);

std::uint32_t NowMs();
TimerSource& Timers();
