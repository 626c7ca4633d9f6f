// The pages of this radio as their type tags make them: channel blocks and scan links count
// from their block's first record, banks and groups are titled by their names with the free
// entries, column groups hide and come back, list pages are as long as their list plus a
// new-entry row and grow and shrink in place, the set-mode pages keep the rows of the
// destination only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "SheetFixture.h"
#include "memory/BroadcastList.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "sheet/layout/SheetCursor.h"
#include "sheet/layout/SheetStyle.h"
#include "text/CellIds.h"
#include "text/FormattedText.h"

namespace {

using namespace MemoryMap;

constexpr int kDestination = 2;

class ModelSheetTest : public ::testing::Test {
 protected:
  std::unique_ptr<SheetLayout> Built(const std::string& name, bool printing = false) {
    auto sheet = std::make_unique<SheetLayout>(SheetEnvironment{document_.texts, measure_, nullptr, &document_});
    sheet->SetName(name);
    if (printing) sheet->SetPrinting(1.0, true);
    sheet->Build();
    return sheet;
  }

  void WriteName(Address first, int position, const std::string& name) {
    std::string field = name;
    field.resize(kNameLength, ' ');
    document_.image.WriteBlock(first + kNameLength * position, reinterpret_cast<const std::uint8_t*>(field.data()),
                               kNameLength);
  }

  void UseChannel(int index) { requests_.Commit(CT_Conv, CL_Mch_Freq, index, "145.5"); }

  TestDocument document_{kDestination};
  CellRequests requests_{document_};
  FixedPitchMeasure measure_;
};

// The indices of a cell identifier's cells, top to bottom.
std::vector<int32_t> IndicesOf(const SheetLayout& sheet, unsigned cellId) {
  std::vector<int32_t> indices;
  for (int row = 0; row < sheet.RowCount(); ++row) {
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
      if (sheet.GetCell(column, row).cellId == cellId) indices.push_back(sheet.GetCell(column, row).index);
    }
  }
  return indices;
}

int BroadcastInUse(const cmcEeprom& image) {
  int used = 0;
  for (int bank = 0; bank < kBroadcastGroupCount; ++bank) {
    for (int slot = 0; slot < kBroadcastGroupSlots; ++slot) used += BroadcastSlotRecord(image, bank, slot) >= 0 ? 1 : 0;
  }
  return used;
}

int ColumnOf(const SheetLayout& sheet, unsigned cellId) {
  const int row = sheet.RowCount() - 1;
  for (int column = 0; column < sheet.ColumnCount(); ++column) {
    if (sheet.GetCell(column, row).cellId == cellId) return column;
  }
  return -1;
}

struct BlockCase {
  const char* name;
  unsigned cellId;
  int32_t first;
  int32_t last;
};

TEST_F(ModelSheetTest, ChannelBlocksAndScanLinksCountFromTheirBlocksFirstRecord) {
  const BlockCase cases[] = {
      {"[St_ColCut]GI_Sheet_MemoryCH,0,0", CL_Mch_Freq, 0, 99},
      {"[St_ColCut]GI_Sheet_MemoryCH,4,400", CL_Mch_Freq, 400, 499},
      {"[St_ColCut]GI_Sheet_MemoryCH,4,400", CL_Misc_ChNo_0Base, 400, 499},
      {"[St_PLink]GI_Sheet_ScanLink,52,26", CL_PgLink_No, 26, 51},
      {"[St_PLink]GI_Sheet_ScanLink,60,234", CL_Misc_ChNo_PLink, 235, 259},
      {"[St_CCBank]GI_Sheet_BankCH,23", CL_Mch_Freq, 0, 99},  // bank slots
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto sheet = Built(c.name);
    const std::vector<int32_t> indices = IndicesOf(*sheet, c.cellId);
    ASSERT_FALSE(indices.empty());
    EXPECT_EQ(indices.front(), c.first);
    EXPECT_EQ(indices.back(), c.last);
  }
}

