// Rows of a list as tab-separated text for the desktop's clipboard and read back through the
// checks of an import.
#include <gtest/gtest.h>

#include "csv/CsvTestSupport.h"
#include "files/CsvClipboard.h"
#include "memory/GpsList.h"
#include "memory/ListEntries.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"

namespace {

using namespace MemoryMap;

void PutChannel(cmcEeprom& image, int index, std::uint32_t frequency, std::string_view name) {
  datCh record(image);
  record.Load(RecordKind::kChannel, index);
  record.SetUsed(true);
  record.frequency = frequency;
  record.name = MakeFixedText<16>(name);
  record.yourCall = MakeFixedText<8>("CQCQCQ");
  record.Store(RecordKind::kChannel, index);
}

void AddRepeater(cmcEeprom& image, int group, int n) {
  const int position = GroupStart(image, group) + GroupCount(image, group);
  ASSERT_TRUE(InsertRepeater(image, group, position));
  datCh r(image);
  r.Load(RecordKind::kNewRepeater, position);
  r.SetUsed(true);
  r.name = MakeFixedText<16>(n == 1 ? "Club, \"q\"" : "Relay " + std::to_string(n));
  r.frequency = 430000000 + 25000 * static_cast<std::uint32_t>(n);
  r.duplex = 1;
  r.offset = 5000000;
  r.callSign = MakeFixedText<8>("JA1FM");
  r.Store(RecordKind::kRepeater, position);
}

void AddGps(cmcEeprom& image, int group, int n) {
  const int place = ReadGpsGroups(image).count[static_cast<std::size_t>(group)];
  ASSERT_TRUE(InsertGpsMemory(image, group, place));
  const int position = ReadGpsGroups(image).start[static_cast<std::size_t>(group)] + place;
  datCh r(image);
  r.Load(RecordKind::kGps, position);
  r.name = MakeFixedText<16>("Spot " + std::to_string(n));
  r.latitude = GpsPosition{35, static_cast<std::uint16_t>(n * 131), 'N'};
  r.longitude = GpsPosition{139, static_cast<std::uint16_t>(n * 77), 'E'};
  r.Store(RecordKind::kGps, position);
}

void AddYourCall(cmcEeprom& image, int n) {
  ASSERT_TRUE(InsertYourCall(image, n));
  datCh r(image);
  r.Load(RecordKind::kNewYourCall, n);
  r.SetUsed(true);
  r.callSign = MakeFixedText<8>("JA1AB" + std::to_string(n));
  r.Store(RecordKind::kYourCall, n);
}

// A document with a few entries in every list the round trip copies from.
void Fill(CsvDocument& document) {
  cmcEeprom& image = document.Image();
  for (int i = 0; i < 4; ++i) {
    PutChannel(image, 110 + i, 145000000 + 12500 * static_cast<std::uint32_t>(i),
               i == 2 ? "x, \"y\"" : "Page " + std::to_string(i));
    PutChannel(image, kFirstScanEdgeIndex + 4 + i, 433000000 + 100000 * static_cast<std::uint32_t>(i), "Edge");
    AddRepeater(image, 3, i);
    AddGps(image, 2, i);
    AddYourCall(image, i);
  }
  PutChannel(image, kFirstCallChannelIndex + 1, 145300000, "Call");
  AddRepeater(image, 1, 9);  // a group before the one copied moves its list positions
  document.Merge();
}

TEST(CsvClipboard, CopiedRowsReadBackAsTheSameRecords) {
  const struct Case {
    const char* name;
    CsvList list;
    std::uint8_t scope;
    int kind;
    int firstIndex;  // the list index of the first copied row
    int firstRow;    // its row in the scope's export
    int count;
  } cases[] = {
      {"memory page 1", {CsvListKind::kMemoryChannels, 1}, 0, RecordKind::kChannel, 110, 10, 4},
      {"scan edges", {CsvListKind::kScanEdges, 0}, 0, RecordKind::kChannel, kFirstScanEdgeIndex + 5, 5, 3},
      {"call channels", {CsvListKind::kCallChannels, 0}, 0, RecordKind::kChannel, kFirstCallChannelIndex, 0, 2},
      {"repeater group 3", {CsvListKind::kRepeaters, 3}, 3, RecordKind::kRepeater, -1, 1, 3},
      {"GPS group 2", {CsvListKind::kGps, 2}, 2, RecordKind::kGps, -1, 0, 4},
      {"your calls", {CsvListKind::kYourCalls, 0}, 0, RecordKind::kYourCall, 1, 1, 2},
  };
  CsvDocument source;
  Fill(source);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int first = c.firstIndex;
    if (c.kind == RecordKind::kRepeater) first = GroupStart(source.Image(), 3) + c.firstRow;
    if (c.kind == RecordKind::kGps) first = ReadGpsGroups(source.Image()).start[2] + c.firstRow;
    const std::string text = ClipboardRowsText(source.Image(), source.Defaults(), c.list, c.scope, c.firstRow, c.count);
    EXPECT_LT(text.find('\t'), text.find("\r\n")) << "tabs separate the header's names: " << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.count + 1) << text;

