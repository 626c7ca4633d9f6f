// The sheets of the built-in tables lay out as the pages promise, in every language: their
// grid columns, heading blocks, loops and bound cells; the set-mode pages drop their regional
// rows; widths persist for the listed sheets; the cursor and line selection work on them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SheetFixture.h"
#include "sheet/SheetCursor.h"
#include "sheet/SheetSelection.h"
#include "sheet/cmcCellCapsule.h"
#include "support/FatalTrap.h"
#include "support/TableWalk.h"
#include "text/ApplicationTexts.h"
#include "text/CellIds.h"

namespace {

constexpr TableLanguage kLanguages[] = {TableLanguage::Japanese, TableLanguage::JapaneseWesternChrome,
                                        TableLanguage::English};

std::string languageName(TableLanguage language) { return "table " + std::to_string(static_cast<int>(language)); }

class TableSheets : public ::testing::Test {
 protected:
  void TearDown() override { applicationTexts().Reset(); }

  static void Select(TableLanguage language) {
    applicationTexts().Reset();
    applicationTexts().SelectLineTable(lineTable(language));
  }

  std::unique_ptr<cmcSheetLayout> Built(const std::string& name, cmcSheetDisplayStore* display = nullptr) {
    auto sheet = std::make_unique<cmcSheetLayout>(SheetEnvironment{applicationTexts(), measure_, display});
    sheet->SetName(name);
    sheet->Build();
    return sheet;
  }