TEST_F(ModelSheetTest, AHiddenColumnGroupHasNoWidthNoCursorAndLeavesItsBorderToTheLeft) {
  const std::string name = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
  const unsigned toneColumns[] = {CL_Mch_Decode, CL_Mch_TONE_Freq, CL_Mch_TSQL_Freq, CL_Mch_DTCS, CL_Mch_DTCS_Polarity};
  const auto shown = Built(name);
  const int firstTone = ColumnOf(*shown, CL_Mch_Decode);
  const int lastTone = ColumnOf(*shown, CL_Mch_DTCS_Polarity);
  const int dataRow = shown->RowCount() - 1;
  const RightBorder groupBorder = shown->GetCell(lastTone, dataRow).RightBorderKind();

  document_.columnCutMask = 127 & ~1;
  const auto cut = Built(name);
  for (const unsigned cellId : toneColumns) {
    const int column = ColumnOf(*cut, cellId);
    EXPECT_EQ(cut->ColumnWidth(column), 0) << CellIdName(cellId);
    EXPECT_FALSE(cut->Cells().IsSelectable(column, dataRow)) << CellIdName(cellId);
  }
  EXPECT_GT(cut->ColumnWidth(ColumnOf(*cut, CL_Mch_Digital_Sql)), 0) << "other groups stay";
  EXPECT_EQ(cut->GetCell(firstTone - 1, dataRow).RightBorderKind(), groupBorder);

  CellPosition remembered;
  const CursorFrame frame{cut->FixedColumnCount(), cut->FixedRowCount(), cut->FirstSelectableColumn(),
                          cut->FirstSelectableRow()};
  const CursorMove step = FindCursorMove(cut->Cells(), frame, {firstTone - 1, dataRow}, remembered, 1, 0);
  EXPECT_EQ(step.cell.column, lastTone + 1) << "the cursor skips the group";

  document_.columnCutMask = 127;
  const auto again = Built(name);
  for (const unsigned cellId : toneColumns) EXPECT_GT(again->ColumnWidth(ColumnOf(*again, cellId)), 0);
}

