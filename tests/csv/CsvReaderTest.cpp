#include <gtest/gtest.h>

#include "files/CsvFields.h"
#include "files/CsvTransfer.h"
#include "files/FilesTestSupport.h"
#include "files/cmcLoadFile.h"

namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> FieldsOf(std::string_view bytes, char separator = ',') {
  std::vector<Fields> rows;
  for (const CsvLine& line : SplitCsvRows(CsvFileText(bytes), separator)) rows.push_back(line.fields);
  return rows;
}

TEST(CsvReader, QuotedFieldsHoldSeparatorsQuotesAndLineBreaks) {
  const auto rows = FieldsOf("a,\"b,c\",\"say \"\"hi\"\"\",\"two\r\nlines\",x\"y\r\nlast,\"\"\r\n");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (Fields{"a", "b,c", "say \"hi\"", "two\r\nlines", "x\"y"}));
  EXPECT_EQ(rows[1], (Fields{"last", ""}));
}

TEST(CsvReader, LineEndsReadAlikeAndRowsKnowTheirLine) {
  for (std::string_view end : {"\r\n", "\n", "\r"}) {
    const std::string text =
        "h1,h2" + std::string(end) + "\"a" + std::string(end) + "b\",c" + std::string(end) + std::string(end) + "d,e";
    const auto lines = SplitCsvRows(text, ',');
    ASSERT_EQ(lines.size(), 4u) << "line end " << end.size();
    EXPECT_EQ(lines[1].fields[0], "a" + std::string(end) + "b");
    EXPECT_EQ(lines[2].number, 4);
    EXPECT_TRUE(lines[2].IsBlank());
    EXPECT_EQ(lines[3].number, 5);
    EXPECT_EQ(lines[3].fields, (Fields{"d", "e"}));
  }
}

TEST(CsvReader, TheSecondByteOfADoubleByteCharacterNeverSplits) {
  // 0x81 0x7C is a full-width dash whose second byte is "|"; with "|" as separator it stays
  // one character. A lead byte without a valid second byte is one byte of its own.
  const auto rows = FieldsOf("\x81\x7C|x|\x81 |\x81|y", '|');
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (Fields{"\x81\x7C", "x", "\x81 ", "\x81|y"}));
}

TEST(CsvReader, Utf8FilesBecomeCodePage932) {
  const std::string katakana = "\xB1\xB2\xB3";  // half-width A I U in code page 932
  EXPECT_EQ(CsvFileText("\xEF\xBB\xBFName,\xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3"), "Name," + katakana);
  // Without a mark: UTF-8 that is no valid code page 932 text ("A" in katakana, then "a" in
  // hiragana, whose last byte would lead a double-byte character).
  EXPECT_EQ(CsvFileText("Name,\xEF\xBD\xB1\xE3\x81\x82"), "Name,\xB1\x82\xA0");
  EXPECT_EQ(CsvFileText("Name," + katakana), "Name," + katakana);  // already code page 932
  EXPECT_EQ(CsvFileText("\xEF\xBB\xBF\xE2\x82\xAC"), "?");         // a character the code page lacks
  // Bytes that are valid in both read as code page 932 (no byte-order mark).
  EXPECT_EQ(CsvFileText("\xEF\xBD\xB1"), "\xEF\xBD\xB1");
}

TEST(CsvReader, LoadRefusesMissingAndOversizedFiles) {
  TempFolder folder;
  cmcLoadFile file;
  EXPECT_FALSE(file.Load(folder.Path("missing.csv"), ','));
  EXPECT_FALSE(file.Load(folder.Path(""), ','));  // a folder
  const std::string big = folder.Path("big.csv");
  WriteBytes(big, std::string(cmcLoadFile::kMaxFileSize + 1, 'a'));
  EXPECT_FALSE(file.Load(big, ','));
  EXPECT_TRUE(file.FileName().empty());
  EXPECT_EQ(file.LineCount(), 0);

  const std::string good = folder.Path("good.csv");
  WriteBytes(good, "h\r\n\r\none\r\n\r\ntwo");
  ASSERT_TRUE(file.Load(good, ','));
  EXPECT_EQ(file.FileName(), good);
  EXPECT_EQ(file.CurrentLine().fields, Fields{"h"});
  ASSERT_TRUE(file.NextLine());
  EXPECT_EQ(file.CurrentLine().number, 3);
  ASSERT_TRUE(file.NextLine());
  EXPECT_EQ(file.CurrentLine().fields, Fields{"two"});
  EXPECT_FALSE(file.NextLine());
  EXPECT_EQ(file.CurrentLine().fields, Fields{"h"});  // back at the header
}

