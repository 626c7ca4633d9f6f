#include <gtest/gtest.h>

#include "csv/CsvTestSupport.h"
#include "memory/FixedText.h"
#include "memory/ImageFields.h"
#include "memory/ListEntries.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"

namespace {

using namespace MemoryMap;

class CsvCallRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
    cmcEeprom& image = document_.Image();
    for (int s = 0; s < kReceivedCallCount; ++s) image.SetByte(kReceivedPositionTable + s, 0xFF);
    for (int s = 0; s < kHistoryToCount; ++s) image.SetByte(kHistoryToSlots + s, 0xFF);
    WriteU16(image, kRadioUtcOffset, 60);
    image.SetByte(kSettings + 155, 2);  // ";" between fields, "," in numbers
  }

  // A weather report received from caller in slot, shown at position.
  void PutWeatherCall(int slot, int position, std::string_view caller) {
    cmcEeprom& image = document_.Image();
    image.SetByte(kReceivedPositionTable + slot, static_cast<std::uint8_t>(position));
    const Address call = kReceivedCalls + kReceivedCallSize * slot;
    for (int i = 0; i < kReceivedCallSize; ++i) image.SetByte(call + i, ' ');
    WriteText(image, call, MakeFixedText<8>(caller));
    WriteU32(image, call + 36, 3'600);  // 2000-01-01 01:00 UTC
    const Address block = kReceivedPositions + kReceivedPositionSize * slot;
    for (int i = 0; i < kReceivedPositionSize; ++i) image.SetByte(block + i, 0);
    WritePosition(image, block, GpsPosition{35, 30000, 'S'});
    WritePosition(image, block + 4, GpsPosition{0xFF, 0, ' '});
    WriteU32(image, block + 8, 0x7FFFFFFF);
    image.SetByte(block + 29, 5);
    image.SetByte(block + 44, 55);        // humidity in %
    WriteU32(image, block + 45, 10'132);  // tenths of a hPa
  }

  CsvDocument document_;
};

TEST_F(CsvCallRecords, ReceivedCallsWriteTheirColumnsInTheFileForms) {
  PutWeatherCall(4, 0, "JA1AAA");
  PutWeatherCall(9, 1, "JA1BBB");
  const auto rows = SplitCsvRows(document_.Export({CsvListKind::kReceivedCalls, 0}), ';');
  ASSERT_EQ(rows.size(), 3u);
  const std::vector<std::string>& header = rows[0].fields;
  ASSERT_EQ(header.size(), 36u);
  EXPECT_EQ(header[0], "Frequency");
  EXPECT_EQ(header[35], "GPS Message");
  const std::vector<std::string>& first = rows[1].fields;
  ASSERT_EQ(first.size(), 36u);
  const auto column = [&header, &first](std::string_view name) {
    return first[static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin())];
  };
  EXPECT_EQ(column("Mode"), "DV");
  EXPECT_EQ(column("Caller"), "JA1AAA");
  EXPECT_EQ(column("Received date"), "2000/01/01 02:00");  // shown at the radio's UTC offset
  EXPECT_EQ(column("Latitude"), "-35,500000");
  EXPECT_EQ(column("Longitude"), "");
  EXPECT_EQ(column("Barometric"), "1013,2");
  EXPECT_EQ(column("Humidity"), "55");  // no unit in the file
  EXPECT_EQ(column("Data Type"), "Weather");
  EXPECT_EQ(rows[2].fields[2], "JA1BBB");
  // Nothing of it can be read back.
  EXPECT_EQ(
      document_.Import({CsvListKind::kReceivedCalls, 0}, document_.Export({CsvListKind::kReceivedCalls, 0})).status,
      CsvImportStatus::kIllegalData);
}

TEST_F(CsvCallRecords, TransmitHistoriesNameTheEntryTheirCallSignIsFoundIn) {
  cmcEeprom& image = document_.Image();
  ASSERT_TRUE(InsertYourCall(image, 0));
  datCh yourCall(image);
  yourCall.Load(RecordKind::kNewYourCall, 0);
  yourCall.callSign = MakeFixedText<8>("JA1ABC");
  yourCall.name = MakeFixedText<16>("Friend");
  yourCall.Store(RecordKind::kYourCall, 0);
  image.SetByte(kHistoryToSlots, 5);
  WriteText(image, kHistoryTo + 8 * 5, MakeFixedText<8>("JA1ABC"));
  image.SetByte(kHistoryToSlots + 1, 0);
  WriteText(image, kHistoryTo, MakeFixedText<8>("JQ1ZZZ"));
  image.SetByte(kHistoryToSlots + 3, 1);  // after the first empty position: not written
  WriteText(image, kHistoryTo + 8, MakeFixedText<8>("JQ1YYY"));
  EXPECT_EQ(document_.Export({CsvListKind::kHistoryTo, 0}), "Call Sign;Name\r\nJA1ABC;Friend\r\nJQ1ZZZ;\r\n");
  EXPECT_EQ(document_.Export({CsvListKind::kHistoryReflector, 0}).substr(0, 11), "Call Sign\r\n");
}

}  // namespace
