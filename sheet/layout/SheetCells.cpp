#include "sheet/layout/SheetCells.h"

#include "platform/Fatal.h"

void SheetCells::Reset(int columns, int rows) {
  columns_ = columns > 0 ? columns : 0;
  rows_ = rows > 0 ? rows : 0;
  entries_.clear();
  entries_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
}

void SheetCells::AppendRow() {
  ++rows_;
  entries_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
}

void SheetCells::RemoveLastRow() {
  if (rows_ == 0) return;
  --rows_;
  entries_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
}

bool SheetCells::Contains(int column, int row) const {
  return column >= 0 && row >= 0 && column < columns_ && row < rows_;
}

clsSheetCellId& SheetCells::Entry(int column, int row) {
  if (!Contains(column, row)) Fatal("Illegal Cell selection");
  return entries_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                  static_cast<std::size_t>(column)];
}

const clsSheetCellId& SheetCells::Entry(int column, int row) const {
  return const_cast<SheetCells*>(this)->Entry(column, row);
}

bool SheetCells::IsSelectable(int column, int row) const {
  return Contains(column, row) && Entry(column, row).cell.Selectable();
}

bool SheetCells::InSelectRegion(CellPosition p) const {
  return Contains(p) && Entry(p).Has(clsSheetCellId::kSelectRegion);
}
