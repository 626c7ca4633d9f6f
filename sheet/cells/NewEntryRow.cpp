#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ListOperations.h"

bool EnterRow(ActiveCellFrame& frame, bool keyStartsEntry) {
  if (!frame.newEntryRow) return true;
  if (frame.IsAction() && !frame.Committed() && keyStartsEntry && StartNewEntry(frame)) return true;
  frame.request.outputText.clear();
  return false;
}
