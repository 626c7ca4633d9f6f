// Cells of empty rows show nothing; a key typed on one goes to the row's key column, where
// the row starts (a channel takes its frequency first, a list entry its key field), and on
// the new-entry row of a counted list the key column adds the entry.
#include <initializer_list>

#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ListOperations.h"

namespace {

bool OneOf(unsigned cellId, std::initializer_list<unsigned> ids) {
  for (unsigned id : ids) {
    if (id == cellId) return true;
  }
  return false;
}

bool KeyMayStartRow(int key) { return key < 128 || key == kKeyF2 || key == kKeyInputMethodStart; }

struct EmptyRow {
  bool empty;
  bool shownAsUsual;    // the row's number cells
  bool keepsBehaviour;  // the key column and the cells that act on empty rows themselves
  unsigned keyColumn;
};

bool IsCallSignCell(unsigned cellId) {
  return OneOf(cellId, {CL_Mch_DYou_Callsign, CL_Mch_DRpt1_Callsign, CL_Mch_DRpt2_Callsign});
}

EmptyRow ChannelRow(const ActiveCellFrame& frame) {
  const unsigned id = frame.cellId;
  const bool dialogCalls = frame.document.Settings().repeaterDialog != 0 && IsCallSignCell(id);
  const bool bankSelect = frame.category == CT_BankCh && id == CL_Mch_Select_ChNo;
  return {frame.ChannelRowEmpty(), OneOf(id, {CL_Misc_ChNo_0Base, CL_Misc_ChNo_1Base, CL_Misc_ChNo_Edge}),
          id == CL_Mch_Freq || dialogCalls || bankSelect, CL_Mch_Freq};
}

EmptyRow CountedRow(const ActiveCellFrame& frame, bool unusedCounts, unsigned numberId, unsigned keyId) {
  const bool unused = unusedCounts && !frame.record.IsUsed() && (frame.Key() < 128 || frame.Key() == kKeyF2);
  return {frame.newEntryRow || unused, frame.cellId == numberId, frame.cellId == keyId, keyId};
}

EmptyRow RowOf(const ActiveCellFrame& frame) {
  switch (frame.category) {
    case CT_Conv:
    case CT_BankCh:
      return ChannelRow(frame);
    case CT_Gps:
      return CountedRow(frame, false, CL_Gps_ChNo, CL_Gps_Name);
    case CT_Rptlist:
      return CountedRow(frame, true, CL_Repeater_List_ChNo, CL_Repeater_List_Type);
    case CT_Urlist:
      return CountedRow(frame, true, CL_You_Callsign_ChNo, CL_You_Callsign_Code);
    case CT_Radio_Fm:
    case CT_Radio_Am:
      return CountedRow(frame, false, CL_Radio_ChNo, CL_Radio_Freq);
    default:
      return {false, true, true, kCellIdNone};
  }
}

bool IsCallRecordList(unsigned category) {
  return OneOf(category, {CT_RXCall, CT_TXCall_From, CT_TXCall_FAnalog, CT_TXCall_To, CT_TXCall_Ref});
}

}  // namespace

bool RedirectEmptyRow(ActiveCellFrame& frame) {
  if (!KeyMayStartRow(frame.Key())) return false;
  // The call records are the radio's own log: shown, never edited here.
  if (IsCallRecordList(frame.category) && frame.cellId != CL_Misc_ChNo_1Base) frame.request.fontColor = kClOlive;
  const EmptyRow row = RowOf(frame);
  if (!row.empty || row.shownAsUsual || row.keepsBehaviour) return false;
  cmcCellCapsule& request = frame.request;
  request.outputText.clear();
  request.moveRequest = 1;
  request.moveCellId = row.keyColumn;
  request.moveIndex = frame.index;
  request.repeatKey = frame.Key();
  return true;
}

bool EnterRow(ActiveCellFrame& frame, bool keyStartsEntry) {
  if (!frame.newEntryRow) return true;
  if (frame.IsAction() && !frame.Committed() && keyStartsEntry && StartNewEntry(frame)) return true;
  frame.request.outputText.clear();
  return false;
}
