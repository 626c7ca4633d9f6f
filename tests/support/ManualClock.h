#pragma once
// A clock that only moves when told to: tests set it (for instance just before the 32-bit
// wrap) and the manual timer source advances it.
#include "platform/Clock.h"

class ManualClock : public Clock {
 public:
  std::uint32_t NowMs() const override { return now_; }

  void Set(std::uint32_t ms) { now_ = ms; }
  // Wraps like the system's counter.
  void Advance(std::uint32_t ms) { now_ += ms; }

 private:
  std::uint32_t now_ = 0;
};
