#include <gtest/gtest.h>

#include "MemoryTestImages.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/PlainModelSettings.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

namespace {

using namespace MemoryMap;

TEST(ReceivedCall, PositionTableNamesTheSlotOfEachRow) {
  cmcEeprom image = BlankImage();
  image.SetByte(kReceivedPositionTable + 4, 0);   // row 0 shows slot 4
  image.SetByte(kReceivedPositionTable + 9, 0);   // a second slot for row 0: the first wins
  image.SetByte(kReceivedPositionTable + 7, 77);  // a position beyond the record: never shown
  WriteText(image, kReceivedCalls + 46 * 4, MakeFixedText<8>("JA1ABC"));
  WriteText(image, kReceivedCalls + 46 * 4 + 28, MakeFixedText<8>("CQCQCQ"));
  WriteText(image, kReceivedMessages + 20 * 4, MakeFixedText<20>("HELLO"));
  WriteText(image, kReceivedPositions + 92 * 4 + 49, MakeFixedText<43>("GPS TEXT"));
  image.SetByte(kReceivedPositions + 92 * 4 + 29, 5);

  datCh row(image);
  row.Load(RecordKind::kReceivedCall, 0);
  ASSERT_TRUE(row.IsUsed());
  EXPECT_EQ(row.caller, MakeFixedText<8>("JA1ABC"));
  EXPECT_EQ(row.called, MakeFixedText<8>("CQCQCQ"));
  EXPECT_EQ(row.message, MakeFixedText<20>("HELLO"));
  EXPECT_EQ(row.gpsMessage, MakeFixedText<43>("GPS TEXT"));
  EXPECT_EQ(row.dataType, 5);
  EXPECT_EQ(row.positionBlock[29], 5);
  row.Load(RecordKind::kReceivedCall, 1);
  EXPECT_FALSE(row.IsUsed());
  EXPECT_EQ(row.caller, Spaces<8>());
}

TEST(TransmitHistory, SlotsAreRangeCheckedAndEntriesLookedUp) {
  cmcEeprom image = BlankImage();
  for (int group = 0; group < 30; ++group) SetGroupCount(image, group, 0);
  SetGroupCount(image, 0, 2);
  SetYourCallCount(image, 1);
  datCh repeater(image);
  repeater.Load(RecordKind::kNewRepeater, 0);
  repeater.callSign = MakeFixedText<8>("JP1YIU A");
  repeater.name = MakeFixedText<16>("Tokyo");
  repeater.frequency = 434000000;
  repeater.duplex = 1;
  repeater.offset = 5000000;
  repeater.Store(RecordKind::kRepeater, 0);
  repeater.mode = 1;
  repeater.name = MakeFixedText<16>("Tokyo FM");
  repeater.frequency = 145000000;
  repeater.Store(RecordKind::kRepeater, 1);
  datCh yourCall(image);
  yourCall.Load(RecordKind::kNewYourCall, 0);
  yourCall.callSign = MakeFixedText<8>("JA1ABC");
  yourCall.name = MakeFixedText<16>("Friend");
  yourCall.Store(RecordKind::kYourCall, 0);

  image.SetByte(kHistoryFromSlots, 3);
  image.SetByte(kHistoryFromSlots + 1, 10);  // outside the 10 slots
  WriteText(image, kHistoryFrom + 8 * 3, MakeFixedText<8>("JP1YIU"));
  image.SetByte(kHistoryFromAnalogSlots, 0);
  WriteText(image, kHistoryFromAnalog, MakeFixedText<8>("JP1YIU A"));
  WriteU32(image, kHistoryFromAnalog + 8, 145000000);
  image.SetByte(kHistoryToSlots + 2, 19);
  WriteText(image, kHistoryTo + 8 * 19, MakeFixedText<8>("JA1ABC"));
  image.SetByte(kHistoryToSlots + 3, 0);
  WriteText(image, kHistoryTo, MakeFixedText<8>("/JP1YIUA"));
  image.SetByte(kHistoryReflectorSlots + 4, 4);
  WriteText(image, kHistoryReflector + 8 * 4, MakeFixedText<8>("REF001CL"));

  struct Case {
    int kind;
    int index;
    bool used;
    bool found;
    const char* call;
    const char* name;
    std::uint32_t frequency;
  };
  const Case cases[] = {
      {RecordKind::kHistoryFrom, 0, true, true, "JP1YIU", "Tokyo", 434000000},
      {RecordKind::kHistoryFrom, 1, false, false, "", "", 0},
      {RecordKind::kHistoryFrom, 2, false, false, "", "", 0},
      {RecordKind::kHistoryFromAnalog, 0, true, true, "JP1YIU A", "Tokyo FM", 145000000},
      {RecordKind::kHistoryTo, 2, true, true, "JA1ABC", "Friend", 0},
      {RecordKind::kHistoryTo, 3, true, true, "/JP1YIUA", "Tokyo", 0},
      {RecordKind::kHistoryReflector, 4, true, false, "REF001CL", "", 0},
      {RecordKind::kHistoryReflector, 5, false, false, "", "", 0},
  };
  datCh entry(image);
  for (const Case& c : cases) {
    entry.Load(c.kind, c.index);
    EXPECT_EQ(entry.IsUsed(), c.used) << c.kind << "/" << c.index;
    EXPECT_EQ(entry.found != 0, c.found) << c.kind << "/" << c.index;
    EXPECT_EQ(entry.callSign, MakeFixedText<8>(c.call)) << c.kind << "/" << c.index;
    EXPECT_EQ(entry.name, MakeFixedText<16>(c.name)) << c.kind << "/" << c.index;
    EXPECT_EQ(entry.frequency, c.frequency) << c.kind << "/" << c.index;
  }
  const cmcEeprom before = image;
  entry.Load(RecordKind::kHistoryFrom, 0);
  entry.callSign = MakeFixedText<8>("CHANGED");
  entry.Store(RecordKind::kHistoryFrom, 0);
  EXPECT_TRUE(image.IsEqual(before));  // histories are read-only
}

TEST(NewGpsMemory, StampedInUtcWithTheRadioOffset) {
  cmcEeprom image = BlankImage();
  WriteU16(image, kRadioUtcOffset, 540);  // +9:00
  PlainModelSettings settings;
  settings.destinationCode = 1;
  settings.fixedTime = LocalDateTime{2024, 3, 1, 5, 30, 15};
  InstallModelSettings(&settings);
  datCh memory(image);
  memory.Load(RecordKind::kNewGpsNow, 0);
  EXPECT_EQ(memory.date, (std::array<std::uint8_t, 3>{0x29, 0x02, 0x24}));  // leap day
  EXPECT_EQ(memory.time, (std::array<std::uint8_t, 3>{0x20, 0x30, 0x15}));
  EXPECT_EQ(memory.latitude.hemisphere, 'N');
  EXPECT_EQ(memory.longitude.hemisphere, 'W');
  EXPECT_EQ(memory.altitude, 0x7FFFFFFF);
  settings.destinationCode = 2;
  memory.Load(RecordKind::kNewGpsUndated, 3);
  EXPECT_EQ(memory.longitude.hemisphere, 'E');
  EXPECT_EQ(memory.date, (std::array<std::uint8_t, 3>{0x99, 0x99, 0x99}));
  EXPECT_EQ(memory.time, (std::array<std::uint8_t, 3>{0x99, 0x99, 0x99}));
  InstallModelSettings(nullptr);

  memory.Load(RecordKind::kNewBroadcastAm, 0);
  WriteU32(image, kBroadcastTemplates + 6, 1620000);
  memory.Reload();
  EXPECT_EQ(memory.frequency, 1620000u);
  EXPECT_EQ(memory.skip, 0);
}

}  // namespace
