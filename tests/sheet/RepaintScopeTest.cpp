// The cells an action repaints, by the scope bits it set.
#include <gtest/gtest.h>

#include "sheet/layout/RepaintScope.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "text/CellIds.h"

namespace {

cmcCellObj Cell(unsigned category, unsigned cellId, int32_t index) {
  cmcCellObj cell;
  cell.category = category;
  cell.cellId = cellId;
  cell.index = index;
  return cell;
}

TEST(RepaintScopeTest, EachBitSelectsItsCells) {
  const cmcCellObj asked = Cell(CT_Conv, CL_Mch_Freq, 10);
  struct Case {
    const char* name;
    uint32_t scope;
    cmcCellObj cell;
    bool expected;
  };
  const Case cases[] = {
      {"same cell", kRepaintSameCellAndIndex, Cell(CT_Conv, CL_Mch_Freq, 10), true},
      {"same identifier, other index", kRepaintSameCellAndIndex, Cell(CT_Conv, CL_Mch_Freq, 11), false},
      {"same category", kRepaintSameCategory, Cell(CT_Conv, CL_Mch_Name, 3), true},
      {"other category", kRepaintSameCategory, Cell(CT_BankCh, CL_Mch_Freq, 10), false},
      {"same identifier", kRepaintSameCellId, Cell(CT_BankCh, CL_Mch_Freq, 99), true},
      {"same index, bound", kRepaintSameIndex, Cell(CT_BankCh, CL_Mch_Name, 10), true},
      {"same index, unbound", kRepaintSameIndex, Cell(CT_Conv, kCellIdNone, 10), false},
      {"neighbour below", kRepaintNeighbourIndex, Cell(CT_Conv, CL_Mch_Name, 11), true},
      {"neighbour above", kRepaintNeighbourIndex, Cell(CT_Conv, CL_Mch_Name, 9), true},
      {"two away", kRepaintNeighbourIndex, Cell(CT_Conv, CL_Mch_Name, 12), false},
      {"neighbour in another category", kRepaintNeighbourIndex, Cell(CT_Gps, CL_Mch_Name, 11), false},
      {"any bound cell", kRepaintEveryBoundCell, Cell(kCategoryNone, CL_Common_TOT, 0), true},
      {"an unbound cell", kRepaintEveryBoundCell, Cell(CT_Conv, kCellIdNone, 10), false},
      {"index above", kRepaintIndexAtLeast, Cell(CT_Conv, CL_Mch_Name, 400), true},
      {"index below", kRepaintIndexAtLeast, Cell(CT_Conv, CL_Mch_Name, 9), false},
      {"index above, no category", kRepaintIndexAtLeast, Cell(kCategoryNone, CL_Mch_Name, 400), false},
      {"index below", kRepaintIndexAtMost, Cell(CT_Conv, CL_Mch_Name, 0), true},
      {"index above", kRepaintIndexAtMost, Cell(CT_Conv, CL_Mch_Name, 11), false},
      {"no bits", 0, Cell(CT_Conv, CL_Mch_Freq, 10), false},
      {"any bit that matches", kRepaintSameCellId | kRepaintSameCategory, Cell(CT_Gps, CL_Mch_Freq, 1), true},
  };
  for (const Case& c : cases) EXPECT_EQ(InRepaintScope(asked, c.cell, c.scope), c.expected) << c.name;
}

TEST(RepaintScopeTest, SameIndexNeedsACategorisedRequest) {
  const cmcCellObj asked = Cell(kCategoryNone, CL_Common_TOT, 1);
  EXPECT_FALSE(InRepaintScope(asked, Cell(CT_Conv, CL_Mch_Freq, 1), kRepaintSameIndex));
}

}  // namespace
