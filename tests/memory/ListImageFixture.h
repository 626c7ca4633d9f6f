#pragma once
// A small document image for the list operation tests: named entries in every list that the
// operations rearrange, and a reference into each, so that a test reads a list as the names
// of its entries and checks that every reference still names the entry it named before.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "DestinationTestSupport.h"
#include "MemoryTestImages.h"
#include "memory/BroadcastList.h"
#include "memory/ChannelList.h"
#include "memory/DefaultImages.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

namespace list_fixture {

using namespace MemoryMap;

inline std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The name an entry shows: "" for an unused memory channel, the call sign for your calls.
inline std::string NameOf(cmcEeprom& image, int kind, int index) {
  datCh record(image);
  record.Load(kind, index);
  if (kind == RecordKind::kChannel && !record.IsUsed()) return "";
  if (kind == RecordKind::kYourCall) return Trimmed(std::string(ViewOf(record.callSign)));
  return Trimmed(std::string(ViewOf(record.name)));
}

inline std::vector<std::string> Names(cmcEeprom& image, int kind, int first, int last) {
  std::vector<std::string> names;
  for (int index = first; index <= last; ++index) names.push_back(NameOf(image, kind, index));
  return names;
}

inline void StoreChannel(cmcEeprom& image, int index, const std::string& name, int bank = kNoBank, int slot = 0) {
  datCh record(image);
  record.Load(RecordKind::kChannel, index);
  record.SetUsed(true);
  record.frequency = 145000000 + 25000u * static_cast<unsigned>(index % 100);
  record.name = MakeFixedText<kNameLength>(name);
  record.bank = static_cast<std::uint8_t>(bank);
  record.bankChannel = static_cast<std::uint8_t>(bank == kNoBank ? kNoBank : slot);
  record.Store(RecordKind::kChannel, index);
}

inline void StoreNamedRepeater(cmcEeprom& image, int position, const std::string& name) {
  datCh entry(image);
  entry.Load(RecordKind::kNewRepeater, position);
  entry.SetUsed(true);
  entry.frequency = 439000000;
  entry.name = MakeFixedText<kNameLength>(name);
  entry.rpt1Use = static_cast<std::uint8_t>(position % 2);
  entry.Store(RecordKind::kRepeater, position);
}

inline void StoreGpsMemory(cmcEeprom& image, int position, int record, const std::string& name) {
  image.SetByte(kGpsOrder + position, static_cast<std::uint8_t>(record));
  WriteText(image, kGpsMemories + kGpsRecordSize * record + 18, MakeFixedText<kNameLength>(name));
}

inline void StoreBroadcast(cmcEeprom& image, int group, int slot, int record, std::uint32_t frequency,
                           const std::string& name) {
  SetBroadcastSlotRecord(image, group, slot, static_cast<std::uint16_t>(record));
  WriteU32(image, kBroadcastMemories + kBroadcastRecordSize * record, frequency);
  WriteText(image, kBroadcastMemories + kBroadcastRecordSize * record + 4, MakeFixedText<kNameLength>(name));
}

// Channels C0-C9 (C0-C4 in bank A slots 0-4, C7 in bank A slot 9), remembered channel 5;
// scan edges E0A/E0B to E3A/E3B, link 0 holding pairs 1 and 2, link 1 pair 3; repeater groups
// 0 (R0-R3) and 1 (S0-S2), the remembered repeater on S1; your calls Y0-Y2; GPS group 1 (A)
// G0-G2 and group 2 (B) H0-H1, the alarm on G2; broadcast group 0 with FM F0, F1 and AM A0.
inline cmcEeprom Image() {
  cmcEeprom image;
  BuildDefaultsImage(image);
  for (int i = 0; i < 10; ++i) {
    const bool banked = i < 5 || i == 7;
    StoreChannel(image, i, "C" + std::to_string(i), banked ? 0 : kNoBank, i < 5 ? i : 9);
  }
  WriteU16(image, kRememberedChannel, 5);
  for (int pair = 0; pair < 4; ++pair) {
    StoreChannel(image, kFirstScanEdgeIndex + 2 * pair, "E" + std::to_string(pair) + "A");
    StoreChannel(image, kFirstScanEdgeIndex + 2 * pair + 1, "E" + std::to_string(pair) + "B");
  }
  for (int link = 0; link < kScanLinkCount; ++link) WriteU32(image, kScanLinkMembers + kScanLinkMemberSize * link, 0);
  image.SetByte(kScanLinkMembers, 0x06);
  image.SetByte(kScanLinkMembers + kScanLinkMemberSize, 0x08);
  RebuildBankTables(image);

  for (int group = 0; group < kRepeaterGroupCount; ++group) SetGroupCount(image, group, 0);
  for (int i = 0; i < 4; ++i) StoreNamedRepeater(image, i, "R" + std::to_string(i));
  for (int i = 0; i < 3; ++i) StoreNamedRepeater(image, 4 + i, "S" + std::to_string(i));
  for (int i = 7; i < kRepeaterCount; ++i) StoreNamedRepeater(image, i, "");
  SetGroupCount(image, 0, 4);
  SetGroupCount(image, 1, 3);
  WriteU16(image, kRememberedRepeater, 5);

  for (int i = 0; i < 3; ++i) {
    datCh entry(image);
    entry.Load(RecordKind::kNewYourCall, i);
    entry.callSign = MakeFixedText<kCallSignLength>("Y" + std::to_string(i));
    entry.Store(RecordKind::kYourCall, i);
  }
  SetYourCallCount(image, 3);

  for (int p = 0; p < kGpsMemoryCount; ++p) image.SetByte(kGpsOrder + p, 0xFF);
  for (int g = 0; g < kGpsGroupCount; ++g) image.SetByte(kGpsGroupStarts + g, 0xFF);
  const char* gps[] = {"G0", "G1", "G2", "H0", "H1"};
  for (int p = 0; p < 5; ++p) StoreGpsMemory(image, p, 10 + p, gps[p]);
  image.SetByte(kGpsGroupStarts + 1, 0);
  image.SetByte(kGpsGroupStarts + 2, 3);
  image.SetByte(kGpsAlarmType, 3);
  image.SetByte(kGpsAlarmGroup, 1);
  image.SetByte(kGpsAlarmPosition, 2);

  for (int g = 0; g < kBroadcastGroupCount; ++g) {
    for (int s = 0; s < kBroadcastGroupSlots; ++s) SetBroadcastSlotRecord(image, g, s, 0xFFFF);
  }
  StoreBroadcast(image, 0, 0, 3, 80000000, "F0");
  StoreBroadcast(image, 0, 1, 4, 90000000, "F1");
  StoreBroadcast(image, 0, 2, 0, 1000000, "A0");
  return image;
}

// The name of the GPS memory the alarm names, "" when it names none.
inline std::string AlarmedGps(cmcEeprom& image) {
  if (image.GetByte(kGpsAlarmType) != 3) return "";
  const GpsGroups groups = ReadGpsGroups(image);
  const int group = image.GetByte(kGpsAlarmGroup);
  const int position = image.GetByte(kGpsAlarmPosition);
  if (group >= kGpsGroupCount || groups.start[group] < 0 || position >= groups.count[group]) return "?";
  return NameOf(image, RecordKind::kGps, groups.start[group] + position);
}

inline std::string RememberedChannel(cmcEeprom& image) {
  const int channel = ReadU16(image, kRememberedChannel);
  return channel == 0xFFFF ? "" : NameOf(image, RecordKind::kChannel, channel);
}

inline std::string RememberedRepeater(cmcEeprom& image) {
  const int position = ReadU16(image, kRememberedRepeater);
  return position == 0xFFFF ? "" : NameOf(image, RecordKind::kRepeater, position);
}

// The scan edge pairs a link holds, as the names of their A edges.
inline std::vector<std::string> LinkMembers(cmcEeprom& image, int link) {
  std::vector<std::string> members;
  for (int pair = 0; pair < kScanEdgePairCount; ++pair) {
    if (ReadBit(image, kScanLinkMembers + kScanLinkMemberSize * link, pair)) {
      members.push_back(NameOf(image, RecordKind::kChannel, kFirstScanEdgeIndex + 2 * pair));
    }
  }
  return members;
}

// --- Random documents ---

// Every reference names an entry that exists, and the program-side tables match the lists.
inline void ExpectReferencesValid(cmcEeprom& image) {
  const int channel = ReadU16(image, kRememberedChannel);
  if (channel != 0xFFFF) {
    EXPECT_NE(NameOf(image, RecordKind::kChannel, channel), "") << "remembered channel";
  }
  const int repeater = ReadU16(image, kRememberedRepeater);
  if (repeater != 0xFFFF) {
    EXPECT_LT(repeater, RepeaterCount(image)) << "remembered repeater";
  }
  EXPECT_NE(AlarmedGps(image), "?") << "GPS alarm";
  cmcEeprom rebuilt = image;
  RebuildBankTables(rebuilt);
  EXPECT_EQ(FirstDifference(rebuilt, image), -1) << "bank tables";
  const GpsGroups groups = ReadGpsGroups(image);
  int total = 0;
  for (int count : groups.count) total += count;
  EXPECT_EQ(total, groups.length) << "GPS groups";
}

// Channels 0-99 with random contents, bank places and a remembered channel, all stored
// through the records, as the program keeps them.
inline cmcEeprom RandomChannels(std::mt19937& random) {
  cmcEeprom image = Image();
  for (int i = 0; i < 100; ++i) {
    datCh record(image);
    record.Load(RecordKind::kChannel, i);
    record.SetUsed(random() % 3 != 0);
    record.frequency = 144000000 + 5000u * static_cast<std::uint32_t>(random() % 400);
    record.name = MakeFixedText<kNameLength>("N" + std::to_string(random() % 1000));
    record.bank = static_cast<std::uint8_t>(random() % 4 == 0 ? kNoBank : random() % 3);
    record.bankChannel = static_cast<std::uint8_t>(random() % 100);
    record.skip = static_cast<std::uint8_t>(random() % 2);
    record.Store(RecordKind::kChannel, i);
  }
  RebuildBankTables(image);
  WriteU16(image, kRememberedChannel, static_cast<std::uint16_t>(random() % 100));
  if (NameOf(image, RecordKind::kChannel, ReadU16(image, kRememberedChannel)).empty()) {
    WriteU16(image, kRememberedChannel, 0xFFFF);
  }
  return image;
}

}  // namespace list_fixture
