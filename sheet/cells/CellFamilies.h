#pragma once
// The behaviour of each family of cell identifiers, as the dispatcher calls it once the
// prologue has loaded the request's record.
#include "sheet/cells/ActiveCellFrame.h"

// Selection list entries (Flex0 ... CL_FlexMark_RptDup): caption and suitability marks.
void AnswerSelectionEntry(ActiveCellFrame& frame);
// Main menu and tool bar entries (CL_Menu_ names, CL_Help_ names): command and states.
void AnswerMenuCell(ActiveCellFrame& frame);
// Pop-up menu entries (CL_PMenu_ names) shown in a menu: their states.
void AnswerPopupMenuEntry(ActiveCellFrame& frame);
// A pop-up menu command carried in the request's command field; true when it was handled.
bool RunPopupMenuCommand(ActiveCellFrame& frame);
// The error and warning scan identifiers (CL_Check_ names): the marks of the lists they cover.
void AnswerCheckCell(ActiveCellFrame& frame);
// Numbering, labels and the top page (CL_Misc_ and CL_Top_ names).
// The number column of the counted lists: the row's position in its list (from 1 for
// your call signs), "New" on the row after the last entry.
void AnswerListNumber(ActiveCellFrame& frame);
void AnswerLabelCell(ActiveCellFrame& frame);
// Tree navigation: Enter opens the sheet named by the cell's argument.
void AnswerCallSheet(ActiveCellFrame& frame);
// Names of banks, scan edges, scan links, radio banks, GPS groups and repeater groups.
void AnswerNameCell(ActiveCellFrame& frame);
// Memory channel columns (memory channels, scan edges, call channels, bank sheets).
void AnswerMemoryChannelCell(ActiveCellFrame& frame);
// The pop-up command Select on a DV call-sign cell of a channel in use: the call-sign picker.
void RunCallSignPicker(ActiveCellFrame& frame);
// The frequencies of a scan edge pair beside its name.
void AnswerScanEdgeFrequency(ActiveCellFrame& frame);
// The program scan link pages: member pairs, their names and edges, and the "Add" row.
void AnswerScanLinkCell(ActiveCellFrame& frame);
// The your-call-sign list's name and call sign columns.
void AnswerYourCallCell(ActiveCellFrame& frame);
// Transmit messages and own call signs, each with the row in use.
void AnswerStationCell(ActiveCellFrame& frame);
// DTMF memories with the one in use, and the DTMF speed.
void AnswerDtmfCell(ActiveCellFrame& frame);
// The received call record and the transmit histories, read-only.
void AnswerCallRecordCell(ActiveCellFrame& frame);
// Repeater list columns of a group's sheet (the service columns show nothing).
void AnswerRepeaterCell(ActiveCellFrame& frame);
// Broadcast radio columns of a group's FM or AM page.
void AnswerBroadcastCell(ActiveCellFrame& frame);
// GPS memory columns of a group's sheet.
void AnswerGpsCell(ActiveCellFrame& frame);
// The clone information sheet (CL_CloneInfo_ names): the radio's last information block.
void AnswerCloneInfoCell(ActiveCellFrame& frame);
// The set-mode items (CL_Common_ names from CL_Common_RxBass on): the radio's menu settings.
void AnswerSetModeCell(ActiveCellFrame& frame);
// Identifiers whose behaviour is not built: "%d *Yet*" with the identifier's number.
void AnswerNotYet(ActiveCellFrame& frame);
// Identifiers that show nothing and do nothing (none, the service windows).
void AnswerNothing(ActiveCellFrame& frame);

// Cells of empty rows: shows them empty and sends typed keys to the row's key column;
// true when the request was handled so. Cells of the read-only call record lists get their
// colour here.
bool RedirectEmptyRow(ActiveCellFrame& frame);
