#pragma once
// Moving, blanking and replacing blocks of entries of one list (memory channels, scan edges,
// call channels, and the rows of the GPS, repeater, your-call and broadcast lists within their
// group). Every operation keeps the references into the list on the same entries
// (ListReferenceKeeper); the callers check that the block and its room lie inside the list.
#include "memory/cmcClipCh.h"
#include "memory/cmcEeprom.h"

// The blank entry of a list: a memory channel keeps its record but is no longer used; the
// other lists take their new-entry templates (a GPS memory stamped now).
void StoreBlankEntry(cmcEeprom& image, int kind, int index);

// The block first to last moves one row up (direction -1) or down (+1); the neighbour row
// takes the place the block left.
void CarryBlock(cmcEeprom& image, int kind, int first, int last, int direction);
// The entries after the block, up to high, move up by the block's length; the freed rows at
// the end take blank entries.
void DeleteBlock(cmcEeprom& image, int kind, int first, int last, int high);
// The entries from first to high - length move down by the block's length (the last ones
// are pushed out); the block takes blank entries.
void InsertBlock(cmcEeprom& image, int kind, int first, int last, int high);
void ClearBlock(cmcEeprom& image, int kind, int first, int last);
// The clipboard's records go to first, first + 1, ... for at most count rows.
void PasteBlock(cmcEeprom& image, cmcClipCh& clipboard, int kind, int first, int count);
