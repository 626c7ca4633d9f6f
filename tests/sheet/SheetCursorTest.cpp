// The cursor rests on selectable cells only and finds its way over the gaps between them.
#include <gtest/gtest.h>

#include "CellMap.h"
#include "sheet/layout/SheetCursor.h"

namespace {

struct MoveCase {
  const char* name;
  CellPosition from;
  int dx, dy;
  CellPosition expected;
  CellPosition remembered = {};  // where the last move left the cursor's memory; unset: from
};

// Row 0 is the fixed heading (its selectable cell must never be taken by the search for the
// nearest cell); column 0 is fixed as well.
const std::vector<std::string> kMap = {
    "..S..", ".S.S.", "..S..", ".S...", ".....", ".S..S",
};
const CursorFrame kFrame{1, 1, 1, 0, false};

TEST(SheetCursorTest, MovesAlongAndAcrossTheGaps) {
  const MoveCase cases[] = {
      {"right along the row", {1, 1}, 1, 0, {3, 1}},
      {"down along the column", {1, 1}, 0, 1, {1, 3}},
      {"down over an empty row", {1, 3}, 0, 1, {1, 5}},
      {"right with nothing in the row: nearest in the next column", {1, 3}, 1, 0, {2, 2}},
      {"left along the row", {4, 5}, -1, 0, {1, 5}},
      {"left with nothing in the row: nearest in the next column, the upper of two", {2, 2}, -1, 0, {1, 1}},
      {"down with nothing in the column: nearest in the next row", {3, 1}, 0, 1, {2, 2}},
      {"up: nothing outside the fixed rows", {1, 1}, 0, -1, {1, 1}},
      {"right at the last column stays", {4, 5}, 1, 0, {4, 5}},
      {"page down stops at the last cell it reaches", {1, 1}, 0, 10, {1, 5}},
      {"two steps", {1, 1}, 0, 2, {1, 5}},
      {"no move", {2, 2}, 0, 0, {2, 2}},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SheetCells cells = CellMap(kMap);
    CellPosition remembered = c.remembered;
    const CursorMove move = FindCursorMove(cells, kFrame, c.from, remembered, c.dx, c.dy);
    EXPECT_EQ(move.cell, c.expected) << move.cell.column << "," << move.cell.row;
    EXPECT_EQ(move.moved, c.expected != c.from);
    EXPECT_EQ(remembered, move.moved ? c.expected : (c.remembered.IsSet() ? c.remembered : c.from));
  }
}

TEST(SheetCursorTest, TheRememberedColumnChoosesInTheNextRow) {
  const SheetCells cells = CellMap({"..S..", ".....", ".S..S"});
  struct Case {
    CellPosition remembered;
    CellPosition expected;
  };
  const Case cases[] = {{{}, {1, 2}}, {{2, 0}, {1, 2}}, {{4, 0}, {4, 2}}, {{3, 0}, {4, 2}}};
  for (const Case& c : cases) {
    CellPosition remembered = c.remembered;
    EXPECT_EQ(FindCursorMove(cells, {0, 0, 0, 0, false}, {2, 0}, remembered, 0, 1).cell, c.expected)
        << "remembered column " << c.remembered.column;
  }
}

TEST(SheetCursorTest, FixedCellsAreNotTakenAsNearest) {
  // The only selectable cell of column 2 besides the fixed heading is far below.
  const SheetCells cells = CellMap({"..S", "S..", "...", "..S"});
  CellPosition remembered;
  EXPECT_EQ(FindCursorMove(cells, {1, 1, 0, 1, false}, {0, 1}, remembered, 1, 0).cell, (CellPosition{2, 3}));
  // Without a fixed row the heading is nearer.
  remembered = {};
  EXPECT_EQ(FindCursorMove(cells, {0, 0, 0, 0, false}, {0, 1}, remembered, 1, 0).cell, (CellPosition{2, 0}));
}

TEST(SheetCursorTest, SelectionListsWithoutScrollBarsWrapSingleSteps) {
  const SheetCells cells = CellMap({"S", ".", "S", "S"});
  struct Case {
    CellPosition from;
    int dy;
    bool wrap;
    CellPosition expected;
  };
  const Case cases[] = {
      {{0, 0}, -1, true, {0, 3}},  {{0, 3}, 1, true, {0, 0}},  {{0, 0}, 1, true, {0, 2}},
      {{0, 0}, -1, false, {0, 0}}, {{0, 0}, 10, true, {0, 3}},  // page steps never wrap
  };
  for (const Case& c : cases) {
    CellPosition remembered;
    const CursorFrame frame{0, 0, 0, 0, c.wrap};
    EXPECT_EQ(FindCursorMove(cells, frame, c.from, remembered, 0, c.dy).cell, c.expected)
        << c.from.row << " by " << c.dy << (c.wrap ? " wrapping" : "");
  }
  // A list with one entry has nowhere else to go.
  CellPosition remembered;
  EXPECT_FALSE(FindCursorMove(CellMap({"S", "."}), {0, 0, 0, 0, true}, {0, 0}, remembered, 0, 1).moved);
}

TEST(SheetCursorTest, ReachingTheFirstSelectableColumnOrRowShowsTheFixedArea) {
  const SheetCells cells = CellMap(kMap);
  CellPosition remembered;
  const CursorMove left = FindCursorMove(cells, kFrame, {3, 1}, remembered, -1, 0);
  EXPECT_TRUE(left.showFixedColumns);
  EXPECT_FALSE(left.showFixedRows);
  remembered = {};
  const CursorMove down = FindCursorMove(cells, kFrame, {1, 1}, remembered, 0, 1);
  EXPECT_FALSE(down.showFixedRows);
  EXPECT_TRUE(down.showFixedColumns);
}

TEST(SheetCursorTest, OnlySelectableCellsInTheRegionMayBecomeCurrentDuringAMultiSelection) {
  const SheetCells cells = CellMap({"S.", "s,"});
  struct Case {
    CellPosition cell;
    bool active;
    bool expected;
  };
  const Case cases[] = {{{0, 0}, false, true}, {{0, 0}, true, true},  {{1, 0}, false, false},
                        {{0, 1}, false, true}, {{0, 1}, true, false}, {{5, 5}, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(MayBecomeCurrent(cells, c.cell, c.active), c.expected)
        << c.cell.column << "," << c.cell.row << (c.active ? " during a selection" : "");
  }
}

TEST(SheetCursorTest, FindsCellsInRowOrder) {
  SheetCells cells = CellMap({"..S", ".SS", "S.."});
  EXPECT_EQ(FirstSelectableCell(cells), (CellPosition{2, 0}));
  EXPECT_EQ(FindSelectableCell(cells, CL_Mch_Freq, 12), (CellPosition{2, 1}));
  EXPECT_EQ(FindSelectableCell(cells, CL_Mch_Freq, 10), (CellPosition{}));  // (0, 1) is not selectable
  EXPECT_EQ(FindSelectableCell(cells, CL_Mch_Name, 12), (CellPosition{}));
  cells.Entry(2, 1).cell.category = CT_Conv;
  EXPECT_EQ(FindSelectableCell(cells, CT_Conv, CL_Mch_Freq, 12), (CellPosition{2, 1}));
  EXPECT_EQ(FindSelectableCell(cells, CT_BankCh, CL_Mch_Freq, 12), (CellPosition{}));
  EXPECT_EQ(FirstSelectableCell(CellMap({"..", ".."})), (CellPosition{}));
}

}  // namespace
