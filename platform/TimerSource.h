#pragma once
// Periodic timers that call back on the user-interface thread, between its messages. There
// are no worker threads: every callback runs on that one thread, one at a time, and may run
// nested message loops (a message box) during which other timers keep firing.
#include <cstdint>
#include <functional>
#include <memory>

class Timer {
 public:
  virtual ~Timer() = default;

  // Fires every periodMs milliseconds from now on (periodMs at least 1), replacing the
  // period and the phase of a timer that already runs.
  virtual void Start(std::uint32_t periodMs) = 0;
  virtual void Stop() = 0;
};

class TimerSource {
 public:
  virtual ~TimerSource() = default;

  // A stopped timer that calls onExpiry each time it fires. The callback may stop, restart
  // or destroy its own timer and create or destroy others.
  virtual std::unique_ptr<Timer> CreateTimer(std::function<void()> onExpiry) = 0;
};
