#pragma once
// Where the cursor of a sheet may go. The cursor rests on selectable cells only; these
// functions find the cell a move ends on, and the widget moves its grid there.
#include <cstdint>

#include "sheet/layout/SheetCells.h"

struct CursorFrame {
  int fixedColumns = 0;
  int fixedRows = 0;
  int firstSelectableColumn = -1;
  int firstSelectableRow = -1;
  // A selection list without scroll bars: single steps wrap around the grid.
  bool wrapAround = false;
};

struct CursorMove {
  CellPosition cell;  // where the cursor goes: the start when it cannot move
  bool moved = false;
  // The cell is in the first selectable column (row): scroll the fixed columns (rows) into view.
  bool showFixedColumns = false;
  bool showFixedRows = false;
};

// The cell a move by dx columns and dy rows (arrow keys +-1, page keys +-10) ends on, made of
// unit steps towards (sign dx, sign dy). A step takes the next selectable cell on the
// straight path; when there is none up to the edge, it takes the next column (horizontal
// moves) or row (vertical moves) that holds a selectable cell outside the fixed area, at the
// cell nearest to the remembered row (column). A step that finds nothing ends the move.
// remembered is updated after every step; when unset it starts at current.
CursorMove FindCursorMove(const SheetCells& cells, const CursorFrame& frame, CellPosition current,
                          CellPosition& remembered, int dx, int dy);

// Whether a click or a grid key move may make the cell current: it must be selectable and,
// while a multi-selection is active, lie in the select region.
bool MayBecomeCurrent(const SheetCells& cells, CellPosition cell, bool multiSelectionActive);

// The first selectable cell in row order; unset when there is none.
CellPosition FirstSelectableCell(const SheetCells& cells);

// The first selectable cell in row order bound to cellId and index (the initial focus of a
// sheet); unset when there is none.
CellPosition FindSelectableCell(const SheetCells& cells, unsigned cellId, int32_t index);
// The same, also matching the category (the target of a move request).
CellPosition FindSelectableCell(const SheetCells& cells, unsigned category, unsigned cellId, int32_t index);