TEST(CsvFields, NumbersFollowTheFileDecimalCharacter) {
  const CsvFileFormat point;
  const CsvFileFormat comma{';', ',', 0};
  struct Case {
    const char* text;
    const CsvFileFormat& format;
    std::uint32_t hertz;
  } cases[] = {
      {"145.5", point, 145500000},
      {" 145.500000 ", point, 145500000},
      {"145,5", comma, 145500000},
      {"145,5", point, 0},
      {"145.5MHz", point, 0},
      {"-1", point, 0},
      {"1.2.3", point, 0},
      {"-", point, 0},
      {"", point, 0},
      {"146.0100004", point, 146010000},
      {"0.0000005", point, 1},
      {"4294.967295", point, 4294967295u},
      {"4294.967296", point, 0},
      {"99999999999999999999", point, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadFrequency(c.text, c.format), c.hertz) << c.text;
  EXPECT_EQ(FrequencyText(145000000, comma), "145,000000");
  EXPECT_EQ(ReadOffset("", point), kCsvMissingOffset);
  EXPECT_EQ(ReadOffset("x", point), kCsvMissingOffset);
  EXPECT_EQ(ReadOffset("0.6", point), 600000u);
}

TEST(CsvFields, TablesPositionsAltitudesAndOffsets) {
  const CsvFileFormat comma{';', ',', 0};
  EXPECT_EQ(CsvTables::ToneFrequency().Value("88,5Hz"), 8);
  EXPECT_EQ(CsvTables::ToneFrequency().Value(" 88.5hz "), 8);
  EXPECT_EQ(CsvTables::ToneFrequency().Value("88.5"), kCsvNotFound);
  EXPECT_EQ(CsvTables::ToneFrequency().Text(8, comma), "88,5Hz");
  EXPECT_EQ(CsvTables::TuningStep().Text(3, comma), "NOT_FOUND");
  EXPECT_EQ(CsvTables::DtcsCode().Value("023"), 0);

  const GpsPosition south = ReadPosition("-35.5", CsvAxis::kLatitude, {});
  EXPECT_EQ(south, (GpsPosition{35, 30000, 'S'}));
  EXPECT_EQ(PositionText(south, {}), "-35.500000");
  EXPECT_FALSE(ReadPosition("91", CsvAxis::kLatitude, {}).IsSet());
  EXPECT_TRUE(ReadPosition("-179.9", CsvAxis::kLongitude, {}).IsSet());
  for (std::uint16_t milli = 0; milli < 60000; milli += 7) {
    const GpsPosition position{139, milli, 'E'};
    EXPECT_EQ(ReadPosition(PositionText(position, comma), CsvAxis::kLongitude, comma), position) << milli;
  }

  bool corrected = false;
  EXPECT_EQ(AltitudeText(0, comma), " 0,0");
  EXPECT_EQ(ReadAltitude("123.4", {}, corrected), 4049);
  EXPECT_EQ(ReadAltitude("10000", {}, corrected), 328084);
  EXPECT_FALSE(corrected);
  EXPECT_EQ(ReadAltitude("-10000.1", {}, corrected), kCsvNoAltitude);
  EXPECT_TRUE(corrected);

  bool none = false;
  EXPECT_EQ(ReadUtcOffset("+9:02", none), 542);
  EXPECT_EQ(ReadUtcOffset("-10:00", none), -600);
  EXPECT_FALSE(ReadUtcOffset("--:--", none));
  EXPECT_TRUE(none);
  EXPECT_FALSE(ReadUtcOffset("9", none));
  EXPECT_FALSE(none);
  EXPECT_EQ(UtcOffsetText(-330), "-5:30");
}

TEST(CsvFields, NamesAndCallSigns) {
  bool corrected = false;
  EXPECT_EQ(ReadName("Club  ", 16, corrected), "Club            ");
  EXPECT_FALSE(corrected);
  // Cut to 16 bytes without splitting the double-byte character at bytes 16 and 17.
  EXPECT_EQ(ReadName("123456789012345\x88\x9F", 16, corrected), "123456789012345 ");
  EXPECT_TRUE(corrected);

  corrected = false;
  CallSignText call = ReadCallSign(
      "\x82\x60\x82\x61"
      "1abc",
      corrected);  // full-width "AB"
  EXPECT_TRUE(corrected);
  EXPECT_TRUE(CleanCallSign(call));
  EXPECT_EQ(std::string(call.data(), 8), "AB1ABC  ");

  NameText name = MakeFixedText<16>("ok\x01\x88\x9F\x81\x20z");
  EXPECT_TRUE(CleanName(name));
  EXPECT_EQ(std::string(name.data(), 16), std::string("ok \x88\x9F  z") + std::string(8, ' '));
}

}  // namespace

namespace {

TEST(CsvLists, ThePageShownChoosesListAndGroup) {
  using K = CsvListKind;
  const struct {
    int sheet;
    std::optional<CsvList> list;
  } cases[] = {
      {0, CsvList{K::kMemoryChannels, 0}},
      {4, CsvList{K::kMemoryChannels, 4}},
      {5, CsvList{K::kScanEdges, 0}},
      {21, CsvList{K::kBank, 0}},
      {46, CsvList{K::kBank, 25}},
      {47, CsvList{K::kCallChannels, 0}},
      {70, CsvList{K::kBroadcast, 255}},
      {71, CsvList{K::kBroadcast, 255}},
      {74, CsvList{K::kBroadcast, 0}},
      {75, CsvList{K::kBroadcast, 1}},
      {149, CsvList{K::kBroadcast, 25}},
      {160, CsvList{K::kYourCalls, 0}},
      {162, CsvList{K::kRepeaters, 255}},
      {163, CsvList{K::kRepeaters, 0}},
      {192, CsvList{K::kRepeaters, 29}},
      {210, CsvList{K::kHistoryFrom, 0}},
      {211, CsvList{K::kHistoryFromAnalog, 0}},
      {213, CsvList{K::kHistoryReflector, 0}},
      {214, CsvList{K::kReceivedCalls, 0}},
      {219, CsvList{K::kGps, 255}},
      {221, CsvList{K::kGps, 0}},
      {247, CsvList{K::kGps, 26}},
      {6, std::nullopt},
      {150, std::nullopt},
      {193, std::nullopt},
      {248, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CsvListOfSheet(c.sheet), c.list) << c.sheet;
}

}  // namespace
