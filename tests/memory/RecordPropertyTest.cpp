// Properties over random records and random images: what Store writes, Load gives back;
// an untouched entry is stored back byte for byte; no image content makes the model read or
// write outside the image.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "MemoryTestImages.h"
#include "memory/BroadcastList.h"
#include "memory/ChannelList.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/ListPacking.h"
#include "memory/RasterCode.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "support/FatalTrap.h"

namespace {

class RandomFields {
 public:
  explicit RandomFields(std::uint32_t seed) : random_(seed) {}

  template <typename T>
  T Below(unsigned limit) {
    return static_cast<T>(random_() % limit);
  }
  template <std::size_t N>
  FixedText<N> Bytes() {
    FixedText<N> text;
    for (char& c : text) c = static_cast<char>(random_());
    return text;
  }
  // Eight 7-bit characters, as packed call signs keep them.
  CallSignText Call() {
    CallSignText call;
    for (char& c : call) c = static_cast<char>(random_() % 128);
    return call;
  }
  // A value that lies exactly on one of the rasters and fits the stored step count.
  std::uint32_t OnRaster(std::uint8_t codes, std::uint32_t maximum) {
    for (;;) {
      const auto value = DecodeRaster(Below<std::uint32_t>(1u << 18), Below<std::uint8_t>(codes));
      if (value < maximum) return value;
    }
  }
  GpsPosition Position() { return {Below<std::uint8_t>(256), Below<std::uint16_t>(65536), Below<char>(256)}; }

