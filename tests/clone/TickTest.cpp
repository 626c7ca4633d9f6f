#include <gtest/gtest.h>

#include "base/cmcTick.h"
#include "support/ManualTiming.h"

namespace {

TEST(TickTest, CountsDownAndStopsAtZero) {
  ManualTiming timing;
  cmcTick tick;
  EXPECT_EQ(tick.Remaining(), 0u);

  tick.Start(100);
  timing.Advance(30);
  EXPECT_EQ(tick.Remaining(), 70u);
  EXPECT_TRUE(tick.IsRunning());
  timing.Advance(70);
  EXPECT_EQ(tick.Remaining(), 0u);
  EXPECT_FALSE(tick.IsRunning());
}

TEST(TickTest, CountsAcrossTheWrapOfTheMillisecondCounter) {
  struct Case {
    std::uint32_t start;
    std::uint32_t duration;
    std::uint32_t elapsed;
    std::uint32_t remaining;
  };
  const Case cases[] = {
      {0xFFFFFFF0u, 100, 0x10, 84},  // exactly at the wrap
      {0xFFFFFFF0u, 100, 99, 1},     // just before the end, past the wrap
      {0xFFFFFFF0u, 100, 100, 0},    // ends past the wrap
      {0xFFFFFFFFu, 0xFFFFFFFFu, 1, 0xFFFFFFFEu},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.elapsed);
    ManualTiming timing;
    timing.SetClock(c.start);
    cmcTick tick;
    tick.Start(c.duration);
    timing.Advance(c.elapsed);
    EXPECT_EQ(tick.Remaining(), c.remaining);
    EXPECT_EQ(tick.IsRunning(), c.remaining > 0);
  }
}

}  // namespace
