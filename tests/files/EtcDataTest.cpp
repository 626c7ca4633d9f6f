#include <gtest/gtest.h>

#include "memory/EtcData.h"
#include "support/FatalTrap.h"

namespace {

TEST(EtcData, PacksKnownValues) {
  struct Case {
    int destination;
    bool receiveExpansion;
    std::uint32_t value;
  };
  for (const Case& c : {Case{0, false, 0x000000}, Case{3, true, 0x0C0015}, Case{3, false, 0x0C0010},
                        Case{16, false, 0x400001}, Case{15, true, 0x3C0045}}) {
    EXPECT_EQ(PackEtcData(c.destination, c.receiveExpansion), c.value) << c.destination;
  }
}

TEST(EtcData, EveryDestinationAndFlagRoundTrips) {
  for (int destination = 0; destination <= 31; ++destination) {
    for (const bool flag : {false, true}) {
      const auto fields = UnpackEtcData(PackEtcData(destination, flag));
      ASSERT_TRUE(fields.has_value()) << destination;
      EXPECT_EQ(fields->destination, destination);
      EXPECT_EQ(fields->receiveExpansion, flag);
    }
  }
}

TEST(EtcData, AnySingleFlippedBitIsRecognised) {
  for (const std::uint32_t value : {PackEtcData(0, false), PackEtcData(3, true), PackEtcData(16, false)}) {
    for (int bit = 0; bit < 32; ++bit) {
      EXPECT_FALSE(UnpackEtcData(value ^ (1U << bit)).has_value()) << value << " bit " << bit;
    }
  }
}

TEST(EtcData, DestinationOutsideFiveBitsIsADefect) {
  EXPECT_EQ(FatalMessageOf([] { PackEtcData(32, false); }), "Destination code out of range (PackEtcData).");
  EXPECT_EQ(FatalMessageOf([] { PackEtcData(-1, false); }), "Destination code out of range (PackEtcData).");
}

}  // namespace
