// The list pages as a user reaches them through the tree: each shows its records, typing into
// a column lands in the record of that row, and records that hold no real date or hold
// stations of the other band do not show as such.
#include <gtest/gtest.h>

#include "PageWindowFixture.h"
#include "memory/BroadcastList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"

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

}  // namespace