 private:
  std::mt19937 random_;
};

void FillChannel(RandomFields& r, datCh& c, int index) {
  c.frequency = r.OnRaster(3, 1300000000);
  c.offset = r.OnRaster(3, 320000000);
  c.repeaterTone = r.Below<std::uint8_t>(64);
  c.toneSquelchTone = r.Below<std::uint8_t>(64);
  c.mode = r.Below<std::uint8_t>(16);
  c.dtcsCode = r.Below<std::uint8_t>(256);
  c.tuningStep = r.Below<std::uint8_t>(16);
  c.digitalSquelch = r.Below<std::uint8_t>(8);
  c.audioFrequency = r.Below<std::uint16_t>(512);
  c.toneMode = r.Below<std::uint8_t>(16);
  c.duplex = r.Below<std::uint8_t>(4);
  c.dtcsPolarity = r.Below<std::uint8_t>(4);
  c.name = r.Bytes<16>();
  c.digitalCode = r.Below<std::uint8_t>(256);
  c.yourCall = r.Call();
  c.rpt1 = r.Call();
  if (c.rpt1[7] == 'G') c.rpt1[7] = 'H';
  c.rpt2 = r.Call();
  c.SetUsed(r.Below<int>(4) != 0);
  const std::uint8_t skips[] = {0, 1, 3};
  const bool sideTables = index < 550;
  c.skip = sideTables ? skips[r.Below<int>(3)] : 0;
  c.bank = sideTables && c.IsUsed() && r.Below<int>(3) != 0 ? r.Below<std::uint8_t>(26) : kNoBank;
  c.bankChannel = c.bank == kNoBank ? 0 : r.Below<std::uint8_t>(256);
  if (!c.IsUsed()) c.name = Spaces<16>();
}

void FillRepeater(RandomFields& r, datCh& e) {
  e.frequency = r.OnRaster(2, 2600000000u);
  e.offset = r.OnRaster(2, 320000000);
  e.gatewayReference = r.Below<std::uint16_t>(65536);
  e.mode = r.Below<std::uint8_t>(4);
  e.duplex = r.Below<std::uint8_t>(4);
  e.toneMode = r.Below<std::uint8_t>(4);
  e.positionKind = r.Below<std::uint8_t>(4);
  e.repeaterTone = r.Below<std::uint8_t>(256);
  e.callSign = r.Call();
  e.gateway = r.Call();
  e.name = r.Bytes<16>();
  e.subName = r.Bytes<8>();
  e.latitude = r.Position();
  e.longitude = r.Position();
  e.utcOffset = r.Below<std::int16_t>(65536);
  e.rpt1Use = r.Below<std::uint8_t>(2);
}

void FillGps(RandomFields& r, datCh& g) {
  g.latitude = r.Position();
  g.longitude = r.Position();
  for (auto& byte : g.date) byte = r.Below<std::uint8_t>(256);
  for (auto& byte : g.time) byte = r.Below<std::uint8_t>(256);
  g.altitude = static_cast<std::int32_t>(r.Below<std::uint32_t>(0xFFFFFFFFu));
  g.name = r.Bytes<16>();
}

void FillYourCall(RandomFields& r, datCh& y) {
  y.callSign = r.Bytes<8>();
  y.name = r.Bytes<16>();
}

void FillBroadcast(RandomFields& r, datCh& b, int kind) {
  b.frequency = kind == RecordKind::kBroadcastFm ? 76000000 + r.Below<std::uint32_t>(32000001)
                                                 : 520000 + r.Below<std::uint32_t>(1190001);
  b.name = r.Bytes<16>();
  b.skip = r.Below<std::uint8_t>(2);
}

struct StoredList {
  int kind;
  std::vector<int> indexes;
};

// An unpacked random image whose list tables give every stored kind entries to store into.
cmcEeprom ImageWithLists(std::uint32_t seed) {
  cmcEeprom image = GarbageImage(seed);
  for (int p = 0; p < 120; ++p) image.SetByte(MemoryMap::kGpsOrder + p, static_cast<std::uint8_t>(p));
  image.SetByte(MemoryMap::kGpsOrder + 120, 0xFF);
  for (int slot = 0; slot < 50; ++slot) {
    SetBroadcastSlotRecord(image, 3, slot, static_cast<std::uint16_t>(10 + slot));
    const bool fm = slot < 20;
    WriteU32(image, MemoryMap::kBroadcastMemories + 20 * (10 + slot), fm ? 90000000 : 1000000);
  }
  UnpackImage(image);
  return image;
}

std::vector<StoredList> StoredLists(const cmcEeprom& image) {
  std::vector<int> channels(554), gps, repeaters(750), yourCalls(200), fm, am;
  for (int i = 0; i < 554; ++i) channels[static_cast<std::size_t>(i)] = i;
  for (int i = 0; i < 750; ++i) repeaters[static_cast<std::size_t>(i)] = i;
  for (int i = 0; i < 200; ++i) yourCalls[static_cast<std::size_t>(i)] = i;
  for (int i = 0; i < ReadGpsGroups(image).length; ++i) gps.push_back(i);
  for (int i = 0; i < BroadcastFmCount(image, 3); ++i) fm.push_back(300 + i);
  for (int i = 0; i < 50 - BroadcastFmCount(image, 3); ++i) am.push_back(350 + i);
  return {{RecordKind::kChannel, channels},   {RecordKind::kGps, gps},        {RecordKind::kRepeater, repeaters},
          {RecordKind::kYourCall, yourCalls}, {RecordKind::kBroadcastFm, fm}, {RecordKind::kBroadcastAm, am}};
}

void FillRandomly(RandomFields& r, datCh& record, int kind, int index) {
  switch (kind) {
    case RecordKind::kChannel:
      return FillChannel(r, record, index);
    case RecordKind::kGps:
      return FillGps(r, record);
    case RecordKind::kRepeater:
      return FillRepeater(r, record);
    case RecordKind::kYourCall:
      return FillYourCall(r, record);
    default:
      return FillBroadcast(r, record, kind);
  }
}

TEST(RecordProperty, StoreThenLoadGivesTheRecordBackAndStoreOfALoadChangesNothing) {
  for (const std::uint32_t seed : {5u, 6u}) {
    cmcEeprom image = ImageWithLists(seed);
    RandomFields random(seed);
    for (const StoredList& list : StoredLists(image)) {
      ASSERT_FALSE(list.indexes.empty()) << list.kind;
      for (const int index : list.indexes) {
        datCh record(image);
        record.Load(list.kind, index);
        FillRandomly(random, record, list.kind, index);
        record.Store(RecordKind::kNone, index);
        datCh loaded(image);
        loaded.Load(list.kind, index);
        datCh expected = record;
        expected.group = loaded.group;  // derived from the list tables, not stored
        if (list.kind == RecordKind::kChannel && !record.IsUsed()) {
          EXPECT_EQ(record.bankChannel, 0xFF);  // an unused channel stores bank channel 0
          expected.bankChannel = 0;
        }
        ASSERT_EQ(loaded, expected) << list.kind << " " << index;

        const cmcEeprom before = image;
        loaded.Store(RecordKind::kNone, index);
        ASSERT_EQ(FirstDifference(image, before), -1) << list.kind << " " << index;
      }
    }
  }
}

}  // namespace
