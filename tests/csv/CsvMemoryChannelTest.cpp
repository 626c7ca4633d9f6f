#include <gtest/gtest.h>

#include "csv/CsvTestSupport.h"
#include "files/CsvFields.h"
#include "memory/BankEdits.h"
#include "memory/ChannelList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"

namespace {

constexpr std::string_view kHeader =
    "CH No,Frequency,Dup,Offset,TS,Mode,Name,SKIP,TONE,Repeater Tone,TSQL Frequency,DTCS Code,DTCS Polarity,DV "
    "SQL,DV CSQL Code,Your Call Sign,RPT1 Call Sign,RPT2 Call Sign";

const CsvList kPage1{CsvListKind::kMemoryChannels, 1};

// A channel as the band template of its frequency makes it, with every column the file
// holds set to something other than the template's value.
void WriteChannel(CsvDocument& document, int index, std::uint32_t frequency, std::string_view name, int variant) {
  datCh record(document.Image());
  record.LoadFrom(const_cast<cmcEeprom&>(document.Defaults()), RecordKind::kBandTemplate,
                  frequency < 137000000   ? 0
                  : frequency < 174000000 ? 1
                                          : 3);
  record.frequency = frequency;
  record.SetUsed(true);
  record.bank = kNoBank;
  record.bankChannel = kNoBank;
  record.name = MakeFixedText<16>(name);
  record.duplex = static_cast<std::uint8_t>(variant % 3);
  record.offset = 600000 + 5000 * static_cast<std::uint32_t>(variant);
  record.mode = variant % 2 == 0 ? 5 : 1;
  record.skip = variant % 2 == 0 ? 3 : 1;
  record.toneMode = static_cast<std::uint8_t>(variant % 12);
  record.repeaterTone = static_cast<std::uint8_t>(variant % 50);
  record.toneSquelchTone = static_cast<std::uint8_t>((variant * 7) % 50);
  record.dtcsCode = static_cast<std::uint8_t>((variant * 3) % 104);
  record.dtcsPolarity = static_cast<std::uint8_t>(variant % 4);
  record.digitalSquelch = variant % 2 == 0 ? 2 : 4;
  record.digitalCode = static_cast<std::uint8_t>(variant % 100);
  record.yourCall = MakeFixedText<8>("JA1YOU");
  record.rpt1 = MakeFixedText<8>("JR1VB  A");
  record.rpt2 = MakeFixedText<8>("JR1VB  G");
  record.tuningStep = variant % 2 == 0 ? 8 : 5;
  record.Store(RecordKind::kChannel, index);
}

void FillPage(CsvDocument& document, int page) {
  const std::string_view names[] = {"Plain", "Comma, inside", "Quote \"q\"", "\xB1\xB2\xB3 kana", "x;y"};
  for (int i = 0; i < 100; i += 3) {
    WriteChannel(document, 100 * page + i, 145000000 + 12500 * static_cast<std::uint32_t>(i), names[i % 5], i);
  }
  document.Merge();
}

TEST(CsvMemoryChannels, ExportThenImportGivesTheSameChannels) {
  for (const CsvFileFormat format : {CsvFileFormat{',', '.', 0}, CsvFileFormat{';', ',', 2}}) {
    CsvDocument source;
    source.Image().SetByte(MemoryMap::kSettings + 155, format.separator == ',' ? 0 : 2);
    FillPage(source, 1);
    const std::string text = source.Export(kPage1);
    CsvDocument target;
    target.Image().SetByte(MemoryMap::kSettings + 155, format.separator == ',' ? 0 : 2);
    const CsvImportResult result = target.Import(kPage1, text);
    ASSERT_EQ(result.status, CsvImportStatus::kRead);
    EXPECT_EQ(result.tally.imported, 100);
    EXPECT_EQ(result.tally.discarded, 0);
    EXPECT_EQ(result.tally.corrected, 0) << RowNotesText(result.tally, 5);
    ExpectSameRecords(source.Image(), target.Image(), RecordKind::kChannel, 100, 199);
    EXPECT_EQ(target.Export(kPage1), text);
  }
}

TEST(CsvMemoryChannels, ExportWritesThePageWithItsOwnRowNumbers) {
  CsvDocument document;
  WriteChannel(document, 205, 145500000, "A, B", 0);
  const std::string text = document.Export({CsvListKind::kMemoryChannels, 2});
  const auto rows = SplitCsvRows(text, ',');
  ASSERT_EQ(rows.size(), 101u);
  EXPECT_EQ(rows[0].fields.size(), 18u);
  EXPECT_EQ(rows[6].fields[0], "05");
  EXPECT_EQ(rows[6].fields[1], "145.500000");
  EXPECT_EQ(rows[6].fields[6], "A, B");
  EXPECT_NE(text.find("\"A, B\""), std::string::npos);
  EXPECT_EQ(rows[7].fields[0], "06");
  for (std::size_t i = 1; i < 18; ++i) EXPECT_EQ(rows[7].fields[i], "") << i;
  EXPECT_TRUE(text.ends_with("\r\n"));
}

TEST(CsvMemoryChannels, RowsAreReadAsTheLayoutSays) {
  CsvDocument document;
  const std::string text =
      Lines({"frequency , CH NO,  name ,Mode,TONE,DTCS Code,Repeater Tone,TSQL Frequency",
             "145.000000,05,first,FM,OFF,23,88.5hz,\"88,5Hz\"", "146.5,5,second,AM-N,TRAIN1,5,88.5,100Hz",
             "50.000000,07,low,FM,OFF,023,,", "145,100,,,,,,", "145.0033,08,,,,,,"});
  const CsvImportResult result = document.Import(kPage1, text);
  ASSERT_EQ(result.status, CsvImportStatus::kRead);
  EXPECT_EQ(result.tally.imported, 4);
  EXPECT_EQ(result.tally.discarded, 1);
  EXPECT_EQ(result.tally.corrected, 2);
  const datCh second = document.Record(RecordKind::kChannel, 105);  // the later row wins
  EXPECT_EQ(second.frequency, 146500000u);
  EXPECT_EQ(std::string(second.name.data(), 6), "second");
  EXPECT_EQ(second.mode, 3);                                                           // AM-N is stored as AM
  EXPECT_EQ(second.toneMode, 0);                                                       // TRAIN1: the band's default
  EXPECT_EQ(second.dtcsCode, document.Record(RecordKind::kBandTemplate, 1).dtcsCode);  // "05": not a code
  EXPECT_EQ(second.repeaterTone, 8);      // "88.5" without Hz is not found: default 88.5 Hz
  EXPECT_EQ(second.toneSquelchTone, 12);  // "100Hz": the list's 100.0 Hz
  EXPECT_FALSE(document.Record(RecordKind::kChannel, 107).IsUsed());
  EXPECT_EQ(document.Record(RecordKind::kChannel, 108).frequency, 145005000u);  // snapped
  EXPECT_EQ(ReadU16(document.Image(), MemoryMap::kRememberedChannel), 0xFFFF);
  EXPECT_EQ(ImportMessageKeys(result), (std::vector<std::string>{"GI_Mess_Import_Discard", "GI_Mess_Import_Correct"}));
  const std::string notes = RowNotesText(result.tally, 10);
  EXPECT_NE(notes.find("Line 4: frequency \"50.000000\""), std::string::npos) << notes;
  EXPECT_NE(notes.find("Line 5: CH No \"100\""), std::string::npos) << notes;
}

TEST(CsvMemoryChannels, DamagedFilesLeaveTheDocumentAsItWas) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> messages;
  } cases[] = {
      {"empty file", "", {"GI_Mess_Import_TitleErr"}},
      {"header only", Lines({kHeader}), {"GI_Mess_Import_NoData"}},
      {"first line empty", Lines({"", kHeader, "00,145.0"}), {"GI_Mess_Import_TitleErr"}},
      {"header of the repeater list",
       Lines({"Group No,Name,Repeater Call Sign,Frequency", "1,x,JR1VB  A,439.0"}),
       {"GI_Mess_Import_TitleErr"}},
      {"no Frequency column", Lines({"CH No,Name", "00,x"}), {"GI_Mess_Import_TitleErr"}},
      {"rows of no position",
       Lines({"CH No,Frequency", "100,145.0", "x,145.0", "-1,145.0"}),
       {"GI_Mess_Import_NoData"}},
      {"binary bytes", std::string("\x00\x01\xFF\xFE,\x89PNG\r\n\x1A\n\x00\x00", 16), {"GI_Mess_Import_TitleErr"}},
  };
  for (const auto& c : cases) {
    CsvDocument document;
    FillPage(document, 1);
    cmcEeprom before;
    before.Assign(document.Image());
    const CsvImportResult result = document.Import(kPage1, c.bytes);
    EXPECT_EQ(ImportMessageKeys(result), c.messages) << c.name;
    EXPECT_FALSE(result.changed) << c.name;
    EXPECT_TRUE(document.Image().IsEqual(before)) << c.name;
  }
}

