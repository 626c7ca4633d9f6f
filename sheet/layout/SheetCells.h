#pragma once
// The cell table of a sheet: columns x rows entries, each a cell attribute set with its
// selection flags. Reaching outside the table is a defect (fatal "Illegal Cell selection").
// An entry stays in its place while rows are added or removed after it: requests and open
// pop-ups keep pointers to the cell they came from while a list grows under them.
#include <deque>

#include "sheet/layout/clsSheetCellId.h"

// A grid position; -1 means none.
struct CellPosition {
  int column = -1;
  int row = -1;
  bool operator==(const CellPosition&) const = default;
  bool IsSet() const { return column >= 0 && row >= 0; }
};

class SheetCells {
 public:
  // Replaces the table by columns x rows fresh entries (no category, no cell identifier,
  // in the select region).
  void Reset(int columns, int rows);
  // Adds a row of fresh entries at the end, or removes the last row; the other rows keep
  // their entries.
  void AppendRow();
  void RemoveLastRow();

  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  bool Contains(int column, int row) const;
  bool Contains(CellPosition p) const { return Contains(p.column, p.row); }

  clsSheetCellId& Entry(int column, int row);
  const clsSheetCellId& Entry(int column, int row) const;
  clsSheetCellId& Entry(CellPosition p) { return Entry(p.column, p.row); }
  const clsSheetCellId& Entry(CellPosition p) const { return Entry(p.column, p.row); }

  // Whether the cursor may rest on the cell; false outside the table.
  bool IsSelectable(int column, int row) const;
  bool IsSelectable(CellPosition p) const { return IsSelectable(p.column, p.row); }
  // Whether the cell may join a multi-selection; false outside the table.
  bool InSelectRegion(CellPosition p) const;

 private:
  int columns_ = 0;
  int rows_ = 0;
  std::deque<clsSheetCellId> entries_;
};
