#pragma once
// A millisecond countdown on the installed clock; it stays right across the clock's 32-bit
// wrap.
#include <cstdint>

class cmcTick {
 public:
  void Start(std::uint32_t ms);
  // Milliseconds left; 0 when not running. Reaching 0 stops the countdown.
  std::uint32_t Remaining();
  bool IsRunning() const { return running_; }

 private:
  std::uint32_t duration_ = 0;
  std::uint32_t start_ = 0;
  bool running_ = false;
};
