#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "memory/Generation.h"
#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"
#include "support/FatalTrap.h"

namespace {

cmcEeprom ImageOf(std::int32_t size, std::uint8_t fill) {
  cmcEeprom image;
  image.SetSize(size);
  image.Fill(fill);
  return image;
}

TEST(cmcEeprom, SetSizeClearsAndReleases) {
  cmcEeprom image = ImageOf(16, 0xAA);
  const std::uint8_t* block = image.Bytes().data();
  image.SetSize(16);
  EXPECT_EQ(image.Bytes().data(), block);
  EXPECT_EQ(image.GetByte(15), 0);
  image.SetSize(0);
  EXPECT_EQ(image.GetSize(), 0);
  EXPECT_FALSE(image.IsValidAddress(0));
  image.Fill(1);  // no block: nothing to fill
}

TEST(cmcEeprom, BlockCopiesActOnlyOnRangesInside) {
  struct Case {
    std::int32_t address;
    std::int32_t n;
    bool acts;
  };
  const Case cases[] = {{12, 4, true}, {12, 5, false}, {-1, 2, false},        {3, 0, false},
                        {0, 16, true}, {16, 1, false}, {1, INT32_MAX, false}, {INT32_MAX, 2, false}};
  const std::array<std::uint8_t, 16> source{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  for (const Case& c : cases) {
    cmcEeprom image = ImageOf(16, 0xFF);
    EXPECT_EQ(image.WriteBlock(c.address, source.data(), c.n), c.acts) << c.address << "+" << c.n;
    if (!c.acts) {
      EXPECT_TRUE(image.IsEqual(ImageOf(16, 0xFF)));
    }
    std::array<std::uint8_t, 16> read;
    read.fill(0x55);
    EXPECT_EQ(image.ReadBlock(c.address, read.data(), c.n), c.acts);
    if (c.acts) {
      EXPECT_EQ(std::memcmp(read.data(), source.data(), static_cast<size_t>(c.n)), 0);
    } else {
      EXPECT_EQ(read[0], 0x55);
    }
  }
}

TEST(cmcEeprom, EqualityNeedsEqualLengths) {
  cmcEeprom shorter = ImageOf(4, 0);
  cmcEeprom longer = ImageOf(5, 0);
  EXPECT_FALSE(shorter.IsEqual(longer));
  EXPECT_TRUE(shorter.IsDifferent(longer));
  EXPECT_TRUE(cmcEeprom().IsEqual(cmcEeprom()));
  cmcEeprom copy;
  copy.Assign(longer);
  EXPECT_TRUE(copy.IsEqual(longer));
  copy.SetByte(0, 1);
  EXPECT_EQ(longer.GetByte(0), 0);  // deep copy
  copy.Assign(cmcEeprom());
  EXPECT_EQ(copy.GetSize(), 0);
}

TEST(cmcEeprom, ByteAccessOutsideIsFatal) {
  cmcEeprom image = ImageOf(8, 0);
  EXPECT_EQ(FatalMessageOf([&] { image.SetByte(8, 1); }), "Out of EEPROM image address (SetByte).");
  EXPECT_EQ(FatalMessageOf([&] { (void)image.GetByte(-1); }), "Out of EEPROM image address (GetByte).");
  EXPECT_EQ(FatalMessageOf([&] { image.SetByte(7, 1); }), "");
}

TEST(Generation, SizesNamesAndPositions) {
  struct Case {
    int generation;
    std::int32_t size;
    const char* name;
    int position;
  };
  const Case cases[] = {{0, 136397, "Vanta III", 1},
                        {1, 136387, "Vanta", 3},
                        {2, 136397, "Vanta II", 2},
                        {3, 136397, "Vanta III", 1},
                        {7, 136397, "Vanta III", 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(ImageSizeOf(c.generation), c.size) << c.generation;
    EXPECT_EQ(GenerationName(c.generation), c.name);
    EXPECT_EQ(ListPositionOfGeneration(c.generation), c.position);
  }
  const int generations[] = {3, 3, 2, 1, 3};
  for (int position = 0; position <= 4; ++position) {
    EXPECT_EQ(GenerationFromListPosition(position), generations[position]) << position;
  }
}

TEST(Generation, PreparedImageIsBlankAndRangesCoverTheRadioMemory) {
  cmcEeprom image;
  PrepareImage(image, 2);
  ASSERT_EQ(image.GetSize(), 136397);
  for (const std::uint8_t byte : image.Bytes()) ASSERT_EQ(byte, 0xFF);
  const AddressRangeList ranges = CloneRangesOf(3);
  ASSERT_EQ(ranges.size(), 2u);
  EXPECT_EQ(ranges[0].start, 0);
  EXPECT_EQ(ranges[0].end, 0x1FB3F);
  EXPECT_TRUE(ranges[1].IsEndMarker());
}

cmcEeprom IdentifiedImage(int generation, std::int32_t revisionAddress, std::int32_t signatureAddress) {
  cmcEeprom image;
  PrepareImage(image, generation);
  image.SetByte(revisionAddress, 1);
  const auto text = MemoryMap::kFormatSignatureText;
  image.WriteBlock(signatureAddress, reinterpret_cast<const std::uint8_t*>(text.data()),
                   static_cast<std::int32_t>(text.size()));
  return image;
}

TEST(Generation, IdentityCheck) {
  cmcEeprom third = IdentifiedImage(3, 0x1AF40, 0x1AF50);
  EXPECT_TRUE(CheckImageIdentity(third, 3, true));
  EXPECT_TRUE(CheckImageIdentity(third, 2, true));
  EXPECT_FALSE(CheckImageIdentity(third, 1, false));
  cmcEeprom first = IdentifiedImage(1, 0x1A300, 0x1A310);
  EXPECT_TRUE(CheckImageIdentity(first, 1, true));

  third.SetByte(0x1AF40, 2);
  EXPECT_FALSE(CheckImageIdentity(third, 3, true));  // signature matches, revision does not
  third.SetByte(0x1AF40, 1);
  third.SetByte(0x1AF5F, 'x');
  EXPECT_FALSE(CheckImageIdentity(third, 3, true));
  EXPECT_TRUE(CheckImageIdentity(third, 3, false));
  EXPECT_FALSE(CheckImageIdentity(cmcEeprom(), 3, false));  // too small: no crash, no pass
}

}  // namespace
