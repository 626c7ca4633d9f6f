#pragma once
// Timers driven by hand for deterministic tests: nothing fires until Advance, which moves
// the clock forward and fires each timer that falls due on the way, at its due time, in
// order of due time (timers due at the same moment in the order they last fired or were
// started). A timer restarted in its own callback counts from that moment.
#include <cstdint>
#include <vector>

#include "platform/TimerSource.h"
#include "support/ManualClock.h"

class ManualTimerSource : public TimerSource {
 public:
  explicit ManualTimerSource(ManualClock& clock) : clock_(clock) {}
  ~ManualTimerSource() override;
  ManualTimerSource(const ManualTimerSource&) = delete;
  ManualTimerSource& operator=(const ManualTimerSource&) = delete;

  std::unique_ptr<Timer> CreateTimer(std::function<void()> onExpiry) override;

  void Advance(std::uint32_t ms);
  // Timers that exist and are started.
  int ActiveTimers() const;

 private:
  class ManualTimer;
  friend class ManualTimer;

  ManualTimer* NextDue(std::uint64_t until) const;
  void MoveClockTo(std::uint64_t time);

  ManualClock& clock_;
  std::uint64_t now_ = 0;  // time since the source was made; never wraps
  std::uint64_t nextOrder_ = 0;
  std::vector<ManualTimer*> timers_;
};
