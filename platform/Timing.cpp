#include "platform/Timing.h"

#include "platform/Clock.h"
#include "platform/Fatal.h"

namespace {

TimingServices installed;

}  // namespace

TimingServices InstallTiming(TimingServices services) {
  const TimingServices previous = installed;
  installed = services;
  return previous;
}

std::uint32_t NowMs() {
  if (!installed.clock) Fatal("No clock installed.");
  return installed.clock->NowMs();
}

TimerSource& Timers() {
  if (!installed.timers) Fatal("No timer source installed.");
  return *installed.timers;
}
