#pragma once
// The system's millisecond counter: monotonic, 32 bits wide, wrapping to 0 after about 49.7
// days. Durations are measured as the unsigned difference of two readings, which stays
// right across the wrap.
#include <cstdint>

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t NowMs() const = 0;
};
