#pragma once
// Which cells of a sheet an action may have changed: the repaint scope bits of a request
// (kRepaint... in cmcCellCapsule.h) select them around the cell that was asked.
#include <cstdint>

#include "text/cmcCellObj.h"

// Whether cell is to be repainted after an action on asked with the given scope bits.
bool InRepaintScope(const cmcCellObj& asked, const cmcCellObj& cell, uint32_t scope);
