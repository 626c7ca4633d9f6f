// The received call record and the transmit histories through cell requests: every column
// shows its field in the units the settings choose, olive, and no key changes anything.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/datCh.h"

namespace {

using namespace MemoryMap;

constexpr int kDestination = 2;

void PutText(cmcEeprom& image, Address at, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    image.SetByte(at + static_cast<Address>(i), static_cast<std::uint8_t>(text[i]));
}

void PutU16(cmcEeprom& image, Address at, std::uint16_t value) { WriteU16(image, at, value); }

class CallRecordColumns : public ::testing::Test {
 protected:
  void SetUp() override {
    cmcEeprom& image = document.image;
    for (int s = 0; s < kReceivedCallCount; ++s) image.SetByte(kReceivedPositionTable + s, 0xFF);
    WriteU16(image, kRadioUtcOffset, 60);  // +1:00
    image.SetByte(kSettings + 70, 0);
    image.SetByte(kSettings + 71, 0);   // metres
    image.SetByte(kSettings + 87, 0);   // km/h
    image.SetByte(kSettings + 150, 0);  // Celsius
    image.SetByte(kSettings + 151, 0);  // hPa
    image.SetByte(kSettings + 152, 0);  // mm
    image.SetByte(kSettings + 153, 0);  // m/s
    // Position 0: a position report in slot 3.
    PutCall(3, 0, 0x41, "JA1AAA B", "ICOM", 1);
    const Address block = kReceivedPositions + kReceivedPositionSize * 3;
    PutText(image, block, std::string("\x23\xA0\x9B", 3) + "N" + std::string("\x8B\xA2\x0C", 3) + "E");
    WriteU32(image, block + 8, 1000);  // 100 ft
    PutText(image, block + 12, "/>");
    PutText(image, block + 14, "9\xFF");
    WriteU32(image, block + 25, 86'400);  // 2000-01-02 00:00:00 UTC
    PutU16(image, block + 30, 270);
    PutU16(image, block + 32, 100);  // 10 kt
    PutText(image, block + 49, "On the way");
    // Position 1: a weather report in slot 7.
    PutCall(7, 1, 0x20, "JA1WX", "", 5);
    const Address weather = kReceivedPositions + kReceivedPositionSize * 7;
    PutU16(image, weather + 30, 90);
    PutU16(image, weather + 32, 10);        // mph
    PutU16(image, weather + 34, 20);        // mph
    PutU16(image, weather + 36, 212);       // F
    PutU16(image, weather + 38, 100);       // hundredths of an inch
    image.SetByte(weather + 44, 55);        // %
    WriteU32(image, weather + 45, 10'132);  // tenths of a hPa
    // Position 2: a station report in slot 0.
    PutCall(0, 2, 0x10, "JA1FIX", "", 2);
    const Address station = kReceivedPositions;
    image.SetByte(station + 30, 25);
    WriteU32(image, station + 32, 328);  // 32.8 ft
    image.SetByte(station + 36, 6);
    image.SetByte(station + 37, 2);
    PutText(image, station + 12, "3L");
  }

  void PutCall(int slot, int position, std::uint8_t status, std::string_view caller, std::string_view note,
               std::uint8_t dataType) {
    cmcEeprom& image = document.image;
    image.SetByte(kReceivedPositionTable + slot, static_cast<std::uint8_t>(position));
    image.SetByte(kReceivedStatus + slot, status);
    const Address call = kReceivedCalls + kReceivedCallSize * slot;
    for (int i = 0; i < kReceivedCallSize; ++i) image.SetByte(call + i, ' ');
    PutText(image, call, caller);
    PutText(image, call + 8, note);
    PutText(image, call + 12, "JP1YIU B");
    PutText(image, call + 20, "JP1YIU G");
    PutText(image, call + 28, "CQCQCQ");
    WriteU32(image, call + 36, 3'600);  // 2000-01-01 01:00 UTC
    PutText(image, kReceivedMessages + kMessageLength * slot, "Hello               ");
    const Address block = kReceivedPositions + kReceivedPositionSize * slot;
    for (int i = 0; i < kReceivedPositionSize; ++i) image.SetByte(block + i, 0);
    image.SetByte(block, 0xFF);
    image.SetByte(block + 4, 0xFF);
    WriteU32(image, block + 8, 0x7FFFFFFF);
    PutText(image, block + 49, std::string(43, ' '));
    image.SetByte(block + 29, dataType);
  }

  std::string Shown(unsigned category, unsigned cellId, int index) {
    return requests.Query(category, cellId, index).outputText;
  }

  TestDocument document{kDestination};
  CellRequests requests{document};
};

TEST_F(CallRecordColumns, ReceivedCallsShowEveryColumn) {
  const struct {
    int position;
    unsigned cellId;
    std::string text;
  } rows[] = {
      {0, CL_Received_Callsign_Caller, "JA1AAA B"},
      {0, CL_Received_Callsign_Caller2, "ICOM"},
      {0, CL_Received_Callsign_Called, "CQCQCQ"},
      {0, CL_Received_Callsign_RPT1, "JP1YIU B"},
      {0, CL_Received_Callsign_RPT2, "JP1YIU G"},
      {0, CL_Received_Callsign_Message, "Hello"},
      {0, CL_Received_Callsign_Status, "RPT UP"},
      {0, CL_Received_Callsign_Date, "2000/01/01 02:00"},
      {0, CL_Received_Callsign_BK, ""},
      {0, CL_Received_Callsign_EMR, ""},
      {0, CL_Received_Callsign_Latitude,
       "35\xB0"
       "41.11'N"},
      {0, CL_Received_Callsign_Longitude,
       "139\xB0"
       "41.48'E"},
      {0, CL_Received_Callsign_Altitude, "30m"},
      {0, CL_Received_Callsign_SSID, "9"},
      {0, CL_Received_Callsign_Symbol, "/>"},
      {0, CL_Received_Callsign_Course, "270\xB0"},
      {0, CL_Received_Callsign_Speed, "18.5km/h"},
      {0, CL_Received_Callsign_GpsTimestamp, "2000/01/02 01:00:00"},
      {0, CL_Received_Callsign_DataType, "Position"},
      {0, CL_Received_Callsign_GpsMsg, "On the way"},
      {0, CL_Received_Callsign_Power, ""},
      {0, CL_Received_Callsign_Temp, ""},
      {1, CL_Received_Callsign_EMR, "EMR"},
      {1, CL_Received_Callsign_Latitude, "--\xB0--.--'-"},
      {1, CL_Received_Callsign_Altitude, "------"},
      {1, CL_Received_Callsign_SSID, "---"},
      {1, CL_Received_Callsign_DataType, "Weather"},
      {1, CL_Received_Callsign_WindDir, "90\xB0"},
      {1, CL_Received_Callsign_WindSpeed, "4.5m/s"},
      {1, CL_Received_Callsign_GustSpeed, "8.9m/s"},
      {1, CL_Received_Callsign_Temp,
       "100.0\xB0"
       "C"},
      {1, CL_Received_Callsign_Rain, "25.4mm"},
      {1, CL_Received_Callsign_Rain24, "0.0mm"},
      {1, CL_Received_Callsign_RainMidnight, "0.0mm"},
      {1, CL_Received_Callsign_Humidity, "55%"},
      {1, CL_Received_Callsign_Barometric, "1013hPa"},
      {1, CL_Received_Callsign_Course, ""},
      {2, CL_Received_Callsign_BK, "BK"},
      {2, CL_Received_Callsign_DataType, "Station"},
      {2, CL_Received_Callsign_Power, "25W"},
      {2, CL_Received_Callsign_Height, "10m"},
      {2, CL_Received_Callsign_Gain, "6dB"},
      {2, CL_Received_Callsign_Directivity, "90\xB0"},
      {2, CL_Received_Callsign_ObjItemName, ""},
      {2, CL_Received_Callsign_Symbol, "\\L (3)"},  // an overlay on the alternate table
      {3, CL_Received_Callsign_Caller, ""},         // no slot shows position 3
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.position) + " " + std::string(CellIdName(row.cellId)));
    const cmcCellCapsule shown = requests.Query(CT_RXCall, row.cellId, row.position);
    EXPECT_EQ(shown.outputText, row.text);
    EXPECT_EQ(shown.fontColor, kClOlive);
  }
  document.image.SetByte(kSettings + 71, 1);
  document.image.SetByte(kSettings + 87, 2);
  EXPECT_EQ(Shown(CT_RXCall, CL_Received_Callsign_Altitude, 0), "100ft");
  EXPECT_EQ(Shown(CT_RXCall, CL_Received_Callsign_Speed, 0), "10.0kt");
}

TEST_F(CallRecordColumns, NoKeyChangesTheRecords) {
  const cmcEeprom before = document.image;
  for (unsigned cellId = CL_Received_Callsign_Caller; cellId <= CL_TxCall_Ref_Callsign; ++cellId) {
    for (int key : {kKeyEnter, kKeySpace, int{'A'}, kKeyBackspace, kKeyF2}) {
      const unsigned category = cellId < CL_TxCall_From_Callsign ? CT_RXCall : CT_TXCall_From;
      const auto [request, result] = requests.Key(category, cellId, 0, key);
      EXPECT_EQ(result, kCellResultNothing) << CellIdName(cellId);
    }
    const unsigned category = cellId < CL_TxCall_From_Callsign ? CT_RXCall : CT_TXCall_To;
    requests.Commit(category, cellId, 0, "X");
  }
  EXPECT_TRUE(document.image.IsEqual(before));
}

TEST_F(CallRecordColumns, TransmitHistoriesShowTheEntryTheirCallSignNames) {
  cmcEeprom& image = document.image;
  SetGroupCount(image, 0, 1);
  datCh repeater(image);
  repeater.Load(RecordKind::kRepeater, 0);
  repeater.mode = kRepeaterModeDv;
  repeater.callSign = MakeFixedText<8>("JP1YIU A");
  repeater.name = MakeFixedText<16>("Hilltop");
  repeater.frequency = 439'010'000;
  repeater.duplex = kDuplexMinus;
  repeater.offset = 5'000'000;
  repeater.Commit();
  for (Address table : {kHistoryFromSlots, kHistoryFromAnalogSlots}) {
    for (int p = 0; p < 10; ++p) image.SetByte(table + p, 0xFF);
  }
  for (int p = 0; p < 5; ++p) image.SetByte(kHistoryReflectorSlots + p, 0xFF);
  image.SetByte(kHistoryFromSlots, 4);
  PutText(image, kHistoryFrom + 8 * 4, "JP1YIU A");
  image.SetByte(kHistoryFromSlots + 1, 5);
  PutText(image, kHistoryFrom + 8 * 5, "JA9ZZZ A");
  image.SetByte(kHistoryFromAnalogSlots, 0);
  PutText(image, kHistoryFromAnalog, "JR1FM   ");
  WriteU32(image, kHistoryFromAnalog + 8, 145'700'000);
  image.SetByte(kHistoryReflectorSlots, 2);
  PutText(image, kHistoryReflector + 16, "REF001CL");
  const struct {
    unsigned category;
    int position;
    unsigned cellId;
    std::string text;
  } rows[] = {
      {CT_TXCall_From, 0, CL_TxCall_From_Callsign, "JP1YIU A"},
      {CT_TXCall_From, 0, CL_TxCall_From_Name, "Hilltop"},
      {CT_TXCall_From, 0, CL_TxCall_From_Freq, " 439.010000"},
      {CT_TXCall_From, 0, CL_TxCall_From_Dup, "-DUP"},
      {CT_TXCall_From, 0, CL_TxCall_From_Offset, "5.000000"},
      {CT_TXCall_From, 1, CL_TxCall_From_Callsign, "JA9ZZZ A"},
      {CT_TXCall_From, 1, CL_TxCall_From_Name, ""},  // no repeater holds it
      {CT_TXCall_From, 1, CL_TxCall_From_Freq, ""},
      {CT_TXCall_From, 1, CL_TxCall_From_Dup, ""},
      {CT_TXCall_From, 2, CL_TxCall_From_Callsign, ""},
      {CT_TXCall_FAnalog, 0, CL_TxCall_FAnalog_Callsign, "JR1FM"},
      {CT_TXCall_FAnalog, 0, CL_TxCall_FAnalog_Freq, " 145.700000"},
      {CT_TXCall_FAnalog, 0, CL_TxCall_FAnalog_Name, ""},
      {CT_TXCall_Ref, 0, CL_TxCall_Ref_Callsign, "REF001CL"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.position) + " " + std::string(CellIdName(row.cellId)));
    EXPECT_EQ(Shown(row.category, row.cellId, row.position), row.text);
  }
}

}  // namespace
