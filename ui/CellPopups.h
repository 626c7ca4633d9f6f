#pragma once
// Opens the pop-up a cell asked for after an action: its selection list, a generated integer
// list, the bit-field editor or the GPS text editor. The window lives until it closes.
#include "sheet/layout/cmcCellCapsule.h"
#include "ui/CellPopupWindow.h"

void OpenCellPopup(const CellPopupContext& context, const cmcCellCapsule& request);
