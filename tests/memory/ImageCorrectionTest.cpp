#include <gtest/gtest.h>

#include "DestinationTestSupport.h"
#include "RepeaterEntries.h"
#include "memory/BroadcastList.h"
#include "memory/DefaultImages.h"
#include "memory/ImageCorrection.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RecordChecks.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

namespace {

using namespace MemoryMap;

constexpr std::uint8_t kAm = 3;

cmcEeprom Defaults() {
  cmcEeprom defaults;
  BuildDefaultsImage(defaults);
  return defaults;
}

datCh Loaded(cmcEeprom& image, int kind, int index) {
  datCh record(image);
  record.Load(kind, index);
  return record;
}

void PlantAmChannel(cmcEeprom& image, int index) {
  datCh channel = Loaded(image, RecordKind::kChannel, index);
  channel.SetUsed(true);
  channel.frequency = 145000000;
  channel.mode = kAm;  // AM outside the air band
  channel.Store(RecordKind::kChannel, index);
}

void StoreYourCalls(cmcEeprom& image, const std::vector<const char*>& calls) {
  datCh entry(image);
  for (std::size_t i = 0; i < calls.size(); ++i) {
    entry.Load(RecordKind::kNewYourCall, static_cast<int>(i));
    entry.callSign = MakeFixedText<8>(calls[i]);
    entry.Store(RecordKind::kYourCall, static_cast<int>(i));
  }
  SetYourCallCount(image, static_cast<int>(calls.size()));
}

// Group 0 holds an FM station at 80 MHz (below the band of destination 0) and 90 MHz, then AM
// stations at 1 MHz and 2 MHz (above the AM band).
void PlantBroadcasts(cmcEeprom& image) {
  for (int slot = 0; slot < kBroadcastGroupSlots; ++slot) SetBroadcastSlotRecord(image, 0, slot, 0xFFFF);
  const std::uint32_t frequencies[] = {80000000, 90000000, 1000000, 2000000};
  for (int record = 0; record < 4; ++record) {
    WriteU32(image, kBroadcastMemories + kBroadcastRecordSize * record, frequencies[record]);
    SetBroadcastSlotRecord(image, 0, record, static_cast<std::uint16_t>(record));
  }
}

std::vector<std::string> CallSigns(cmcEeprom& image, int kind, int count) {
  std::vector<std::string> calls;
  for (int i = 0; i < count; ++i) {
    const datCh entry = Loaded(image, kind, i);
    calls.emplace_back(entry.callSign.begin(), entry.callSign.end());
  }
  return calls;
}

TEST(CorrectImage, ADocumentWithoutFaultsStaysAsItIs) {
  ScopedDestination destination(0);
  const cmcEeprom defaults = Defaults();
  cmcEeprom image = defaults;
  EXPECT_FALSE(CorrectImage(image, defaults));
  EXPECT_FALSE(image.IsDifferent(defaults));
}

TEST(CorrectImage, RejectedEntriesAreReplacedEmptiedOrRemovedUntilNoCheckFails) {
  ScopedDestination destination(0);
  const cmcEeprom defaults = Defaults();
  cmcEeprom image = defaults;
  PlantAmChannel(image, 5);
  PlantAmChannel(image, 552);  // a call channel: takes the default, stays in use
  WriteU16(image, kRememberedChannel, 5);
  StoreYourCalls(image, {"JA1AAA", "JA1AAA", "JA1BBB"});
  // Entry 1 repeats entry 0's call sign (a DV repeater: removed), entry 3 entry 2's (an FM
  // repeater: kept without call sign), entry 4 is a DV simplex entry with a duplex (removed).
  const cmcEeprom repeaters = ImageWithRepeaters({{0, "JR1YAA A", 439010000, 2},
                                                  {0, "JR1YAA A", 439010000, 2},
                                                  {1, "JR1FM", 145000000, 1},
                                                  {1, "JR1FM", 145000000, 1},
                                                  {0, "", 145000000, 2},
                                                  {0, "JR1YBB A", 439020000, 2}});
  image.WriteBlock(kRepeaters, repeaters.Bytes().data() + kRepeaters, kRepeaterRecordSize * 6);
  for (int group = 0; group < kRepeaterGroupCount; ++group) SetGroupCount(image, group, group == 0 ? 6 : 0);
  WriteU16(image, kRememberedRepeater, 5);
  PlantBroadcasts(image);

  EXPECT_TRUE(CorrectImage(image, defaults));

  EXPECT_FALSE(Loaded(image, RecordKind::kChannel, 5).IsUsed());
  EXPECT_EQ(ReadU16(image, kRememberedChannel), 0xFFFF);
  cmcEeprom defaultsCopy = defaults;
  EXPECT_EQ(Loaded(image, RecordKind::kChannel, 552).frequency,
            Loaded(defaultsCopy, RecordKind::kChannel, 552).frequency);
  EXPECT_EQ(YourCallCount(image), 2);
  EXPECT_EQ(CallSigns(image, RecordKind::kYourCall, 2), (std::vector<std::string>{"JA1AAA  ", "JA1BBB  "}));
  EXPECT_EQ(RepeaterCount(image), 4);
  EXPECT_EQ(CallSigns(image, RecordKind::kRepeater, 4),
            (std::vector<std::string>{"JR1YAA A", "JR1FM   ", "        ", "JR1YBB A"}));
  EXPECT_EQ(ReadU16(image, kRememberedRepeater), 3);  // followed its entry up
  EXPECT_EQ(BroadcastSlotRecord(image, 0, 0), 1);     // 90 MHz
  EXPECT_EQ(BroadcastSlotRecord(image, 0, 1), 2);     // 1 MHz
  EXPECT_EQ(BroadcastSlotRecord(image, 0, 2), -1);
  EXPECT_TRUE(ListFindings(image).empty());
}

}  // namespace
