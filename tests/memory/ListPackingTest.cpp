#include <gtest/gtest.h>

#include "MemoryTestImages.h"
#include "memory/BroadcastList.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/ListPacking.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

namespace {

using namespace MemoryMap;

void SetOrder(cmcEeprom& image, int position, std::uint16_t entry) {
  WriteU16(image, kRepeaterOrder + 2 * position, entry);
}

void SetGroupStart(cmcEeprom& image, int group, std::uint16_t start) {
  WriteU16(image, kRepeaterGroupStarts + 2 * group, start);
}

// Writes a radio-side entry with its own gateway field and reference.
void PutRadioEntry(cmcEeprom& image, int entry, const char* call, const char* gateway, std::uint16_t reference) {
  datCh record(image);
  record.Load(RecordKind::kNewRepeater, entry);
  record.callSign = MakeFixedText<8>(call);
  record.gateway = MakeFixedText<8>(gateway);
  record.gatewayReference = reference;
  record.Store(RecordKind::kRepeater, entry);
}

datCh RepeaterAt(cmcEeprom& image, int position) {
  datCh record(image);
  record.Load(RecordKind::kRepeater, position);
  return record;
}

TEST(ListPacking, SharedGatewayIsPackedOnceAndRestored) {
  cmcEeprom image = BlankImage();
  UnpackImage(image);
  SetGroupCount(image, 0, 3);
  PutRadioEntry(image, 0, "JP1YIU A", "JP1YIU G", 0);
  PutRadioEntry(image, 1, "JP1YIU B", "JP1YIU G", 0);
  PutRadioEntry(image, 2, "JR1ABC A", "", 0);

  cmcEeprom packed = image;
  PackImage(packed);
  EXPECT_EQ(RepeaterAt(packed, 0).gateway, MakeFixedText<8>("JP1YIU G"));
  EXPECT_EQ(RepeaterAt(packed, 0).gatewayReference, 0);
  EXPECT_TRUE(IsBlank(RepeaterAt(packed, 1).gateway));
  EXPECT_EQ(RepeaterAt(packed, 1).gatewayReference, 0);
  EXPECT_EQ(RepeaterAt(packed, 2).gatewayReference, kEmptySlot16);
  EXPECT_EQ(ReadU16(packed, kRepeaterOrder + 4), 2);
  EXPECT_EQ(ReadU16(packed, kRepeaterOrder + 6), kEmptySlot16);
  EXPECT_EQ(ReadU16(packed, kRepeaterGroupStarts), 0);
  EXPECT_EQ(ReadU16(packed, kRepeaterGroupStarts + 2), kEmptySlot16);

  UnpackImage(packed);
  EXPECT_EQ(RepeaterAt(packed, 1).gateway, MakeFixedText<8>("JP1YIU G"));
  EXPECT_EQ(RepeaterCount(packed), 3);
}

TEST(ListPacking, OrderTableStartingEmptyGivesNoRepeaters) {
  cmcEeprom image = GarbageImage(7);
  SetOrder(image, 0, kEmptySlot16);
  UnpackImage(image);
  EXPECT_EQ(RepeaterCount(image), 0);
  for (int group = 0; group < 30; ++group) EXPECT_EQ(GroupCount(image, group), 0);
  EXPECT_EQ(RepeaterAt(image, 0).callSign, MakeFixedText<8>("CALLSIGN"));
}

TEST(ListPacking, UnpackPutsEntriesInListOrderGroupByGroup) {
  cmcEeprom image = BlankImage();
  PutRadioEntry(image, 40, "FIRST", "GW1     G", 41);
  PutRadioEntry(image, 41, "SECOND", "JP1YIU G", 0xFFFF);
  PutRadioEntry(image, 7, "THIRD", "", 41);
  PutRadioEntry(image, 9, "FOURTH", "", 800);
  WriteBit(image, kRepeaterRpt1UseBits, 7, true);
  WriteBit(image, kRepeaterRpt1UseBits, 41, false);
  // Positions 0-4: a stray position, then group 2 (two entries) and group 5 (two entries).
  const std::uint16_t order[] = {41, 40, 41, 7, 9};
  for (int i = 0; i < 5; ++i) SetOrder(image, i, order[i]);
  SetGroupStart(image, 2, 1);
  SetGroupStart(image, 5, 3);
  SetGroupStart(image, 9, 4000);  // beyond the list: empty
  SetGroupStart(image, 11, 5);    // at or beyond the running end: empty

  UnpackImage(image);
  EXPECT_EQ(RepeaterCount(image), 4);
  EXPECT_EQ(GroupCount(image, 2), 2);
  EXPECT_EQ(GroupCount(image, 5), 2);
  EXPECT_EQ(GroupCount(image, 11), 0);
  const char* calls[] = {"FIRST", "SECOND", "THIRD", "FOURTH"};
  const char* gateways[] = {"JP1YIU G", "", "JP1YIU G", ""};
  for (int position = 0; position < 4; ++position) {
    const datCh entry = RepeaterAt(image, position);
    EXPECT_EQ(entry.callSign, MakeFixedText<8>(calls[position])) << position;
    EXPECT_EQ(entry.gateway, MakeFixedText<8>(gateways[position])) << position;
  }
  EXPECT_EQ(RepeaterAt(image, 2).rpt1Use, 1);  // the flag moves with its entry
  EXPECT_EQ(RepeaterAt(image, 1).rpt1Use, 0);
  EXPECT_EQ(RepeaterAt(image, 2).group, 5);
}

TEST(ListPacking, YourCallOrderIsUnpackedAndPacked) {
  cmcEeprom image = BlankImage();
  const char* calls[] = {"ZERO", "ONE", "TWO"};
  for (int i = 0; i < 3; ++i) WriteText(image, kYourCallSigns + 8 * i, MakeFixedText<8>(calls[i]));
  image.SetByte(kYourCallOrder, 2);
  image.SetByte(kYourCallOrder + 1, 230);  // not a record: a new entry
  image.SetByte(kYourCallOrder + 2, 0);
  UnpackImage(image);
  EXPECT_EQ(YourCallCount(image), 3);
  datCh entry(image);
  const char* expected[] = {"TWO", "CALLSIGN", "ZERO", "CALLSIGN"};
  for (int i = 0; i < 4; ++i) {
    entry.Load(RecordKind::kYourCall, i);
    EXPECT_EQ(entry.callSign, MakeFixedText<8>(expected[i])) << i;
  }
  PackImage(image);
  EXPECT_EQ(image.GetByte(kYourCallOrder + 2), 2);
  EXPECT_EQ(image.GetByte(kYourCallOrder + 3), kEmptySlot8);
}

TEST(GpsTables, StartsOutsideTheListOrOutOfOrderAreEmpty) {
  cmcEeprom image = BlankImage();
  const std::uint8_t order[] = {5, 9, 3, 4, 250, 7};
  for (int i = 0; i < 6; ++i) image.SetByte(kGpsOrder + i, order[i]);
  image.SetByte(kGpsGroupStarts + 1, 2);  // A
  image.SetByte(kGpsGroupStarts + 2, 1);  // B: below A's start, empty
  image.SetByte(kGpsGroupStarts + 3, 3);  // C
  image.SetByte(kGpsGroupStarts + 4, 4);  // D: at the list's end, empty
  WriteText(image, kGpsMemories + 34 * 9 + 18, MakeFixedText<16>("NINE"));

  const GpsGroups groups = ReadGpsGroups(image);
  EXPECT_EQ(groups.length, 4);
  EXPECT_EQ(groups.start[1], 0);  // the first group takes the leading entries
  EXPECT_EQ(groups.count[1], 3);
  EXPECT_EQ(groups.count[2], 0);
  EXPECT_EQ(groups.count[3], 1);
  EXPECT_EQ(groups.start[4], kGpsNoGroupStart);

  datCh memory(image);
  memory.Load(RecordKind::kGps, 1);
  EXPECT_TRUE(memory.IsUsed());
  EXPECT_EQ(memory.record, 9);
  EXPECT_EQ(memory.group, 1);
  EXPECT_EQ(memory.name, MakeFixedText<16>("NINE"));
  memory.Load(RecordKind::kGps, 5);  // after the list's end
  EXPECT_FALSE(memory.IsUsed());
  const cmcEeprom before = image;
  memory.Store(RecordKind::kGps, 5);
  EXPECT_TRUE(image.IsEqual(before));

  UnpackImage(image);
  EXPECT_EQ(image.GetByte(kGpsOrder + 5), kEmptySlot8);
  EXPECT_EQ(image.GetByte(kGpsGroupStarts + 1), 0);
  EXPECT_EQ(image.GetByte(kGpsGroupStarts + 2), kEmptySlot8);
  EXPECT_EQ(image.GetByte(kGpsGroupStarts + 3), 3);
}

TEST(BroadcastGroups, NormalisedWithFmFirstAndNoRepeats) {
  cmcEeprom image = BlankImage();
  const std::uint32_t frequencies[] = {1620000, 88000000, 594000, 108000000};
  for (int record = 0; record < 4; ++record) {
    WriteU32(image, kBroadcastMemories + 20 * record, frequencies[record]);
  }
  const std::uint16_t slots[] = {0, 600, 1, 1, 2, 3};
  for (int slot = 0; slot < 6; ++slot) SetBroadcastSlotRecord(image, 4, slot, slots[slot]);
  SetBroadcastSlotRecord(image, 5, 0, 3);  // already used by group 4
  UnpackImage(image);
  const int expected[] = {1, 3, 0, 2, -1};
  for (int slot = 0; slot < 5; ++slot) EXPECT_EQ(BroadcastSlotRecord(image, 4, slot), expected[slot]);
  EXPECT_EQ(BroadcastSlotRecord(image, 5, 0), -1);
  EXPECT_EQ(BroadcastFmCount(image, 4), 2);

  datCh station(image);
  station.Load(RecordKind::kBroadcastAm, 400 + 50 + 1);
  EXPECT_EQ(station.record, 2);
  EXPECT_EQ(station.frequency, 594000u);
  station.Load(RecordKind::kBroadcastFm, 401);
  EXPECT_EQ(station.frequency, 108000000u);
  station.Load(RecordKind::kBroadcastAm, 400 + 50 + 2);
  EXPECT_FALSE(station.IsUsed());
  station.Load(RecordKind::kBroadcastFm, 2650);
  EXPECT_FALSE(station.IsUsed());
}

TEST(ListPacking, PackOfUnpackKeepsACanonicalImage) {
  for (const std::uint32_t seed : {1u, 2u, 3u}) {
    cmcEeprom image = GarbageImage(seed);
    UnpackImage(image);
    PackImage(image);
    const cmcEeprom canonical = image;
    UnpackImage(image);
    PackImage(image);
    EXPECT_EQ(FirstDifference(image, canonical), -1) << seed;
  }
}

}  // namespace
