#include "sheet/layout/SheetSelection.h"

#include <algorithm>

#include "sheet/layout/cmcCellCapsule.h"

namespace {

class FlagWriter {
 public:
  explicit FlagWriter(SheetCells& cells) : cells_(cells) {}

  void Set(CellPosition p, uint8_t bit, bool on) {
    uint8_t& flags = cells_.Entry(p).flags;
    const uint8_t updated = static_cast<uint8_t>(on ? flags | bit : flags & ~bit);
    if (updated == flags) return;
    flags = updated;
    if (std::find(changed_.begin(), changed_.end(), p) == changed_.end()) changed_.push_back(p);
  }

  std::vector<CellPosition> Changed() { return std::move(changed_); }

 private:
  SheetCells& cells_;
  std::vector<CellPosition> changed_;
};

template <typename Visit>
void ForEachCell(const SheetCells& cells, Visit visit) {
  for (int row = 0; row < cells.Rows(); ++row) {
    for (int column = 0; column < cells.Columns(); ++column) visit(CellPosition{column, row});
  }
}

bool Between(int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); }

void SelectRectangle(SheetCells& cells, FlagWriter& writer, CellPosition anchor, CellPosition current,
                     CellPosition target) {
  const int firstRow = std::min({anchor.row, current.row, target.row});
  const int lastRow = std::min(std::max({anchor.row, current.row, target.row}), cells.Rows() - 1);
  const int firstColumn = std::min({anchor.column, current.column, target.column});
  const int lastColumn = std::min(std::max({anchor.column, current.column, target.column}), cells.Columns() - 1);
  for (int row = std::max(firstRow, 0); row <= lastRow; ++row) {
    for (int column = std::max(firstColumn, 0); column <= lastColumn; ++column) {
      if (!cells.IsSelectable(column, row)) continue;
      const bool inside = Between(row, anchor.row, target.row) && Between(column, anchor.column, target.column);
      writer.Set({column, row}, clsSheetCellId::kSelected, inside);
    }
  }
}

void DeselectAll(SheetCells& cells, FlagWriter& writer) {
  ForEachCell(cells, [&](CellPosition p) { writer.Set(p, clsSheetCellId::kSelected, false); });
}

bool RowHasSelection(const SheetCells& cells, int row) {
  for (int column = 0; column < cells.Columns(); ++column) {
    if (cells.Entry(column, row).Has(clsSheetCellId::kSelected)) return true;
  }
  return false;
}

void UpdateLineHighlights(SheetCells& cells, SelectionState& state, const SelectionFrame& frame, FlagWriter& writer) {
  if (frame.mode == MultiSelectMode::Line && state.active) {
    for (int row = 0; row < cells.Rows(); ++row) {
      const bool highlighted = RowHasSelection(cells, row);
      for (int column = std::max(frame.fixedColumns, 0); column < cells.Columns(); ++column)
        writer.Set({column, row}, clsSheetCellId::kLineHighlighted, highlighted);
    }
    state.lineHighlightsClear = false;
  } else if (!state.lineHighlightsClear) {
    ForEachCell(cells, [&](CellPosition p) { writer.Set(p, clsSheetCellId::kLineHighlighted, false); });
    state.lineHighlightsClear = true;
  }
}

int32_t FirstScrollingIndex(const SheetCells& cells, int fixedColumns, int row) {
  const int column = std::min(std::max(fixedColumns, 0), cells.Columns() - 1);
  return cells.Entry(column, row).cell.index;
}

}  // namespace

std::vector<CellPosition> UpdateSelection(SheetCells& cells, SelectionState& state, const SelectionFrame& frame,
                                          CellPosition current, CellPosition target, bool extend) {
  FlagWriter writer(cells);
  const bool multiSelect = frame.mode != MultiSelectMode::None;
  const bool rangeable = ((multiSelect && target != current) || state.active) && cells.InSelectRegion(current) &&
                         cells.InSelectRegion(target);
  if (!rangeable || !extend || !state.anchor.IsSet()) state.anchor = target;
  if (extend && rangeable) {
    SelectRectangle(cells, writer, state.anchor, current, target);
    state.active = true;
  } else if (state.active) {
    DeselectAll(cells, writer);
    state.active = false;
  } else if (cells.Contains(current)) {
    writer.Set(current, clsSheetCellId::kSelected, false);
    writer.Set(current, clsSheetCellId::kLineHighlighted, false);
  }
  if (cells.Contains(target)) writer.Set(target, clsSheetCellId::kSelected, true);
  UpdateLineHighlights(cells, state, frame, writer);
  return writer.Changed();
}

std::vector<CellPosition> EndMultiSelection(SheetCells& cells, SelectionState& state) {
  FlagWriter writer(cells);
  DeselectAll(cells, writer);
  state.active = false;
  return writer.Changed();
}

IndexRange SelectedIndexRange(const SheetCells& cells, const SelectionState& state, int fixedColumns, int currentRow) {
  const int anchorRow = cells.Contains(0, state.anchor.row) ? state.anchor.row : currentRow;
  const int32_t a = FirstScrollingIndex(cells, fixedColumns, anchorRow);
  const int32_t b = FirstScrollingIndex(cells, fixedColumns, currentRow);
  return {std::min(a, b), std::max(a, b)};
}

void FillRequestRange(cmcCellCapsule& request, const SheetCells& cells, const SelectionState& state, int fixedColumns,
                      int currentRow) {
  if (!state.active) return;
  request.rangeFlags |= kRangeLinesSelected;
  const IndexRange range = SelectedIndexRange(cells, state, fixedColumns, currentRow);
  request.rangeLow = range.low;
  request.rangeHigh = range.high;
}

std::vector<CellPosition> SelectAppliedRange(SheetCells& cells, SelectionState& state, const SelectionFrame& frame,
                                             CellPosition current, IndexRange range) {
  FlagWriter writer(cells);
  const cmcCellObj& currentCell = cells.Entry(current).cell;
  const unsigned cellId = currentCell.cellId;
  const int32_t opposite = currentCell.index == range.low ? range.high : range.low;
  state.anchor = current;
  ForEachCell(cells, [&](CellPosition p) {
    const cmcCellObj& cell = cells.Entry(p).cell;
    const bool inRange =
        cells.IsSelectable(p) && cell.cellId == cellId && cell.index >= range.low && cell.index <= range.high;
    writer.Set(p, clsSheetCellId::kSelected, inRange);
    if (inRange && cell.index == opposite) state.anchor = {current.column, p.row};
  });
  state.active = true;
  UpdateLineHighlights(cells, state, frame, writer);
  return writer.Changed();
}
