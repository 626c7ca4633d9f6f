// The list pages as a user reaches them through the tree: each shows its records, typing into
// a column lands in the record of that row, and records that hold no real date or hold
// stations of the other band do not show as such.
#include <gtest/gtest.h>

#include "PageWindowFixture.h"
#include "memory/BroadcastList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "ui/cuiFlector.h"

namespace {

using namespace MemoryMap;

class ListPageWindowTest : public PageWindowTest {
 protected:
  datCh Record(int kind, int index) {
    datCh record(Image());
    record.Load(kind, index);
    return record;
  }

  // Group A holds `count` GPS memories, records 0...
  void PutGpsGroupA(int count) {
    for (int p = 0; p < kGpsMemoryCount; ++p) {
      Image().SetByte(kGpsOrder + p, static_cast<std::uint8_t>(p < count ? p : 0xFF));
    }
    for (int g = 0; g < kGpsGroupCount; ++g) Image().SetByte(kGpsGroupStarts + g, g == 1 ? 0 : 0xFF);
  }

  void PutStation(int group, int slot, std::uint32_t frequency) {
    const int record = 20 + slot;
    WriteU32(Image(), kBroadcastMemories + kBroadcastRecordSize * record, frequency);
    WriteText(Image(), kBroadcastMemories + kBroadcastRecordSize * record + 4, MakeFixedText<16>("Station"));
    SetBroadcastSlotRecord(Image(), group, slot, static_cast<std::uint16_t>(record));
  }
};

TEST_F(ListPageWindowTest, GpsPageShowsStampsThatAreNoDateAsNoneAndTakesTypedNames) {
  PutGpsGroupA(2);
  datCh memory = Record(RecordKind::kGps, 0);
  memory.date = {0x31, 0x02, 0x24};  // 2024-02-31
  memory.time = {0x24, 0x00, 0x00};
  memory.Commit();
  memory = Record(RecordKind::kGps, 1);
  memory.date = {0x99, 0x99, 0x99};
  memory.time = {0x99, 0x99, 0x99};
  memory.Commit();
  OpenNode("[St_ChGps]GI_Sheet_GPS_BankCH,222,GpsMemory  1");
  const int first = Sheet().Layout().FirstListRow();
  for (int row : {first, first + 1}) {
    const std::string date = Shown(CL_Gps_Date, row);  // in the locale's date order
    EXPECT_TRUE(date == "----/--/--" || date == "--/--/----") << date;
    EXPECT_EQ(Shown(CL_Gps_Time, row), "--:--:--");
  }
  EXPECT_EQ(Shown(CL_Gps_ChNo, first + 2), "New");
  Type(CellIn(CL_Gps_Name, first + 1), QStringLiteral("Summit"));
  EXPECT_EQ(Record(RecordKind::kGps, 1).name, MakeFixedText<16>("Summit"));
  EXPECT_EQ(Record(RecordKind::kGps, 0).name, memory.name) << "the other memory is untouched";
  EXPECT_EQ(Record(RecordKind::kGps, 1).date, memory.date) << "showing and naming keep the stamp";

  Type(CellIn(CL_Gps_Name, first + 2), QStringLiteral("Valley"));  // the "New" row
  EXPECT_EQ(Record(RecordKind::kGps, 2).name, MakeFixedText<16>("Valley"));
  EXPECT_EQ(Shown(CL_Gps_ChNo, first + 3), "New");
}

TEST_F(ListPageWindowTest, RadioPagesShowEachStationInItsBandOnly) {
  PutStation(1, 0, 76'500'000);
  PutStation(1, 1, 954'000);
  OpenNode("[St_Radio]GI_Sheet_Radio_Fm,  76,RadioCH  2");
  const int first = Sheet().Layout().FirstListRow();
  EXPECT_EQ(Shown(CL_Radio_Freq, first), " 76.5");
  EXPECT_EQ(Shown(CL_Radio_ChNo, first + 1), "New");
  EXPECT_EQ(Shown(CL_Radio_Freq, first + 1), "") << "the AM station is no FM entry";
  Type(CellIn(CL_Radio_Freq, first), QStringLiteral("80.05"));
  EXPECT_EQ(Record(RecordKind::kBroadcastFm, 100).frequency, 80'100'000u);

  OpenNode("[St_Radio]GI_Sheet_Radio_Am,  77,RadioCH  3");
  EXPECT_EQ(Shown(CL_Radio_Freq, first), " 954");
  Type(CellIn(CL_Radio_Name, first), QStringLiteral("Talk"));
  EXPECT_EQ(Record(RecordKind::kBroadcastAm, 150).name, MakeFixedText<16>("Talk"));
  EXPECT_EQ(Record(RecordKind::kBroadcastFm, 100).name, MakeFixedText<16>("Station"));
}

TEST_F(ListPageWindowTest, RepeaterPageEditsTheEntriesOfItsGroup) {
  SetGroupCount(Image(), 0, 1);
  SetGroupCount(Image(), 1, 2);
  OpenNode("[St_RptList]GI_Sheet_RepeaterList,164,RptCH  1");
  const int first = Sheet().Layout().FirstListRow();
  Type(CellIn(CL_Repeater_List_Name, first + 1), QStringLiteral("Hilltop"));
  EXPECT_EQ(Record(RecordKind::kRepeater, 2).name, MakeFixedText<16>("Hilltop")) << "group 2 starts at entry 1";
  Type(CellIn(CL_Repeater_List_Freq, first + 1), QStringLiteral("439.01"));
  EXPECT_EQ(Record(RecordKind::kRepeater, 2).frequency, 439'010'000u);
  EXPECT_EQ(Shown(CL_Repeater_List_Freq, first + 1), " 439.010000");
  EXPECT_NE(Record(RecordKind::kRepeater, 1).name, MakeFixedText<16>("Hilltop"));
}

// Enter on the "New" row adds the entry and opens its Type list at once; the pick lands on the
// entry the row became.
TEST_F(ListPageWindowTest, ATypePickedOnTheNewRowOfARepeaterGroupTakesTheNewEntry) {
  SetGroupCount(Image(), 0, 1);
  SetGroupCount(Image(), 1, 1);
  OpenNode("[St_RptList]GI_Sheet_RepeaterList,164,RptCH  1");
  const int row = Sheet().Layout().FirstListRow() + 1;
  Focus(row, CL_Repeater_List_Type);
  desktop::Enter();
  auto* list = Sheet().Grid().findChild<cuiFlector*>();
  ASSERT_NE(list, nullptr);
  const std::string before = Shown(CL_Repeater_List_Type, row);
  desktop::Key(Qt::Key_Down);
  const cuiGrid& entries = list->Sheet().Grid();
  const std::string picked = GetCaption(list->Sheet().Layout().GetCell(entries.Col(), entries.Row()));
  ASSERT_NE(picked, before);
  desktop::Enter();
  ASSERT_TRUE(PumpUntil([&] { return Sheet().Grid().findChild<cuiFlector*>() == nullptr; }));
  EXPECT_EQ(Shown(CL_Repeater_List_Type, row), picked);
  EXPECT_EQ(Shown(CL_Repeater_List_ChNo, row + 1), "New");
}

TEST_F(ListPageWindowTest, StationPagesTakeTypedCallSignsMessagesAndDigits) {
  SetYourCallCount(Image(), 1);
  OpenNode("[St_UrList]GI_Sheet_You_Callsign,160,UrCH");
  const int first = Sheet().Layout().FirstListRow();
  Type(CellIn(CL_You_Callsign_Code, first), QStringLiteral("ja1xyz"));
  Type(CellIn(CL_You_Callsign_Name, first), QStringLiteral("Friend"));
  EXPECT_EQ(YourCallOf(Image(), 0), MakeFixedText<8>("JA1XYZ"));
  EXPECT_EQ(YourCallNameOf(Image(), 0), MakeFixedText<16>("Friend"));

  OpenNode("GI_Sheet_My_Callsign,200");
  const int row = FirstDataRow();
  Type(CellIn(CL_My_Callsign_Code, row + 1), QStringLiteral("jh1abc"));
  EXPECT_EQ(ReadText<8>(Image(), kMyCallSigns + kMyCallSignSize), MakeFixedText<8>("JH1ABC"));
  EXPECT_EQ(Shown(CL_My_Callsign_ChNo, row + 1), "M02");

  OpenNode("GI_Sheet_Message,201");
  Type(CellIn(CL_Tx_Message_Code, FirstDataRow() + 2), QStringLiteral("QRV"));
  EXPECT_EQ(ReadText<20>(Image(), kTransmitMessages + 2 * kMessageLength), MakeFixedText<20>("QRV"));

  OpenNode("GI_Sheet_DTMF_Memory,150");
  EXPECT_EQ(Shown(CL_DTMF_ChNo, FirstDataRow()), "T-CALL");
  EXPECT_EQ(Shown(CL_DTMF_Memory_Code, FirstDataRow()), "----------------");
  Type(CellIn(CL_DTMF_Memory_Code, FirstDataRow() + 1), QStringLiteral("12*#"));
  EXPECT_EQ(Image().GetByte(kDtmfMemories + 2), 14);
  EXPECT_EQ(Image().GetByte(kDtmfMemories + 4), 0xFF);
  EXPECT_EQ(Shown(CL_DTMF_Memory_Code, FirstDataRow() + 1), "12*#");
}

TEST_F(ListPageWindowTest, ScanPagesShowEdgesAndMembers) {
  datCh edge = Record(RecordKind::kChannel, 502);  // pair 1, edge A
  edge.frequency = 118'000'000;
  edge.SetUsed(true);
  edge.Commit();
  WriteText(Image(), kScanEdgeNames + kNameLength, MakeFixedText<16>("Tower"));
  Image().SetByte(kScanLinkMembers + 2 * kScanLinkMemberSize, 0x02);  // link 2 holds pair 1
  OpenNode("GI_Sheet_ScanName,6");
  EXPECT_EQ(Shown(CL_Scan_Edge_A, FirstDataRow() + 1), "118.000000");
  Type(CellIn(CL_Scan_Name, FirstDataRow() + 1), QStringLiteral("Approach"));
  EXPECT_EQ(ReadText<16>(Image(), kScanEdgeNames + kNameLength), MakeFixedText<16>("Approach"));

  OpenNode("[St_PLink]GI_Sheet_ScanLink,53,52");
  EXPECT_EQ(Shown(CL_PgLink_No, FirstDataRow() + 1), "1");
  EXPECT_EQ(Shown(CL_Pglink_ScanName, FirstDataRow() + 1), "Approach");
  EXPECT_EQ(Shown(CL_Pglink_Edge_A, FirstDataRow() + 1), "118.000000");
}

TEST_F(ListPageWindowTest, CallRecordPagesAreShownAndNotEdited) {
  for (int s = 0; s < kReceivedCallCount; ++s) Image().SetByte(kReceivedPositionTable + s, 0xFF);
  Image().SetByte(kReceivedPositionTable + 9, 0);
  WriteText(Image(), kReceivedCalls + kReceivedCallSize * 9, MakeFixedText<8>("JA1AAA B"));
  for (int p = 0; p < kHistoryReflectorCount; ++p) Image().SetByte(kHistoryReflectorSlots + p, 0xFF);
  Image().SetByte(kHistoryReflectorSlots, 3);
  WriteText(Image(), kHistoryReflector + 3 * kCallSignLength, MakeFixedText<8>("REF001CL"));
  OpenNode("[St_ColCut]GI_Sheet_Received_Callsign,214");
  EXPECT_EQ(Shown(CL_Received_Callsign_Caller, FirstDataRow()), "JA1AAA B");
  const cmcEeprom before = Image();
  Focus(FirstDataRow(), CL_Received_Callsign_Caller);
  desktop::Key(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  desktop::Enter();
  EXPECT_FALSE(Sheet().EditorVisible());
  EXPECT_TRUE(Image().IsEqual(before));

  OpenNode("GI_Sheet_Txed_Call_Ref,213");
  EXPECT_EQ(Shown(CL_TxCall_Ref_Callsign, FirstDataRow()), "REF001CL");
}

}  // namespace