  FixedPitchMeasure measure_;
};

// The identifiers bound in one row from column `from` on, in column order.
std::vector<std::string> boundNames(const cmcSheetLayout& sheet, int row, int from = 0) {
  std::vector<std::string> names;
  for (int column = from; column < sheet.ColumnCount(); ++column) {
    const cmcCellObj& cell = sheet.GetCell(column, row);
    if (cell.cellId != kCellIdNone) names.emplace_back(CellIdName(cell.cellId));
  }
  return names;
}

TEST_F(TableSheets, EverySheetOfEveryTableBuilds) {
  FatalTrap trap;
  for (TableLanguage language : kLanguages) {
    Select(language);
    int sheets = 0;
    for (const std::string& key : keysOf(lineTable(language))) {
      const std::string suffix = "_Style";
      if (key.rfind("GI_Sheet_", 0) != 0 || key.size() <= suffix.size() ||
          key.compare(key.size() - suffix.size(), suffix.size(), suffix) != 0)
        continue;
      const std::string sheetKey = key.substr(0, key.size() - suffix.size());
      SCOPED_TRACE(sheetKey + " in " + languageName(language));
      try {
        const auto sheet = Built(sheetKey);
        EXPECT_GT(sheet->ColumnCount(), 0);
        EXPECT_GT(sheet->RowCount(), sheet->FixedRowCount());
        EXPECT_GT(sheet->ColumnCount(), sheet->FixedColumnCount());
        if (!sheet->Style().noPrint) {  // information pages have nothing to edit
          EXPECT_NE(FirstSelectableCell(sheet->Cells()), CellPosition{}) << "no cell to put the cursor on";
        }
      } catch (const FatalError& e) {
        ADD_FAILURE() << e.what();
      }
      ++sheets;
    }
    EXPECT_GT(sheets, 100);  // the pages and every selection list
  }
}

struct DataSheetCase {
  const char* sheet;
  int fixedRows;
  int dataRows;            // rows below the heading block
  int32_t firstIndex;      // of the first data row's data cells
  int32_t lastIndex;       // of the last row's first data cell
  bool numberColumnBound;  // the number column's cell is bound
  std::vector<std::string> columns;
};

const std::vector<std::string> kChannelColumns = {
    "CL_Mch_Freq",        "CL_Mch_Dup",          "CL_Mch_Offset_Freq",   "CL_Mch_TS_Pitch",       "CL_Mch_Mode",
    "CL_Mch_Name",        "CL_Mch_Scan_Skip",    "CL_Mch_Decode",        "CL_Mch_TONE_Freq",      "CL_Mch_TSQL_Freq",
    "CL_Mch_DTCS",        "CL_Mch_DTCS_Polarity", "CL_Mch_Digital_Sql",  "CL_Mch_Digital_Code",   "CL_Mch_DYou_Callsign",
    "CL_Mch_DRpt1_Callsign", "CL_Mch_DRpt2_Callsign"};

std::vector<std::string> join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<std::string> without(std::vector<std::string> a, const std::string& name) {
  std::erase(a, name);
  return a;
}

const std::vector<std::string> kBank = {"CL_Mch_Bank_Group", "CL_Mch_Bank_ChNo"};

const DataSheetCase kDataSheets[] = {
    {"GI_Sheet_MemoryCH", 5, 100, 0, 99, true, join(join({"CL_Misc_ChNo_0Base"}, kChannelColumns), kBank)},
    {"GI_Sheet_ScanEdge", 5, 50, 500, 549, true, join(join({"CL_Misc_ChNo_Edge"}, kChannelColumns), kBank)},
    {"GI_Sheet_CallCh", 5, 4, 550, 553, false, without(kChannelColumns, "CL_Mch_Scan_Skip")},
    {"GI_Sheet_BankCH", 5, 100, 0, 99, true, join({"CL_Misc_ChNo_0Base", "CL_Mch_Select_ChNo"}, kChannelColumns)},
    {"GI_Sheet_ScanName", 3, 25, 0, 24, true,
     {"CL_Misc_ChNo_0Base", "CL_Scan_Name", "CL_Misc_ChInfo_No", "CL_Scan_Edge_A", "CL_Scan_Edge_B"}},
    {"GI_Sheet_ScanLink_Name", 3, 10, 0, 9, true, {"CL_Misc_ChNo_0Base", "CL_PgLink_Name"}},
    {"GI_Sheet_ScanLink", 3, 26, 0, 25, false,  // the "Add" row, then 25 numbered rows
     {"CL_PgLink_No", "CL_Pglink_ScanName", "CL_Pglink_Edge_A", "CL_Pglink_Edge_B"}},
    {"GI_Sheet_BankName", 3, 26, 0, 25, true, {"CL_Misc_BankNm", "CL_Bank_Name"}},
    {"GI_Sheet_Radio_Fm", 3, 1, 0, 0, true, {"CL_Radio_ChNo", "CL_Radio_Name", "CL_Radio_Freq", "CL_Radio_Skip"}},
    {"GI_Sheet_Radio_Am", 3, 1, 0, 0, true, {"CL_Radio_ChNo", "CL_Radio_Name", "CL_Radio_Freq", "CL_Radio_Skip"}},
    {"GI_Sheet_Radio_BankName", 3, 26, 0, 25, true, {"CL_Misc_BankNm", "CL_Radio_Bank_Name"}},
    {"GI_Sheet_GPS_BankCH", 3, 1, 0, 0, true,
     {"CL_Gps_ChNo", "CL_Gps_Name", "CL_Gps_Date", "CL_Gps_Time", "CL_Gps_Latitude", "CL_Gps_Longitude",
      "CL_Gps_Altitude", "CL_Gps_Alarm"}},
    {"GI_Sheet_GPS_BankName", 3, 26, 0, 25, true, {"CL_Misc_BankNm", "CL_Gps_Bank_Name"}},
    {"GI_Sheet_DTMF_Memory", 3, 17, 0, 16, true, {"CL_DTMF_ChNo", "CL_Common_DTMF_CH_NO", "CL_DTMF_Memory_Code"}},
    {"GI_Sheet_Message", 3, 5, 0, 4, true, {"CL_Tx_Message_ChNo", "CL_Tx_Message_Ch_No", "CL_Tx_Message_Code"}},
    {"GI_Sheet_My_Callsign", 3, 6, 0, 5, true,
     {"CL_My_Callsign_ChNo", "CL_My_Callsign_Sel", "CL_My_Callsign_Code", "CL_My_Callsign2_Code"}},
    {"GI_Sheet_You_Callsign", 3, 1, 0, 0, true, {"CL_You_Callsign_ChNo", "CL_You_Callsign_Name", "CL_You_Callsign_Code"}},
    {"GI_Sheet_GroupName", 3, 30, 0, 29, true, {"CL_Misc_GroupNm", "CL_Group_Name"}},
    {"GI_Sheet_RepeaterList", 5, 1, 0, 0, true,
     {"CL_Repeater_List_ChNo", "CL_Repeater_List_Type", "CL_Repeater_List_Name", "CL_Repeater_List_SubName",
      "CL_Repeater_List_R_Callsign_Code", "CL_Repeater_List_G_Callsign_Code", "CL_Repeater_List_Freq",
      "CL_Repeater_List_Dup", "CL_Repeater_List_Offset_Freq", "CL_Repeater_List_Mode", "CL_Repeater_List_Tone",
      "CL_Repeater_List_Tone_Freq", "CL_Repeater_List_Rpt1use", "CL_Repeater_List_Position",
      "CL_Repeater_List_Latitude", "CL_Repeater_List_Longitude", "CL_Repeater_List_UtcOffset"}},
    {"GI_Sheet_Received_Callsign", 7, 50, 0, 49, true,
     {"CL_Misc_ChNo_1Base",
      "CL_Received_Callsign_Caller",      "CL_Received_Callsign_Caller2",    "CL_Received_Callsign_Called",
      "CL_Received_Callsign_RPT1",        "CL_Received_Callsign_RPT2",       "CL_Received_Callsign_Message",
      "CL_Received_Callsign_Status",      "CL_Received_Callsign_Date",       "CL_Received_Callsign_BK",
      "CL_Received_Callsign_EMR",         "CL_Received_Callsign_Latitude",   "CL_Received_Callsign_Longitude",
      "CL_Received_Callsign_Altitude",    "CL_Received_Callsign_SSID",       "CL_Received_Callsign_Symbol",
      "CL_Received_Callsign_Course",      "CL_Received_Callsign_Speed",      "CL_Received_Callsign_Power",
      "CL_Received_Callsign_Height",      "CL_Received_Callsign_Gain",       "CL_Received_Callsign_Directivity",
      "CL_Received_Callsign_ObjItemName", "CL_Received_Callsign_DataType",   "CL_Received_Callsign_Temp",
      "CL_Received_Callsign_Rain",        "CL_Received_Callsign_Rain24",     "CL_Received_Callsign_RainMidnight",
      "CL_Received_Callsign_WindDir",     "CL_Received_Callsign_WindSpeed",  "CL_Received_Callsign_GustSpeed",
      "CL_Received_Callsign_Barometric",  "CL_Received_Callsign_Humidity",   "CL_Received_Callsign_GpsTimestamp",
      "CL_Received_Callsign_GpsMsg"}},
    {"GI_Sheet_Txed_Call_From", 3, 10, 0, 9, true,
     {"CL_Misc_ChNo_1Base", "CL_TxCall_From_Callsign", "CL_TxCall_From_Name", "CL_TxCall_From_Freq",
      "CL_TxCall_From_Dup", "CL_TxCall_From_Offset"}},
    {"GI_Sheet_Txed_Call_FAnalog", 3, 10, 0, 9, true,
     {"CL_Misc_ChNo_1Base", "CL_TxCall_FAnalog_Callsign", "CL_TxCall_FAnalog_Name", "CL_TxCall_FAnalog_Freq",
      "CL_TxCall_FAnalog_Dup", "CL_TxCall_FAnalog_Offset"}},
    {"GI_Sheet_Txed_Call_To", 3, 20, 0, 19, true, {"CL_Misc_ChNo_1Base", "CL_TxCall_To_Callsign", "CL_TxCall_To_Name"}},
    {"GI_Sheet_Txed_Call_Ref", 3, 5, 0, 4, true, {"CL_Misc_ChNo_1Base", "CL_TxCall_Ref_Callsign"}},
};

// Column 0 is a 1-pixel column, column 1 the number column, column 2 a 1-pixel separator.
constexpr int kFirstDataColumn = 3;

TEST_F(TableSheets, DataSheetsHaveTheColumnsRowsAndCellsOfTheCatalogue) {
  for (TableLanguage language : kLanguages) {
    Select(language);
    for (const DataSheetCase& c : kDataSheets) {
      SCOPED_TRACE(std::string(c.sheet) + " in " + languageName(language));
      const auto sheet = Built(c.sheet);
      const int dataColumns = static_cast<int>(c.columns.size()) - (c.numberColumnBound ? 1 : 0);
      EXPECT_EQ(sheet->ColumnCount(), kFirstDataColumn + dataColumns);
      EXPECT_EQ(sheet->FixedColumnCount(), 3);
      EXPECT_EQ(sheet->FixedRowCount(), c.fixedRows);
      EXPECT_EQ(sheet->RowCount(), c.fixedRows + c.dataRows);

      const int first = sheet->FirstDataRow();
      const int last = sheet->RowCount() - 1;
      EXPECT_EQ(first, c.fixedRows);
      EXPECT_EQ(boundNames(*sheet, first), c.columns);
      EXPECT_EQ(boundNames(*sheet, last, kFirstDataColumn), boundNames(*sheet, first, kFirstDataColumn));
      EXPECT_EQ(sheet->GetCell(kFirstDataColumn, first).index, c.firstIndex);
      EXPECT_EQ(sheet->GetCell(kFirstDataColumn, last).index, c.lastIndex);
      EXPECT_EQ(FirstSelectableCell(sheet->Cells()), (CellPosition{kFirstDataColumn, first}));
      for (int column = 0; column < kFirstDataColumn; ++column)
        EXPECT_FALSE(sheet->ColumnKeepsWidth(column)) << column;
      EXPECT_TRUE(sheet->ColumnKeepsWidth(kFirstDataColumn));
    }
  }
}

// A set-mode page for a destination that allows no regional rows.
class RegionlessSheet final : public cmcSheetLayout {
 public:
  using cmcSheetLayout::cmcSheetLayout;

