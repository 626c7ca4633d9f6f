#pragma once
// The list commands of the pop-up menu (Copy, Paste, Carry up, Carry down, Clear, Delete,
// Insert, Bank off) and of the Edit menu (Sort) on the current row or the selected rows of a list sheet: which block of
// the list they may touch, the questions they ask, the image change, the status text, the
// events that repaint the sheets, and where the selection and the cursor go afterwards.
#include "sheet/cells/ActiveCellFrame.h"

struct IndexBlock {
  int low;
  int high;
  bool Contains(int i) const { return i >= low && i <= high; }
};

// The block of memory channels, scan edges or call channels that holds a channel index.
IndexBlock ChannelBlock(int index);
// Every index the loaded list kind has: the whole list, a bank's rows, the current group.
IndexBlock KindRange(const ActiveCellFrame& frame);
// The indexes a list command on the current row may touch.
IndexBlock OperationBlock(const ActiveCellFrame& frame);

// Carries out a list command on an action; false for commands that are not list commands.
bool RunListOperation(ActiveCellFrame& frame, unsigned command);

// The key column of a counted list's new-entry row: adds an entry there as Insert does and
// loads it into the frame; on a full list shows the list's message and answers false.
bool StartNewEntry(ActiveCellFrame& frame);
