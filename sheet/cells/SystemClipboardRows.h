#pragma once
// The system clipboard side of Copy and Paste on a list page: the copied rows as the text of
// the page's CSV layout, and text another program put there read as an import of that list
// would read it.
#include "sheet/cells/ActiveCellFrame.h"

// After a Copy of the list indexes first..last: the clipboard's text for other programs,
// empty on lists without a CSV layout.
void NoteCopiedRowsText(ActiveCellFrame& frame, int first, int last);

// Before a Paste: when the clipboard holds text another program put there, its rows become
// the clipboard's records (the import's messages tell about refused and corrected rows).
// False when the text yielded no record: the messages said why and the paste stops.
bool TakeForeignText(ActiveCellFrame& frame);