 protected:
  bool AllowsRegionalLines(std::string_view) const override { return false; }
};

TEST_F(TableSheets, SetModePagesDropTheirRegionalRowsWithoutGaps) {
  struct Case {
    const char* sheet;
    int skippedLines;
    std::vector<std::string> regional;
  };
  const Case cases[] = {
      {"GI_Sheet_Common", 2, {"CL_Common_AutoRepeater"}},
      {"GI_Sheet_AB_Band", 7, {"CL_Common_Wx_Alert", "CL_Common_Wx_Ch"}},
  };
  for (TableLanguage language : kLanguages) {
    Select(language);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.sheet) + " in " + languageName(language));
      const auto full = Built(c.sheet);
      RegionlessSheet reduced({applicationTexts(), measure_, nullptr});
      reduced.SetName(c.sheet);
      reduced.Build();
      EXPECT_EQ(reduced.RowCount(), full->RowCount() - c.skippedLines);
      std::vector<std::string> kept;
      std::vector<std::string> all;
      for (int row = 0; row < reduced.RowCount(); ++row) {
        const auto names = boundNames(reduced, row);
        kept.insert(kept.end(), names.begin(), names.end());
      }
      for (int row = 0; row < full->RowCount(); ++row) {
        for (std::string& name : boundNames(*full, row)) {
          if (std::find(c.regional.begin(), c.regional.end(), name) == c.regional.end()) all.push_back(name);
        }
      }
      EXPECT_EQ(kept, all);
    }
  }
}

