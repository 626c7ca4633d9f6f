#include "sheet/layout/SheetCursor.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

int Wrapped(int v, int count) { return ((v % count) + count) % count; }

std::optional<CellPosition> WrappingStep(const SheetCells& cells, CellPosition from, int sx, int sy) {
  CellPosition p = from;
  do {
    p = {Wrapped(p.column + sx, cells.Columns()), Wrapped(p.row + sy, cells.Rows())};
    if (cells.IsSelectable(p)) return p;
  } while (p != from);
  return std::nullopt;
}

std::optional<CellPosition> StraightStep(const SheetCells& cells, CellPosition from, int sx, int sy) {
  for (CellPosition p{from.column + sx, from.row + sy}; cells.Contains(p); p = {p.column + sx, p.row + sy}) {
    if (cells.IsSelectable(p)) return p;
  }
  return std::nullopt;
}

bool InFixedArea(const CursorFrame& frame, CellPosition p) {
  return p.column < frame.fixedColumns || p.row < frame.fixedRows;
}

// The selectable cell outside the fixed area on a line (a column when alongColumn, else a
// row) nearest to aim; the upper (left) one of two equally near. Unset when there is none.
CellPosition NearestSelectable(const SheetCells& cells, const CursorFrame& frame, int line, bool alongColumn, int aim) {
  const int length = alongColumn ? cells.Rows() : cells.Columns();
  CellPosition best;
  int bestDistance = 0;
  for (int i = 0; i < length; ++i) {
    const CellPosition p = alongColumn ? CellPosition{line, i} : CellPosition{i, line};
    const int distance = std::abs(i - aim);
    if (!cells.IsSelectable(p) || InFixedArea(frame, p) || (best.IsSet() && distance >= bestDistance)) continue;
    best = p;
    bestDistance = distance;
  }
  return best;
}

std::optional<CellPosition> NextLineStep(const SheetCells& cells, const CursorFrame& frame, CellPosition from,
                                         CellPosition remembered, int sx, int sy) {
  const bool horizontal = sx != 0;
  const int step = horizontal ? sx : sy;
  const int end = horizontal ? cells.Columns() : cells.Rows();
  for (int line = (horizontal ? from.column : from.row) + step; line >= 0 && line < end; line += step) {
    const CellPosition found =
        NearestSelectable(cells, frame, line, horizontal, horizontal ? remembered.row : remembered.column);
    if (found.IsSet()) return found;
  }
  return std::nullopt;
}

std::optional<CellPosition> UnitStep(const SheetCells& cells, const CursorFrame& frame, CellPosition from,
                                     CellPosition remembered, int sx, int sy, bool wrap) {
  if (wrap) return WrappingStep(cells, from, sx, sy);
  if (const auto straight = StraightStep(cells, from, sx, sy)) return straight;
  return NextLineStep(cells, frame, from, remembered, sx, sy);
}

}  // namespace

CursorMove FindCursorMove(const SheetCells& cells, const CursorFrame& frame, CellPosition current,
                          CellPosition& remembered, int dx, int dy) {
  if (!remembered.IsSet()) remembered = current;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  const bool wrap = frame.wrapAround && steps == 1 && cells.Columns() > 0 && cells.Rows() > 0;
  CellPosition at = current;
  for (int i = 0; i < steps; ++i) {
    const auto next = UnitStep(cells, frame, at, remembered, Sign(dx), Sign(dy), wrap);
    if (!next) break;
    at = *next;
    remembered = at;
  }
  CursorMove move;
  move.cell = at;
  move.moved = at != current;
  move.showFixedColumns = at.column == frame.firstSelectableColumn;
  move.showFixedRows = at.row == frame.firstSelectableRow;
  return move;
}

bool MayBecomeCurrent(const SheetCells& cells, CellPosition cell, bool multiSelectionActive) {
  return cells.IsSelectable(cell) && (!multiSelectionActive || cells.InSelectRegion(cell));
}

namespace {

template <typename Match>
CellPosition FirstSelectableWhere(const SheetCells& cells, Match match) {
  for (int row = 0; row < cells.Rows(); ++row) {
    for (int column = 0; column < cells.Columns(); ++column) {
      if (cells.IsSelectable(column, row) && match(cells.Entry(column, row).cell)) return {column, row};
    }
  }
  return {};
}

}  // namespace

CellPosition FirstSelectableCell(const SheetCells& cells) {
  return FirstSelectableWhere(cells, [](const cmcCellObj&) { return true; });
}

CellPosition FindSelectableCell(const SheetCells& cells, unsigned cellId, int32_t index) {
  return FirstSelectableWhere(cells,
                              [&](const cmcCellObj& cell) { return cell.cellId == cellId && cell.index == index; });
}

CellPosition FindSelectableCell(const SheetCells& cells, unsigned category, unsigned cellId, int32_t index) {
  return FirstSelectableWhere(cells, [&](const cmcCellObj& cell) {
    return cell.category == category && cell.cellId == cellId && cell.index == index;
  });
}
