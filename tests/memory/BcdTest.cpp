#include <gtest/gtest.h>

#include <array>

#include "memory/Bcd.h"

namespace {

TEST(Bcd, NibblesCountFromTheHighNibble) {
  const std::array<std::uint8_t, 2> bytes{0x12, 0xAB};
  const std::array<std::uint8_t, 4> expected{0x1, 0x2, 0xA, 0xB};
  for (std::size_t n = 0; n < expected.size(); ++n) EXPECT_EQ(NibbleOf(bytes, n), expected[n]) << n;
}

TEST(Bcd, ConvertsBothWays) {
  const std::array<std::uint8_t, 3> bytes{0x20, 0x06, 0x41};
  EXPECT_EQ(BcdToInt(bytes), 200641u);
  std::array<std::uint8_t, 3> written{};
  IntToBcd(200641, written);
  EXPECT_EQ(written, bytes);
  IntToBcd(1234567, written);  // the top digit does not fit
  EXPECT_EQ(written, (std::array<std::uint8_t, 3>{0x23, 0x45, 0x67}));
}

TEST(Bcd, ValidityNeedsDecimalDigitsInBothNibbles) {
  struct Case {
    std::array<std::uint8_t, 2> bytes;
    bool valid;
  };
  const Case cases[] = {{{0x00, 0x99}, true}, {{0xA0, 0x00}, false}, {{0x9A, 0x00}, false}, {{0x12, 0x3F}, false}};
  for (const Case& c : cases) EXPECT_EQ(IsValidBcd(c.bytes), c.valid) << int(c.bytes[0]);
}

}  // namespace
