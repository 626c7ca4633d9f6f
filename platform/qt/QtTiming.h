#pragma once
// The event loop's clock and timers installed as the process's timing for the life of this
// object; a program makes one at start, after its QCoreApplication.
#include "platform/Timing.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtTimerSource.h"

class QtTiming {
 public:
  QtTiming() : previous_(InstallTiming({&clock_, &timers_})) {}
  ~QtTiming() { InstallTiming(previous_); }
  QtTiming(const QtTiming&) = delete;
  QtTiming& operator=(const QtTiming&) = delete;

 private:
  QtClock clock_;
  QtTimerSource timers_;
  TimingServices previous_;
};
