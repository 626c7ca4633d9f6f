#include "base/cmcTick.h"

#include "platform/Timing.h"

void cmcTick::Start(std::uint32_t ms) {
  duration_ = ms;
  start_ = NowMs();
  running_ = true;
}

std::uint32_t cmcTick::Remaining() {
  if (!running_) return 0;
  const std::uint32_t elapsed = NowMs() - start_;
  if (elapsed < duration_) return duration_ - elapsed;
  running_ = false;
  return 0;
}