TEST(CsvMemoryChannels, BothEncodingsAndLineEndsReadAlike) {
  // Katakana "A" and hiragana "a"; as UTF-8 without a byte-order mark these bytes are no
  // valid code page 932 text, so they are taken for UTF-8.
  const std::string katakanaName = "\xB1\x82\xA0";
  const std::string utf8Name = "\xEF\xBD\xB1\xE3\x81\x82";
  const std::string cp932 = "CH No,Frequency,Name\r\n00,145.0," + katakanaName + "\r\n";
  const std::string inputs[] = {cp932, "CH No,Frequency,Name\n00,145.0," + katakanaName + "\n",
                                "\xEF\xBB\xBF"
                                "CH No,Frequency,Name\r\n00,145.0," +
                                    utf8Name + "\r\n",
                                "CH No,Frequency,Name\n00,145.0," + utf8Name};
  for (const std::string& input : inputs) {
    CsvDocument document;
    ASSERT_TRUE(document.Import(kPage1, input).changed);
    EXPECT_EQ(std::string(document.Record(RecordKind::kChannel, 100).name.data(), 3), katakanaName);
  }
}

TEST(CsvMemoryChannels, BankImportTakesFreeChannelsForItsSlots) {
  CsvDocument document;
  const int firstFree = FindFreeChannel(document.Image(), 0);
  const CsvList bankC{CsvListKind::kBank, 2};
  const CsvImportResult result =
      document.Import(bankC, Lines({"CH No,Frequency,Name", "07,145.1,a", "03,145.2,b", "07,145.3,c", "09,,"}));
  ASSERT_TRUE(result.changed);
  EXPECT_EQ(result.tally.imported, 4);
  EXPECT_EQ(BankRowChannel(document.Image(), 2, 7), firstFree);
  EXPECT_EQ(document.Record(RecordKind::kChannel, firstFree).frequency, 145300000u);
  EXPECT_EQ(BankRowChannel(document.Image(), 2, 3), FindFreeChannel(document.Image(), 0) - 1);
  EXPECT_EQ(BankRowChannel(document.Image(), 2, 9), -1);

  // With every memory channel in use the first row ends the reading.
  CsvDocument full;
  for (int i = 0; i < MemoryMap::kMemoryChannelCount; ++i) WriteChannel(full, i, 145000000, "", 0);
  const CsvImportResult overflow = full.Import(bankC, Lines({"CH No,Frequency", "00,145.1", "01,,"}));
  EXPECT_TRUE(overflow.tally.noSpace);
  EXPECT_EQ(overflow.tally.imported, 0);
  EXPECT_FALSE(overflow.changed);
}

TEST(CsvMemoryChannels, ScanEdgesAndCallChannelsUseTheirOwnRows) {
  CsvDocument document;
  const CsvList edges{CsvListKind::kScanEdges, 0};
  ASSERT_TRUE(document.Import(edges, Lines({"CH No,Frequency", "49,440.0", "50,441.0"})).changed);
  const datCh last = document.Record(RecordKind::kChannel, MemoryMap::kFirstScanEdgeIndex + 49);
  EXPECT_EQ(last.frequency, 440000000u);
  EXPECT_EQ(last.skip, 1);  // scan edges skip by default
  EXPECT_EQ(SplitCsvRows(document.Export(edges), ',').size(), 51u);
  EXPECT_EQ(SplitCsvRows(document.Export({CsvListKind::kCallChannels, 0}), ',').size(), 5u);
}

}  // namespace
