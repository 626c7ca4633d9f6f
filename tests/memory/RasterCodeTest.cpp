#include <gtest/gtest.h>

#include "MemoryTestImages.h"
#include "memory/ImageFields.h"
#include "memory/RasterCode.h"
#include "memory/datCh.h"

namespace {

struct StoredCounts {
  std::uint8_t frequencyCode;
  std::uint8_t offsetCode;
  std::uint32_t frequencyCount;
  std::uint32_t offsetCount;
};

StoredCounts ChannelBytesOf(const cmcEeprom& image, int channel) {
  const std::int32_t a = 49 * channel;
  const std::uint8_t b0 = image.GetByte(a);
  return {static_cast<std::uint8_t>(b0 >> 5), static_cast<std::uint8_t>(b0 >> 2 & 7),
          static_cast<std::uint32_t>((b0 & 3) << 16 | image.GetByte(a + 1) << 8 | image.GetByte(a + 2)),
          ReadU16(image, a + 3)};
}

StoredCounts RepeaterBytesOf(const cmcEeprom& image, int entry) {
  const std::int32_t a = 43200 + 50 * entry;
  const std::uint8_t b0 = image.GetByte(a);
  return {static_cast<std::uint8_t>(b0 >> 7), static_cast<std::uint8_t>(b0 >> 6 & 1),
          static_cast<std::uint32_t>((b0 & 7) << 16 | image.GetByte(a + 1) << 8 | image.GetByte(a + 2)),
          ReadU16(image, a + 3)};
}

struct RasterCase {
  const char* name;
  std::uint32_t frequency;
  std::uint32_t offset;
  StoredCounts stored;
  std::uint32_t decodedFrequency;
};

TEST(RasterCode, ChannelStoresByTheCodeChoiceRules) {
  const RasterCase cases[] = {
      {"both on 5 kHz", 145000000, 600000, {0, 0, 29000, 120}, 145000000},
      {"8.33 kHz air band", 118008333, 0, {2, 2, 14161, 0}, 118008333},
      {"both on 6.25 kHz", 145006250, 600000 + 6250, {1, 1, 23201, 97}, 145006250},
      {"each its own raster", 145006250, 5000, {1, 0, 23201, 1}, 145006250},
      {"frequency on none", 145001000, 0, {0, 0, 29000, 0}, 145000000},
      {"5 kHz frequency also on 8.33 kHz", 145000000, 8333, {2, 2, 17400, 1}, 145000000},
  };
  for (const RasterCase& c : cases) {
    cmcEeprom image = BlankImage();
    datCh channel(image);
    channel.Load(RecordKind::kChannel, 3);
    channel.frequency = c.frequency;
    channel.offset = c.offset;
    channel.Commit();
    const StoredCounts stored = ChannelBytesOf(image, 3);
    EXPECT_EQ(stored.frequencyCode, c.stored.frequencyCode) << c.name;
    EXPECT_EQ(stored.offsetCode, c.stored.offsetCode) << c.name;
    EXPECT_EQ(stored.frequencyCount, c.stored.frequencyCount) << c.name;
    EXPECT_EQ(stored.offsetCount, c.stored.offsetCount) << c.name;
    EXPECT_EQ(channel.frequency, c.decodedFrequency) << c.name;
    EXPECT_EQ(image.GetByte(27456 + 6) >> 5, c.stored.frequencyCode) << c.name << ": bank byte";
  }
}

TEST(RasterCode, RepeaterExcludesThe8_33kHzRaster) {
  cmcEeprom image = BlankImage();
  datCh entry(image);
  entry.Load(RecordKind::kRepeater, 0);
  entry.frequency = 118008333;
  entry.offset = 0;
  entry.Commit();
  const StoredCounts stored = RepeaterBytesOf(image, 0);
  EXPECT_EQ(stored.frequencyCode, 0);
  EXPECT_EQ(stored.frequencyCount, 23601u);
  EXPECT_EQ(entry.frequency, 118005000u);  // precision lost

  entry.frequency = 1299993750;  // 6.25 kHz raster, count above 18 bits
  entry.offset = 6250;
  entry.Commit();
  EXPECT_EQ(RepeaterBytesOf(image, 0).frequencyCode, 1);
  EXPECT_EQ(entry.frequency, 1299993750u);
  EXPECT_EQ(entry.offset, 6250u);
}

TEST(RasterCode, DecodingUsesWideArithmeticAndTreatsUnknownCodesAs5kHz) {
  EXPECT_EQ(DecodeRaster(262143, RasterCode::k8p33kHz), 2184525000u);
  EXPECT_EQ(DecodeRaster(14161, RasterCode::k8p33kHz), 118008333u);
  for (std::uint8_t code = 3; code <= 7; ++code) EXPECT_EQ(DecodeRaster(100, code), 500000u);

  cmcEeprom image = BlankImage();
  image.SetByte(0, 0xE0 | 0x1C);  // frequency code 7, offset code 7
  image.SetByte(1, 0x71);
  image.SetByte(2, 0x48);  // count 29000
  image.SetByte(3, 0x00);
  image.SetByte(4, 0x78);  // offset count 120
  datCh channel(image);
  channel.Load(RecordKind::kChannel, 0);
  EXPECT_EQ(channel.frequency, 145000000u);
  EXPECT_EQ(channel.offset, 600000u);
  channel.Commit();
  EXPECT_EQ(image.GetByte(0) >> 2, 0);  // rewritten with codes 0 only
}

TEST(RasterCode, EncodeRoundsOnlyOnThe8_33kHzRaster) {
  EXPECT_EQ(EncodeRaster(118008333, RasterCode::k8p33kHz), 14161u);
  EXPECT_EQ(EncodeRaster(16666, RasterCode::k8p33kHz), 2u);
  EXPECT_EQ(EncodeRaster(4294967295u, RasterCode::k8p33kHz), 515396u);  // 3f needs 34 bits
  EXPECT_EQ(EncodeRaster(9999, RasterCode::k5kHz), 1u);
  EXPECT_EQ(EncodeRaster(12499, RasterCode::k6p25kHz), 1u);
}

}  // namespace
