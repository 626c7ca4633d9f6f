#include <gtest/gtest.h>

#include "csv/CsvTestSupport.h"
#include "memory/ImageFields.h"
#include "memory/ListEntries.h"
#include "memory/NamedLists.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"

namespace {

const CsvList kAllRepeaters{CsvListKind::kRepeaters, kCsvScopeAll};
const CsvList kYourCalls{CsvListKind::kYourCalls, 0};

// Appends a repeater entry made from the new-entry template to a group.
void AddRepeater(cmcEeprom& image, int group, int n) {
  const int position = GroupStart(image, group) + GroupCount(image, group);
  ASSERT_TRUE(InsertRepeater(image, group, position));
  datCh r(image);
  r.Load(RecordKind::kNewRepeater, position);
  r.SetUsed(true);
  r.name = MakeFixedText<16>(n % 4 == 0 ? "Club, \"North\"" : "Relay " + std::to_string(n));
  r.subName = MakeFixedText<8>("sub");
  r.mode = static_cast<std::uint8_t>(n % 3);
  r.frequency = 430000000 + 25000 * static_cast<std::uint32_t>(n % 400);
  r.duplex = 1;
  r.offset = 5000000;
  r.callSign = MakeFixedText<8>(r.mode == 0 ? "JR1VB  A" : "JA1FM");
  r.gateway = MakeFixedText<8>(r.mode == 0 ? "JR1VB  G" : "");
  r.toneMode = static_cast<std::uint8_t>(n % 3);
  r.repeaterTone = static_cast<std::uint8_t>(n % 50);
  r.rpt1Use = static_cast<std::uint8_t>(n % 2);
  r.positionKind = static_cast<std::uint8_t>(n % 3);
  if (n % 5 != 0) {
    r.latitude = GpsPosition{35, static_cast<std::uint16_t>(n * 37 % 60000), 'N'};
    r.longitude = GpsPosition{139, static_cast<std::uint16_t>(n * 91 % 60000), 'W'};
  }
  r.utcOffset = static_cast<std::int16_t>(n % 7 == 0 ? 0x7FFF : (n % 169 - 84) * 5);
  r.Store(RecordKind::kRepeater, position);
}

void FillRepeaters(CsvDocument& document, int count) {
  for (int n = 0; n < count; ++n) AddRepeater(document.Image(), (n * 7) % 30, n);
  WriteText(document.Image(), NamedListNameAddress(NamedList::kRepeaterGroup, 3), MakeFixedText<16>("Tokyo; east"));
  document.Merge();
}

TEST(CsvRepeaters, ExportThenImportGivesTheSameList) {
  CsvDocument source;
  FillRepeaters(source, 750);
  const std::string text = source.Export(kAllRepeaters);
  CsvDocument target;
  const CsvImportResult result = target.Import(kAllRepeaters, text, kCsvScopeAll, false);
  ASSERT_TRUE(result.changed);
  EXPECT_EQ(result.tally.imported, 750);
  EXPECT_EQ(result.tally.corrected, 0) << RowNotesText(result.tally, 5);
  EXPECT_FALSE(result.tally.noSpace);
  ExpectSameRecords(source.Image(), target.Image(), RecordKind::kRepeater, 0, 749);
  for (int group = 0; group < 30; ++group)
    EXPECT_EQ(GroupCount(target.Image(), group), GroupCount(source.Image(), group));
  EXPECT_EQ(target.Export(kAllRepeaters), text);
}

TEST(CsvRepeaters, AGroupImportReplacesOnlyThatGroup) {
  CsvDocument document;
  FillRepeaters(document, 60);
  const int before = RepeaterCount(document.Image());
  const int group4 = GroupCount(document.Image(), 4);
  const std::string group3 = document.Export({CsvListKind::kRepeaters, 3}, 3);
  // Group 5's rows imported into the page of group 3: the page's group wins.
  const std::string rows =
      Lines({"Group No,Repeater Call Sign,Frequency,Group Name", "5,JA1NEW,145.5,New name", "9,JA1TWO,145.6,Other"});
  const CsvImportResult result = document.Import({CsvListKind::kRepeaters, 3}, rows, 3);
  ASSERT_TRUE(result.changed);
  EXPECT_EQ(GroupCount(document.Image(), 3), 2);
  EXPECT_EQ(GroupCount(document.Image(), 4), group4);
  EXPECT_EQ(RepeaterCount(document.Image()), before - (static_cast<int>(SplitCsvRows(group3, ',').size()) - 1) + 2);
  EXPECT_EQ(std::string(ReadText<16>(document.Image(), NamedListNameAddress(NamedList::kRepeaterGroup, 3)).data(), 8),
            "New name");
}

TEST(CsvRepeaters, RowsAreCorrectedNeverRefused) {
  CsvDocument document;
  const CsvImportResult result = document.Import(
      kAllRepeaters,
      Lines({"Group No,Repeater Call Sign,Mode,Frequency,Dup,Offset,UTC Offset,Gateway Call Sign,Latitude",
             "0,jr1vb  a,DV,439.01,DUP-,5.0,+9:02,JR1VB  X,91", "31,JA1X,FM,145.0,OFF,0,--:--,,", ",JA1Y,FM-N,,,,,,"}));
  ASSERT_TRUE(result.changed);
  EXPECT_EQ(result.tally.imported, 3);
  EXPECT_EQ(result.tally.discarded, 0);
  EXPECT_EQ(result.tally.corrected, 3);
  cmcEeprom& image = document.Image();
  EXPECT_EQ(GroupCount(image, 19), 1);
  EXPECT_EQ(GroupCount(image, 29), 2);
  const datCh first = document.Record(RecordKind::kRepeater, GroupStart(image, 19));
  EXPECT_EQ(std::string(first.callSign.data(), 8), "JR1VB  A");
  EXPECT_EQ(first.utcOffset, 540);
  EXPECT_EQ(first.gateway.back(), ' ');
  EXPECT_EQ(first.frequency, 439010000u);
  const datCh analogue = document.Record(RecordKind::kRepeater, GroupStart(image, 29));
  EXPECT_TRUE(IsBlank(analogue.callSign));  // an FM entry without duplex has no call sign
  EXPECT_EQ(analogue.utcOffset, 0x7FFF);
  EXPECT_EQ(ReadU16(image, MemoryMap::kRememberedRepeater), 0xFFFF);
}

TEST(CsvRepeaters, TheListHoldsAtMost750) {
  CsvDocument document;
  std::string text = "Group No,Repeater Call Sign,Dup,Offset\r\n";
  for (int n = 0; n < 760; ++n) text += std::to_string(n % 30 + 1) + ",JA" + std::to_string(n) + ",OFF,0\r\n";
  const CsvImportResult result = document.Import(kAllRepeaters, text);
  EXPECT_TRUE(result.tally.noSpace);
  EXPECT_EQ(result.tally.imported, 750);
  EXPECT_EQ(RepeaterCount(document.Image()), 750);
  EXPECT_EQ(ImportMessageKeys(result), (std::vector<std::string>{"GI_Mess_ImportGps_NoChSpace"}));
  EXPECT_NE(RowNotesText(result.tally, 1).find("Line 752"), std::string::npos);
}

TEST(CsvRepeaters, KeepingTheRpt1UseFollowsTheAnswer) {
  for (const bool keep : {true, false}) {
    CsvDocument document;
    AddRepeater(document.Image(), 0, 3);  // RPT1 use set, DV, JR1VB  A
    const std::string text = Lines({"Group No,Repeater Call Sign,Frequency,Mode", "1,JR1VB  A,430.075,DV"});
    ASSERT_TRUE(document.Import(kAllRepeaters, text, kCsvScopeAll, keep).changed);
    EXPECT_EQ(document.Record(RecordKind::kRepeater, 0).rpt1Use, keep ? 1 : 0);
  }
}

TEST(CsvYourCalls, RoundTripAndRefusedRows) {
  CsvDocument source;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(InsertYourCall(source.Image(), i));
    datCh r(source.Image());
    r.Load(RecordKind::kNewYourCall, i);
    r.SetUsed(true);
    r.callSign = MakeFixedText<8>("JA1AB" + std::to_string(i));
    r.name = MakeFixedText<16>(i == 1 ? "Friend, \"best\"" : "");
    r.Store(RecordKind::kYourCall, i);
  }
  const std::string text = source.Export(kYourCalls);
  EXPECT_TRUE(text.starts_with("No,Name,Call Sign\r\n01,,JA1AB0\r\n"));
  CsvDocument target;
  ASSERT_TRUE(target.Import(kYourCalls, text).changed);
  ExpectSameRecords(source.Image(), target.Image(), RecordKind::kYourCall, 0, 199);
  EXPECT_EQ(YourCallCount(target.Image()), 3);

  const CsvImportResult result = target.Import(kYourCalls, Lines({"Call Sign,Name", ",empty", "ja1low,lower"}));
  EXPECT_EQ(result.tally.discarded, 1);
  EXPECT_EQ(YourCallCount(target.Image()), 1);
  EXPECT_EQ(std::string(target.Record(RecordKind::kYourCall, 0).callSign.data(), 8), "JA1LOW  ");
  EXPECT_EQ(ImportMessageKeys(result), (std::vector<std::string>{"GI_Mess_ImportGps_Discard"}));
}

}  // namespace