TEST_F(TableSheets, ListedSheetsKeepTheWidthsOfTheirDataColumns) {
  Select(TableLanguage::English);
  TestSettings settings;
  cmcSheetDisplayStore display(settings.environ, kSettingsKey, applicationTexts());
  EXPECT_EQ(display.RegistryName("GI_Sheet_Txed_Call_FAnalog"), "txcallfrom");
  EXPECT_EQ(display.RegistryName("GI_Sheet_TopPage"), std::nullopt);

  const auto sheet = Built("[St_ColCut]GI_Sheet_MemoryCH,1,100", &display);
  for (int column = 0; column < sheet->ColumnCount(); ++column) {
    const auto stored = settings.user.ReadInteger(settings.WidthKey("memory"), std::to_string(column));
    if (column < kFirstDataColumn) {
      EXPECT_EQ(stored, std::nullopt) << column;
    } else {
      EXPECT_EQ(stored, sheet->ColumnWidth(column)) << column;
    }
  }
  // The scan edges share the memory channels' widths.
  settings.user.WriteInteger(settings.WidthKey("memory"), "8", 123);
  EXPECT_EQ(Built("[St_ColCut]GI_Sheet_ScanEdge,5", &display)->ColumnWidth(8), 123);
}

TEST_F(TableSheets, TheCursorWalksTheMemoryChannelSheet) {
  Select(TableLanguage::English);
  const auto sheet = Built("GI_Sheet_MemoryCH");
  const CursorFrame frame{sheet->FixedColumnCount(), sheet->FixedRowCount(), sheet->FirstSelectableColumn(),
                          sheet->FirstSelectableRow(), false};
  const int lastColumn = sheet->ColumnCount() - 1;
  struct Case {
    const char* name;
    CellPosition from;
    int dx, dy;
    CellPosition expected;
  };
  const Case cases[] = {
      {"left of the first data column", {3, 5}, -1, 0, {3, 5}},
      {"right of the last column", {lastColumn, 5}, 1, 0, {lastColumn, 5}},
      {"up into the heading", {3, 5}, 0, -1, {3, 5}},
      {"down", {3, 5}, 0, 1, {3, 6}},
      {"page down", {3, 5}, 0, 10, {3, 15}},
      {"page down at the end", {3, 100}, 0, 10, {3, 104}},
      {"right", {3, 5}, 1, 0, {4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CellPosition remembered;
    const CursorMove move = FindCursorMove(sheet->Cells(), frame, c.from, remembered, c.dx, c.dy);
    EXPECT_EQ(move.cell, c.expected) << move.cell.column << "," << move.cell.row;
  }
}

TEST_F(TableSheets, TheCursorSkipsLabelsAndSpacersOfASetModePage) {
  Select(TableLanguage::English);
  const auto sheet = Built("GI_Sheet_Common");
  const CursorFrame frame{sheet->FixedColumnCount(), sheet->FixedRowCount(), sheet->FirstSelectableColumn(),
                          sheet->FirstSelectableRow(), false};
  CellPosition at = FirstSelectableCell(sheet->Cells());
  EXPECT_EQ(sheet->GetCell(at.column, at.row).cellId, CL_Common_AutoPowerOFF);
  CellPosition remembered;
  for (const unsigned expected : {CL_Common_PowerSave, CL_Common_Monitor, CL_Common_DialSpeedUP,
                                  CL_Common_AutoRepeater, CL_Common_KeyLock}) {
    const CursorMove move = FindCursorMove(sheet->Cells(), frame, at, remembered, 0, 1);
    EXPECT_EQ(move.cell.column, at.column);
    at = move.cell;
    EXPECT_EQ(sheet->GetCell(at.column, at.row).cellId, expected);
  }
  // No selectable cell to the left or right of a value cell.
  EXPECT_FALSE(FindCursorMove(sheet->Cells(), frame, at, remembered, 1, 0).moved);
  EXPECT_FALSE(FindCursorMove(sheet->Cells(), frame, at, remembered, -1, 0).moved);
}

TEST_F(TableSheets, ExtendingOverThreeChannelsHighlightsTheirLines) {
  Select(TableLanguage::English);
  const auto sheet = Built("GI_Sheet_MemoryCH");
  SelectionState state;
  const SelectionFrame frame{sheet->Style().multiSelect, sheet->FixedColumnCount()};
  UpdateSelection(sheet->Cells(), state, frame, {5, 10}, {5, 10}, false);
  UpdateSelection(sheet->Cells(), state, frame, {5, 10}, {5, 11}, true);
  UpdateSelection(sheet->Cells(), state, frame, {5, 11}, {5, 12}, true);
  for (int row = 0; row < sheet->RowCount(); ++row) {
    for (int column = 0; column < sheet->ColumnCount(); ++column) {
      const bool expected = row >= 10 && row <= 12 && column >= kFirstDataColumn;
      EXPECT_EQ(sheet->Cells().Entry(column, row).MarkedSelected(), expected) << column << "," << row;
    }
  }
  cmcCellCapsule request;
  FillRequestRange(request, sheet->Cells(), state, sheet->FixedColumnCount(), 12);
  EXPECT_EQ(request.rangeLow, 5);
  EXPECT_EQ(request.rangeHigh, 7);
}

}  // namespace
