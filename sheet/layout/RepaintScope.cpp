#include "sheet/layout/RepaintScope.h"

#include "sheet/layout/cmcCellCapsule.h"
#include "text/CellIds.h"

namespace {

bool Bound(const cmcCellObj& cell) { return cell.cellId != kCellIdNone; }
bool Categorised(const cmcCellObj& cell) { return cell.category != kCategoryNone; }
bool BoundInCategory(const cmcCellObj& cell) { return Bound(cell) && Categorised(cell); }

}  // namespace

bool InRepaintScope(const cmcCellObj& asked, const cmcCellObj& cell, uint32_t scope) {
  const auto has = [scope](uint32_t bit) { return (scope & bit) != 0; };
  const int64_t distance = static_cast<int64_t>(cell.index) - asked.index;
  return (has(kRepaintSameCellAndIndex) && cell.cellId == asked.cellId && distance == 0) ||
         (has(kRepaintSameCategory) && cell.category == asked.category) ||
         (has(kRepaintSameCellId) && cell.cellId == asked.cellId) ||
         (has(kRepaintSameIndex) && Bound(cell) && Categorised(asked) && distance == 0) ||
         (has(kRepaintNeighbourIndex) && cell.category == asked.category && Bound(cell) && distance >= -1 &&
          distance <= 1) ||
         (has(kRepaintEveryBoundCell) && Bound(cell)) ||
         (has(kRepaintIndexAtLeast) && BoundInCategory(cell) && distance >= 0) ||
         (has(kRepaintIndexAtMost) && BoundInCategory(cell) && distance <= 0);
}
