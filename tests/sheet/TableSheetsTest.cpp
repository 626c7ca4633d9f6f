// The sheets of the built-in tables lay out as the pages promise, in every language: their
// grid columns, heading blocks, loops and bound cells; the set-mode pages drop their regional
// rows; widths persist for the listed sheets; the cursor and line selection work on them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SheetFixture.h"
#include "sheet/layout/SheetCursor.h"
#include "sheet/layout/SheetSelection.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "support/CatalogueColumns.h"
#include "support/FatalTrap.h"
#include "support/TableWalk.h"
#include "text/ApplicationTexts.h"
#include "text/CellIds.h"

namespace {

constexpr TableLanguage kLanguages[] = {TableLanguage::Japanese, TableLanguage::JapaneseWesternChrome,
                                        TableLanguage::English};

std::string LanguageName(TableLanguage language) { return "table " + std::to_string(static_cast<int>(language)); }

class TableSheets : public ::testing::Test {
 protected:
  void TearDown() override { ApplicationTexts().Reset(); }

  static void Select(TableLanguage language) {
    ApplicationTexts().Reset();
    ApplicationTexts().SelectLineTable(LineTableOf(language));
  }

  std::unique_ptr<SheetLayout> Built(const std::string& name, SheetDisplayStore* display = nullptr) {
    auto sheet = std::make_unique<SheetLayout>(SheetEnvironment{ApplicationTexts(), measure_, display});
    sheet->SetName(name);
    sheet->Build();
    return sheet;
  }

  FixedPitchMeasure measure_;
};

// The identifiers bound in one row from column `from` on, in column order.
std::vector<std::string> BoundNames(const SheetLayout& sheet, int row, int from = 0) {
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
    for (const std::string& key : KeysOf(LineTableOf(language))) {
      const std::string suffix = "_Style";
      if (key.rfind("GI_Sheet_", 0) != 0 || key.size() <= suffix.size() ||
          key.compare(key.size() - suffix.size(), suffix.size(), suffix) != 0)
        continue;
      const std::string sheetKey = key.substr(0, key.size() - suffix.size());
      SCOPED_TRACE(sheetKey + " in " + LanguageName(language));
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
};

const DataSheetCase kDataSheets[] = {
    {"GI_Sheet_MemoryCH", 5, 100, 0, 99, true},
    {"GI_Sheet_ScanEdge", 5, 50, 500, 549, true},
    {"GI_Sheet_CallCh", 5, 4, 550, 553, false},
    {"GI_Sheet_BankCH", 5, 100, 0, 99, true},
    {"GI_Sheet_ScanName", 3, 25, 0, 24, true},
    {"GI_Sheet_ScanLink_Name", 3, 10, 0, 9, true},
    {"GI_Sheet_ScanLink", 3, 26, 0, 25, false},  // the "Add" row, then 25 numbered rows
    {"GI_Sheet_BankName", 3, 26, 0, 25, true},
    {"GI_Sheet_Radio_Fm", 3, 1, 0, 0, true},
    {"GI_Sheet_Radio_Am", 3, 1, 0, 0, true},
    {"GI_Sheet_Radio_BankName", 3, 26, 0, 25, true},
    {"GI_Sheet_GPS_BankCH", 3, 1, 0, 0, true},
    {"GI_Sheet_GPS_BankName", 3, 26, 0, 25, true},
    {"GI_Sheet_DTMF_Memory", 3, 17, 0, 16, true},
    {"GI_Sheet_Message", 3, 5, 0, 4, true},
    {"GI_Sheet_My_Callsign", 3, 6, 0, 5, true},
    {"GI_Sheet_You_Callsign", 3, 1, 0, 0, true},
    {"GI_Sheet_GroupName", 3, 30, 0, 29, true},
    {"GI_Sheet_RepeaterList", 5, 1, 0, 0, true},
    {"GI_Sheet_Received_Callsign", 7, 50, 0, 49, true},
    {"GI_Sheet_Txed_Call_From", 3, 10, 0, 9, true},
    {"GI_Sheet_Txed_Call_FAnalog", 3, 10, 0, 9, true},
    {"GI_Sheet_Txed_Call_To", 3, 20, 0, 19, true},
    {"GI_Sheet_Txed_Call_Ref", 3, 5, 0, 4, true},
};

// Column 0 is a 1-pixel column, column 1 the number column, column 2 a 1-pixel separator.
constexpr int kFirstDataColumn = 3;

TEST_F(TableSheets, DataSheetsHaveTheColumnsRowsAndCellsOfTheCatalogue) {
  for (TableLanguage language : kLanguages) {
    Select(language);
    for (const DataSheetCase& c : kDataSheets) {
      SCOPED_TRACE(std::string(c.sheet) + " in " + LanguageName(language));
      const auto sheet = Built(c.sheet);
      const std::vector<std::string>& columns = catalogue::DataSheetColumns(c.sheet);
      const int dataColumns = static_cast<int>(columns.size()) - (c.numberColumnBound ? 1 : 0);
      EXPECT_EQ(sheet->ColumnCount(), kFirstDataColumn + dataColumns);
      EXPECT_EQ(sheet->FixedColumnCount(), 3);
      EXPECT_EQ(sheet->FixedRowCount(), c.fixedRows);
      EXPECT_EQ(sheet->RowCount(), c.fixedRows + c.dataRows);

      const int first = sheet->FirstDataRow();
      const int last = sheet->RowCount() - 1;
      EXPECT_EQ(first, c.fixedRows);
      EXPECT_EQ(BoundNames(*sheet, first), columns);
      EXPECT_EQ(BoundNames(*sheet, last, kFirstDataColumn), BoundNames(*sheet, first, kFirstDataColumn));
      EXPECT_EQ(sheet->GetCell(kFirstDataColumn, first).index, c.firstIndex);
      EXPECT_EQ(sheet->GetCell(kFirstDataColumn, last).index, c.lastIndex);
      EXPECT_EQ(FirstSelectableCell(sheet->Cells()), (CellPosition{kFirstDataColumn, first}));
      for (int column = 0; column < kFirstDataColumn; ++column) EXPECT_FALSE(sheet->ColumnKeepsWidth(column)) << column;
      EXPECT_TRUE(sheet->ColumnKeepsWidth(kFirstDataColumn));
    }
  }
}

// A set-mode page for a destination that allows no regional rows.
class RegionlessSheet final : public SheetLayout {
 public:
  using SheetLayout::SheetLayout;

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
      SCOPED_TRACE(std::string(c.sheet) + " in " + LanguageName(language));
      const auto full = Built(c.sheet);
      RegionlessSheet reduced({ApplicationTexts(), measure_, nullptr});
      reduced.SetName(c.sheet);
      reduced.Build();
      EXPECT_EQ(reduced.RowCount(), full->RowCount() - c.skippedLines);
      std::vector<std::string> kept;
      std::vector<std::string> all;
      for (int row = 0; row < reduced.RowCount(); ++row) {
        const auto names = BoundNames(reduced, row);
        kept.insert(kept.end(), names.begin(), names.end());
      }
      for (int row = 0; row < full->RowCount(); ++row) {
        for (std::string& name : BoundNames(*full, row)) {
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
  SheetDisplayStore display(settings.environ, kSettingsKey, ApplicationTexts());
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
  for (const unsigned expected :
       {CL_Common_PowerSave, CL_Common_Monitor, CL_Common_DialSpeedUP, CL_Common_AutoRepeater, CL_Common_KeyLock}) {
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
