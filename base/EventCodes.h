#pragma once
// The codes of the events that travel through the event manager. S: sent (immediate),
// P: posted (queued), Q: query. p1, p2 and the text are the event's parameters.
#include <cstdint>

enum EventCode : std::int32_t {
  EV_ComponentGone = 1,          // S  p2 = ComponentId of a sheet's grid being destroyed: its pop-ups go
  EV_ToolBarRefresh = 2,         // S  the controller refreshes the tool bar
  EV_StatusMessage = 4,          // SP p1 = text colour, p2 = background colour, text; shown by nobody
  EV_MenuRefresh = 9,            // S  every menu builder refreshes its entries
  EV_MenuClearSub = 10,          // S  p2 = cell identifier: that main menu entry loses its sub-entries
  EV_MenuFillSub = 11,           // S  p2 = cell identifier, text = key: fill from key + "_Body"
  EV_QueryCurrentCell = 12,      // Q  the open sheet's current cell: a copy of its attribute set as the object
  EV_QuerySheetKey = 13,         // Q  the current sheet's definition key
  EV_QuerySheetName = 14,        // Q  the current sheet's full name
  EV_SheetRefreshAll = 15,       // P  the current sheet redraws all cells (refresh selector 0x20)
  EV_SheetRefreshIndex = 18,     // P  p2 = index: the cells showing that index (refresh selector 8)
  EV_CurrentCellChanged = 21,    // P  with a data block
  EV_ModalMessage = 22,          // P
  EV_CommitEdit = 24,            // S  the in-place edit stores its value; selection lists close
  EV_QueryIsPopup = 30,          // Q  p2 = ComponentId of a grid: a pop-up it opened answers 1
  EV_RefreshAll = 31,            // S  tree captions and the open sheet are brought up to date
  EV_LanguageChanged = 32,       // P
  EV_LinkNameChanged = 33,       // S  p2 = program scan link 0-9: its tree caption is refreshed
  EV_ViewChanged = 34,           // SP p1 = 1: reposition; the controller reopens the current sheet
  EV_StartCloneInfo = 35,        // S  Clone Information
  EV_ShowMainWindow = 36,        // S  the main window is shown, enabled and focused
  EV_ApplyRadioInfo = 37,        // S  p1 = flags
  EV_DestinationSet = 38,        // S  main window hidden: the document becomes the defaults image, saved
  EV_CloneStarted = 42,          // S  the visible main window and initial setup dialog are disabled
  EV_CloneEnded = 43,            // S  p1 = 1 success: main window enabled; setup dialog only after a failure
  EV_CloneWindowClosed = 44,     // S  the visible main window is enabled and focused
  EV_ListChanged = 45,           // S
  EV_RebuildBankIndex = 46,      // S  the controller rebuilds the program-side bank index
  EV_TreeCaption = 51,           // P  p2 = node index, text = caption: the tree renames matching nodes
  EV_QueryListRange = 52,        // Q
  EV_ListEntryAdded = 53,        // S
  EV_ListEntryRemoved = 54,      // S
  EV_InitialSetupDone = 60,      // S  the initial setup dialog closes
  EV_InitialSetupFileDone = 61,  // S  likewise, after a file was used
};
