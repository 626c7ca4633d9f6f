// Multi-selection by cells and by lines in the flag bytes of the cell table.
#include <gtest/gtest.h>

#include "CellMap.h"
#include "sheet/layout/SheetSelection.h"
#include "sheet/layout/cmcCellCapsule.h"

namespace {

// A heading row, four data rows and a last row outside the select region (a new-entry row);
// column 0 is the fixed number column.
const std::vector<std::string> kLines = {
    ".....", ".SSSS", ".SSSS", ".SSSS", ".SSSS", ",ssss",
};

class SheetSelectionTest : public ::testing::Test {
 protected:
  // The cursor moves to target, extending the selection or not, as the sheet moves it.
  std::vector<CellPosition> MoveTo(CellPosition target, bool extend) {
    auto changed = UpdateSelection(cells_, state_, frame_, current_, target, extend);
    current_ = target;
    return changed;
  }
  std::vector<std::string> Selected() const { return FlagMap(cells_, clsSheetCellId::kSelected); }
  std::vector<std::string> Highlighted() const { return FlagMap(cells_, clsSheetCellId::kLineHighlighted); }

  SheetCells cells_ = CellMap(kLines);
  SelectionState state_;
  SelectionFrame frame_{MultiSelectMode::Line, 1};
  CellPosition current_{2, 1};
};

TEST_F(SheetSelectionTest, ExtendingOverThreeRowsHighlightsTheirScrollingCells) {
  MoveTo({2, 1}, false);
  MoveTo({2, 2}, true);
  MoveTo({2, 3}, true);
  EXPECT_TRUE(state_.active);
  EXPECT_EQ(state_.anchor, (CellPosition{2, 1}));
  EXPECT_EQ(Selected(), (std::vector<std::string>{".....", "..#..", "..#..", "..#..", ".....", "....."}));
  EXPECT_EQ(Highlighted(), (std::vector<std::string>{".....", ".####", ".####", ".####", ".....", "....."}));

  // Back up one row: the rectangle shrinks and the row loses its highlight.
  MoveTo({2, 2}, true);
  EXPECT_EQ(Highlighted(), (std::vector<std::string>{".....", ".####", ".####", ".....", ".....", "....."}));

  // A plain move ends the selection and clears every highlight.
  MoveTo({3, 4}, false);
  EXPECT_FALSE(state_.active);
  EXPECT_EQ(state_.anchor, (CellPosition{3, 4}));
  EXPECT_EQ(Selected(), (std::vector<std::string>{".....", ".....", ".....", ".....", "...#.", "....."}));
  EXPECT_EQ(Highlighted(), (std::vector<std::string>(6, ".....")));
  EXPECT_TRUE(state_.lineHighlightsClear);
}

TEST_F(SheetSelectionTest, CellModeSelectsTheRectangleWithoutHighlights) {
  frame_.mode = MultiSelectMode::Cell;
  MoveTo({2, 1}, false);
  MoveTo({3, 1}, true);
  MoveTo({3, 3}, true);
  EXPECT_EQ(Selected(), (std::vector<std::string>{".....", "..##.", "..##.", "..##.", ".....", "....."}));
  EXPECT_EQ(Highlighted(), (std::vector<std::string>(6, ".....")));
}

TEST_F(SheetSelectionTest, NoMultiSelectionWhereItCannotStart) {
  struct Case {
    const char* name;
    MultiSelectMode mode;
    CellPosition from;
    CellPosition to;
  };
  const Case cases[] = {
      {"a sheet without multi-selection", MultiSelectMode::None, {2, 1}, {2, 2}},
      {"from a row outside the select region", MultiSelectMode::Line, {2, 5}, {2, 4}},
      {"into a row outside the select region", MultiSelectMode::Line, {2, 4}, {2, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cells_ = CellMap(kLines);
    state_ = {};
    frame_.mode = c.mode;
    current_ = c.from;
    MoveTo(c.from, false);
    MoveTo(c.to, true);
    EXPECT_FALSE(state_.active);
    EXPECT_EQ(state_.anchor, c.to);
    int selected = 0;
    for (const std::string& row : Selected()) selected += static_cast<int>(std::count(row.begin(), row.end(), '#'));
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(cells_.Entry(c.to).Has(clsSheetCellId::kSelected));
  }
}

TEST_F(SheetSelectionTest, ReportsEveryCellWhoseFlagsChanged) {
  MoveTo({2, 1}, false);
  const std::vector<CellPosition> changed = MoveTo({2, 2}, true);
  // The scrolling cells of the two highlighted rows; the new selected cell is one of them.
  EXPECT_EQ(changed.size(), 8u);
  for (int column = 1; column < 5; ++column) {
    EXPECT_NE(std::find(changed.begin(), changed.end(), CellPosition{column, 1}), changed.end());
    EXPECT_NE(std::find(changed.begin(), changed.end(), CellPosition{column, 2}), changed.end());
  }
  EXPECT_TRUE(MoveTo({2, 2}, true).empty());  // nothing new
}

TEST_F(SheetSelectionTest, EndingTheSelectionDeselectsEverything) {
  MoveTo({2, 1}, false);
  MoveTo({2, 3}, true);
  EndMultiSelection(cells_, state_);
  EXPECT_FALSE(state_.active);
  EXPECT_EQ(Selected(), (std::vector<std::string>(6, ".....")));
  MoveTo(current_, false);  // the sheet then updates the selection for the current cell
  EXPECT_EQ(Selected(), (std::vector<std::string>{".....", ".....", ".....", "..#..", ".....", "....."}));
  EXPECT_EQ(Highlighted(), (std::vector<std::string>(6, ".....")));
}

TEST_F(SheetSelectionTest, RequestsCarryTheIndexRangeOfTheSelectedLines) {
  cmcCellCapsule request;
  FillRequestRange(request, cells_, state_, 1, 1);
  EXPECT_EQ(request.rangeFlags, 0);  // no multi-selection yet

  MoveTo({3, 3}, false);
  MoveTo({4, 1}, true);
  FillRequestRange(request, cells_, state_, 1, current_.row);
  EXPECT_EQ(request.rangeFlags, kRangeLinesSelected);
  // Indices of the first scrolling column (column 1) in the anchor and current rows.
  EXPECT_EQ(request.rangeLow, 11);
  EXPECT_EQ(request.rangeHigh, 31);
}

TEST_F(SheetSelectionTest, AnActionOnTheRangeSelectsItsCellsAndMovesTheAnchorToTheFarEnd) {
  // The other columns are bound to another identifier, so only column 1 matches.
  for (int row = 0; row < cells_.Rows(); ++row) {
    for (int column = 2; column < cells_.Columns(); ++column) cells_.Entry(column, row).cell.cellId = CL_Mch_Name;
  }
  current_ = {1, 2};
  SelectAppliedRange(cells_, state_, frame_, current_, {21, 41});
  EXPECT_TRUE(state_.active);
  EXPECT_EQ(state_.anchor, (CellPosition{1, 4}));
  EXPECT_EQ(Selected(), (std::vector<std::string>{".....", ".....", ".#...", ".#...", ".#...", "....."}));
  EXPECT_EQ(Highlighted(), (std::vector<std::string>{".....", ".....", ".####", ".####", ".####", "....."}));
}

}  // namespace
