// The broadcast radio lists of a group: the FM list holds the group's FM stations only, the
// AM list the stations after them.
#include <gtest/gtest.h>

#include <vector>

#include "memory/BroadcastList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryTestImages.h"
#include "memory/datCh.h"

namespace {

using namespace MemoryMap;

// Group `group` holds records 0.. with these frequencies, in this order.
cmcEeprom GroupWith(int group, const std::vector<std::uint32_t>& frequencies) {
  cmcEeprom image = BlankImage();
  for (int g = 0; g < kBroadcastGroupCount; ++g) {
    for (int s = 0; s < kBroadcastGroupSlots; ++s) SetBroadcastSlotRecord(image, g, s, kEmptySlot16);
  }
  for (std::size_t r = 0; r < frequencies.size(); ++r) {
    WriteU32(image, kBroadcastMemories + kBroadcastRecordSize * static_cast<int>(r), frequencies[r]);
    SetBroadcastSlotRecord(image, group, static_cast<int>(r), static_cast<std::uint16_t>(r));
  }
  return image;
}

TEST(BroadcastLists, EachListHoldsOnlyItsBand) {
  cmcEeprom image = GroupWith(2, {76'500'000, 80'000'000, 1'000'000, 1'620'000});
  const struct {
    int kind;
    int index;
    bool used;
    std::uint32_t frequency;
  } rows[] = {
      {RecordKind::kBroadcastFm, 200, true, 76'500'000}, {RecordKind::kBroadcastFm, 201, true, 80'000'000},
      {RecordKind::kBroadcastFm, 202, false, 0},  // slot 2 is the first AM station
      {RecordKind::kBroadcastFm, 203, false, 0},         {RecordKind::kBroadcastFm, 204, false, 0},
      {RecordKind::kBroadcastAm, 250, true, 1'000'000},  {RecordKind::kBroadcastAm, 251, true, 1'620'000},
      {RecordKind::kBroadcastAm, 252, false, 0},         {RecordKind::kBroadcastFm, 100, false, 0},
      {RecordKind::kBroadcastAm, 2650, false, 0},  // beyond the last group
  };
  datCh record(image);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.index);
    record.Load(row.kind, row.index);
    EXPECT_EQ(record.IsUsed(), row.used);
    EXPECT_EQ(record.frequency, row.frequency);
  }
}

TEST(BroadcastLists, StoringBeyondTheFmStationsWritesNothing) {
  cmcEeprom image = GroupWith(0, {76'500'000, 1'000'000});
  const cmcEeprom before = image;
  datCh record(image);
  record.Load(RecordKind::kBroadcastFm, 1);
  record.frequency = 90'000'000;
  record.Store(RecordKind::kBroadcastFm, 1);
  EXPECT_TRUE(image.IsEqual(before));
}

}  // namespace
