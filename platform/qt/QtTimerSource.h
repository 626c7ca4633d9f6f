#pragma once
// Timers of the Qt event loop of the calling (user-interface) thread. They fire with
// millisecond precision; a period is never 0, which Qt would take as "whenever idle".
#include "platform/TimerSource.h"

class QtTimerSource : public TimerSource {
 public:
  std::unique_ptr<Timer> CreateTimer(std::function<void()> onExpiry) override;
};