    CsvDocument target;
    const CsvImportResult result = ReadClipboardRows(target.Image(), target.Defaults(), c.list, c.scope, text);
    ASSERT_TRUE(result.changed) << RowNotesText(result.tally, 5);
    EXPECT_EQ(result.tally.corrected, 0) << RowNotesText(result.tally, 5);
    // Fixed lists keep their row numbers; the packed ones start their scope afresh.
    int at = first;
    if (c.kind == RecordKind::kRepeater) at = GroupStart(target.Image(), 3);
    if (c.kind == RecordKind::kGps) at = ReadGpsGroups(target.Image()).start[2];
    if (c.kind == RecordKind::kYourCall) at = 0;
    for (int i = 0; i < c.count; ++i) {
      const datCh expected = source.Record(c.kind, first + i);
      const datCh actual = target.Record(c.kind, at + i);
      EXPECT_TRUE(actual.IsUsed()) << "row " << i;
      EXPECT_EQ(Differences(expected, actual), "") << "row " << i;
    }
  }
}

TEST(CsvClipboard, DamagedTextsChangeNothingAndSayWhy) {
  const CsvList page{CsvListKind::kMemoryChannels, 1};
  CsvDocument source;
  Fill(source);
  const std::string good = ClipboardRowsText(source.Image(), source.Defaults(), page, 0, 10, 2);
  std::string badFrequency = good;
  badFrequency.replace(badFrequency.find("145.012500"), 10, "999.000000");
  std::string firstRowOnly = good.substr(0, good.find("\r\n11\t"));
  firstRowOnly.replace(firstRowOnly.find("145.000000"), 10, "abc");
  const struct {
    const char* name;
    std::string text;
    std::vector<std::string> messages;
    const char* note;
  } cases[] = {
      {"empty text", "", {"GI_Mess_Import_TitleErr"}, ""},
      {"header of another list", "No\tName\tCall Sign\r\n01\tx\tJA1AB\r\n", {"GI_Mess_Import_TitleErr"}, ""},
      {"plain words", "hello world", {"GI_Mess_Import_TitleErr"}, ""},
      {"commas in place of tabs", "CH No,Frequency\r\n10,145.0\r\n", {"GI_Mess_Import_TitleErr"}, ""},
      {"the only row's frequency no number",
       firstRowOnly,
       {"GI_Mess_Import_Discard"},
       "Line 2: frequency \"abc\" is no number in MHz"},
      {"a frequency out of range",
       badFrequency,
       {"GI_Mess_Import_Discard"},
       "Line 3: frequency \"999.000000\" is not within 108-479 MHz"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CsvDocument target;
    cmcEeprom before;
    before.Assign(target.Image());
    const CsvImportResult result = ReadClipboardRows(target.Image(), target.Defaults(), page, 0, c.text);
    EXPECT_EQ(ImportMessageKeys(result), c.messages);
    EXPECT_NE(RowNotesText(result.tally, 5).find(c.note), std::string::npos) << RowNotesText(result.tally, 5);
    if (c.messages.front() != "GI_Mess_Import_Discard") {
      EXPECT_FALSE(result.changed);
      EXPECT_TRUE(target.Image().IsEqual(before));
    } else {
      // As an import does, a row with a frequency it cannot take is stored empty.
      EXPECT_EQ(result.tally.discarded, 1);
    }
  }
}

}  // namespace
