#pragma once
// The system's monotonic clock in milliseconds, truncated to 32 bits.
#include "platform/Clock.h"

class QtClock : public Clock {
 public:
  std::uint32_t NowMs() const override;
};
