#pragma once
// Multi-selection of a sheet by cells and by lines, kept in the flag bytes of the cell table.
// Each function returns the cells whose flags changed, which the widget repaints.
#include <cstdint>
#include <vector>

#include "sheet/layout/SheetCells.h"
#include "sheet/layout/SheetStyle.h"

class cmcCellCapsule;

struct SelectionState {
  CellPosition anchor;
  bool active = false;               // a multi-selection is active
  bool lineHighlightsClear = false;  // no cell carries a line highlight
};

struct SelectionFrame {
  MultiSelectMode mode = MultiSelectMode::None;
  int fixedColumns = 0;  // line highlights cover the scrolling columns only
};

// Before the cursor moves from current to target. extend: Shift is down or the mouse is
// selecting. With extend, when both cells lie in the select region and multi-selection is
// on, the rectangle from the anchor to the target is selected; otherwise the selection
// collapses to the target, which becomes the anchor.
std::vector<CellPosition> UpdateSelection(SheetCells& cells, SelectionState& state, const SelectionFrame& frame,
                                          CellPosition current, CellPosition target, bool extend);

// Deselects every cell and ends the multi-selection (line highlights stay until the next
// UpdateSelection clears them).
std::vector<CellPosition> EndMultiSelection(SheetCells& cells, SelectionState& state);

struct IndexRange {
  int32_t low = 0;
  int32_t high = 0;
};

// The indices of the selected lines: the lower and higher of the indices of the first
// scrolling column's cells in the anchor row and in the current row.
IndexRange SelectedIndexRange(const SheetCells& cells, const SelectionState& state, int fixedColumns, int currentRow);

// Fills the range fields of a request: the lines flag and the index range while a
// multi-selection is active, nothing otherwise.
void FillRequestRange(cmcCellCapsule& request, const SheetCells& cells, const SelectionState& state, int fixedColumns,
                      int currentRow);

// After an action that applied to the selected range: selects every selectable cell bound to
// the current cell's identifier with an index from low to high and moves the anchor to the
// row holding the end of the range opposite the current cell's index.
std::vector<CellPosition> SelectAppliedRange(SheetCells& cells, SelectionState& state, const SelectionFrame& frame,
                                             CellPosition current, IndexRange range);
