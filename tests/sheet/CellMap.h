#pragma once
// Cell tables drawn as text, one string per row: 'S' a selectable cell, '.' a cell the
// cursor may not rest on; lower-case 's' and ',' the same outside the select region.
// Every cell is bound to CL_Mch_Freq with the index 10 x row + column.
#include <string>
#include <vector>

#include "sheet/layout/SheetCells.h"
#include "text/CellIds.h"

inline SheetCells CellMap(const std::vector<std::string>& rows) {
  SheetCells cells;
  cells.Reset(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
  for (int row = 0; row < cells.Rows(); ++row) {
    for (int column = 0; column < cells.Columns(); ++column) {
      const char mark = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
      clsSheetCellId& entry = cells.Entry(column, row);
      if (mark == 'S' || mark == 's') entry.cell.behaviour |= cmcCellObj::kSelectable;
      if (mark == 's' || mark == ',') entry.flags &= static_cast<uint8_t>(~clsSheetCellId::kSelectRegion);
      entry.cell.cellId = CL_Mch_Freq;
      entry.cell.index = 10 * row + column;
    }
  }
  return cells;
}

// The table drawn back with the given flag: '#' where it is set, '.' elsewhere.
inline std::vector<std::string> FlagMap(const SheetCells& cells, uint8_t flag) {
  std::vector<std::string> rows;
  for (int row = 0; row < cells.Rows(); ++row) {
    std::string line;
    for (int column = 0; column < cells.Columns(); ++column) line += cells.Entry(column, row).Has(flag) ? '#' : '.';
    rows.push_back(line);
  }
  return rows;
}
