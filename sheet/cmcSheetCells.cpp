#include "sheet/cmcSheetCells.h"

#include "platform/Fatal.h"

void cmcSheetCells::Reset(int columns, int rows) {
  columns_ = columns > 0 ? columns : 0;
  rows_ = rows > 0 ? rows : 0;
  entries_.clear();
  entries_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
}

void cmcSheetCells::AppendRow() {
  ++rows_;
  entries_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
}

void cmcSheetCells::RemoveLastRow() {
  if (rows_ == 0) return;
  --rows_;
  entries_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
}

bool cmcSheetCells::Contains(int column, int row) const {
  return column >= 0 && row >= 0 && column < columns_ && row < rows_;
}

clsSheetCellId& cmcSheetCells::Entry(int column, int row) {
  if (!Contains(column, row)) fatal("Illegal Cell selection");
  return entries_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                  static_cast<std::size_t>(column)];
}

const clsSheetCellId& cmcSheetCells::Entry(int column, int row) const {
  return const_cast<cmcSheetCells*>(this)->Entry(column, row);
}

bool cmcSheetCells::IsSelectable(int column, int row) const {
  return Contains(column, row) && Entry(column, row).cell.Selectable();
}

bool cmcSheetCells::InSelectRegion(CellPosition p) const {
  return Contains(p) && Entry(p).Has(clsSheetCellId::kSelectRegion);
}