TEST_F(ModelSheetTest, PositionColumnsOfReceivedCallsGoOnlyWithAllFourStationGroups) {
  const std::string name = "[St_ColCut]GI_Sheet_Received_Callsign,214";
  struct Case {
    std::int32_t mask;
    bool positionCut;
    bool weatherCut;
  };
  const Case cases[] = {
      {127, false, false},
      {127 & ~0x78, true, true},
      {127 & ~0x38, false, false},  // weather shown keeps the position
      {127 & ~0x40, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    document_.columnCutMask = c.mask;
    const auto sheet = Built(name);
    EXPECT_EQ(sheet->ColumnWidth(ColumnOf(*sheet, CL_Received_Callsign_Latitude)) == 0, c.positionCut);
    EXPECT_EQ(sheet->ColumnWidth(ColumnOf(*sheet, CL_Received_Callsign_Temp)) == 0, c.weatherCut);
  }
}

TEST_F(ModelSheetTest, TitlesNameTheBankLinkOrGroupAndCountTheFreeEntries) {
  WriteName(kBankNames, 2, "Airband");
  WriteName(kScanLinkNames, 3, "Marine");
  WriteName(kRepeaterGroupNames, 3, "Hamburg");
  WriteName(kBroadcastGroupNames, 2, "News");
  WriteName(kGpsGroupNames, 0, "Summits");
  UseChannel(7);
  SetGroupCount(document_.image, 0, 5);
  SetYourCallCount(document_.image, 3);
  const int freeChannels = CountFreeChannels(document_.image);
  const int repeatersFree = kRepeaterCount - RepeaterCount(document_.image);
  const std::string remain = FormattedText("(Remain %3d)", repeatersFree);
  struct Case {
    const char* name;
    std::string title;
    std::string status;
  };
  const Case cases[] = {
      {"[St_CCBank]GI_Sheet_BankCH,23", " C: Airband         ",
       " C: Airband               " + FormattedText("(Remain %3d CH)", freeChannels)},
      {"[St_PLink]GI_Sheet_ScanLink,54,78", " 3: Marine          ", " 3: Marine          "},
      {"[St_RptList]GI_Sheet_RepeaterList,166,RptCH  3", " 04: Hamburg         ",
       " 04: Hamburg               " + remain},
      {"[St_UrList]GI_Sheet_You_Callsign,160,UrCH", " Your Call Sign", " Your Call Sign      (Remain 197)"},
      {"[St_Radio]GI_Sheet_Radio_Fm,  79,RadioCH  4", " C: News            ",
       " C: News                  (Remain 50 CH / Total remain " +
           FormattedText("%3d", kBroadcastMemoryCount - BroadcastInUse(document_.image)) + " CH)"},
      {"[St_ChGps]GI_Sheet_GPS_BankCH,222,GpsMemory  1", " A: Summits         ",
       " A: Summits               < Alarm : OFF >      (Remain 200)"},
      {"[St_ColCut]GI_Sheet_MemoryCH,0,0", "", ""},  // the style's title
      {"[St_CCBank]GI_Sheet_BankCH,99", "", ""},     // outside the banks: no bank, no status
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto sheet = Built(c.name);
    EXPECT_EQ(sheet->Title(), c.title.empty() ? sheet->Style().titleString : c.title);
    EXPECT_FALSE(sheet->Title().empty());
    EXPECT_EQ(sheet->StatusText(), c.status.empty() ? sheet->Title() : c.status);
  }
}

TEST_F(ModelSheetTest, TheGpsStatusNamesTheAlarm) {
  struct Case {
    std::uint8_t type, group, position;
    const char* alarm;
  };
  const Case cases[] = {
      {0, 0, 0, "OFF"},           {1, 0, 0, "RX"},      {2, 0, 0, "All Memories"},
      {2, 1, 0, "(No Group)"},    {2, 4, 0, "Group C"}, {3, 0, 7, "(No Group)  No.7"},
      {3, 2, 5, "Group B  No.5"}, {9, 0, 0, "OFF"},     {2, 200, 0, "OFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.alarm);
    document_.image.SetByte(kGpsAlarmType, c.type);
    document_.image.SetByte(kGpsAlarmGroup, c.group);
    document_.image.SetByte(kGpsAlarmPosition, c.position);
    const auto sheet = Built("[St_ChGps]GI_Sheet_GPS_BankCH,221,GpsMemory  0");
    EXPECT_NE(sheet->StatusText().find(std::string("< Alarm : ") + c.alarm + " >"), std::string::npos)
        << sheet->StatusText();
    EXPECT_EQ(sheet->StatusText().rfind(" (No Group)", 0), 0u);
  }
}

TEST_F(ModelSheetTest, AListPageShowsItsEntriesAndANewEntryRowAndGrowsInPlace) {
  SetGroupCount(document_.image, 0, 2);
  SetGroupCount(document_.image, 1, 1);
  SetGroupCount(document_.image, 2, 3);
  const auto sheet = Built("[St_RptList]GI_Sheet_RepeaterList,165,RptCH  2");
  const int first = sheet->FirstListRow();
  ASSERT_GT(first, 0);
  EXPECT_EQ(sheet->RowCount(), first + 3 + 1);
  EXPECT_EQ(sheet->NewEntryRow(), first + 3);
  EXPECT_EQ(IndicesOf(*sheet, CL_Repeater_List_Type), (std::vector<int32_t>{3, 4, 5, 6}));
  EXPECT_TRUE(sheet->RowAttributes().SelectRegion(first + 2));
  EXPECT_FALSE(sheet->RowAttributes().SelectRegion(first + 3)) << "the new-entry row joins no selection";

  // A pop-up opened on the new-entry row keeps its cell while the row becomes an entry.
  const cmcCellObj* newEntryCell = &sheet->GetCell(0, first + 3);
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(sheet->AddListRow());
  ASSERT_TRUE(sheet->RemoveListRow());
  EXPECT_EQ(&sheet->GetCell(0, first + 3), newEntryCell) << "rows added and removed after it move no cell";
  EXPECT_EQ(sheet->RowCount(), first + 5);
  EXPECT_EQ(sheet->Model().List()->count, 4);
  EXPECT_EQ(IndicesOf(*sheet, CL_Repeater_List_Type).back(), 7);
  EXPECT_TRUE(sheet->RowAttributes().SelectRegion(first + 3));
  EXPECT_FALSE(sheet->RowAttributes().SelectRegion(first + 4));
  EXPECT_EQ(sheet->RowHeight(first + 4), sheet->RowHeight(first + 3));

  for (int i = 0; i < 4; ++i) ASSERT_TRUE(sheet->RemoveListRow());
  EXPECT_FALSE(sheet->RemoveListRow()) << "an empty list keeps its new-entry row";
  EXPECT_EQ(sheet->RowCount(), first + 1);
  EXPECT_EQ(IndicesOf(*sheet, CL_Repeater_List_Type), (std::vector<int32_t>{3}));
}

TEST_F(ModelSheetTest, ListPagesStartAtTheirListsFirstIndex) {
  struct Case {
    const char* name;
    unsigned cellId;
    int32_t first;
  };
  const Case cases[] = {
      {"[St_Radio]GI_Sheet_Radio_Fm,  79,RadioCH  4", CL_Radio_Name, 200},
      {"[St_Radio]GI_Sheet_Radio_Am,  80,RadioCH  5", CL_Radio_Name, 250},
      {"[St_UrList]GI_Sheet_You_Callsign,160,UrCH", CL_You_Callsign_Name, 0},
      {"[St_RptList]GI_Sheet_RepeaterList,192,RptCH 29", CL_Repeater_List_Name, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto sheet = Built(c.name);
    EXPECT_EQ(IndicesOf(*sheet, c.cellId).front(), c.first);
  }
}

TEST_F(ModelSheetTest, AnOversizedListShowsEveryEntry) {
  document_.image.SetByte(kYourCallCountAddress, 255);  // a damaged count
  const int count = YourCallCount(document_.image);
  const auto sheet = Built("[St_UrList]GI_Sheet_You_Callsign,160,UrCH");
  EXPECT_EQ(sheet->RowCount(), sheet->FirstListRow() + count + 1);
}

TEST_F(ModelSheetTest, PrintedListsHaveNoNewEntryRowAndEmptyPagesDoNotPrint) {
  SetGroupCount(document_.image, 0, 2);
  const auto printed = Built("[St_RptList]GI_Sheet_RepeaterList,163,RptCH  0", true);
  EXPECT_EQ(printed->RowCount(), printed->FirstListRow() + 2);
  EXPECT_EQ(printed->NewEntryRow(), -1);
  EXPECT_TRUE(printed->Model().IsPrintable(printed->Style()));
  EXPECT_FALSE(Built("[St_RptList]GI_Sheet_RepeaterList,164,RptCH  1")->Model().IsPrintable(SheetStyle{}));

  const std::string block1 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
  EXPECT_FALSE(Built(block1)->Model().IsPrintable(SheetStyle{}));
  UseChannel(150);
  const auto used = Built(block1);
  EXPECT_TRUE(used->Model().IsPrintable(SheetStyle{}));
  EXPECT_FALSE(used->Model().IsInPrintAll(SheetStyle{}, PrintAllChoices{false, true}));
  EXPECT_FALSE(Built("[St_ColCut]GI_Sheet_MemoryCH,2,200")->Model().IsPrintable(SheetStyle{}));
}

TEST_F(ModelSheetTest, SetModePagesKeepTheRowsOfTheirDestination) {
  struct Case {
    const char* name;
    int keeps;  // a destination whose rows are kept
    int drops;  // one whose rows are dropped
  };
  const Case cases[] = {
      {"[St_Common]GI_Sheet_Common,250", 5, 2},
      {"[St_Common]GI_Sheet_AB_Band,251", 1, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    document_.settings.destinationCode = c.keeps;
    const int kept = Built(c.name)->RowCount();
    document_.settings.destinationCode = c.drops;
    const int dropped = Built(c.name)->RowCount();
    EXPECT_GT(kept, dropped);
  }
}

}  // namespace
