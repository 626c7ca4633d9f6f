#include "sheet/cells/indActiveCell.h"

#include <array>

#include "sheet/cells/ActiveCellFrame.h"
#include "sheet/cells/CellFamilies.h"
#include "text/cmcCellObj.h"

namespace {

using FamilyBehaviour = void (*)(ActiveCellFrame&);

struct Family {
  unsigned first;
  unsigned last;
  FamilyBehaviour behaviour;
};

// Identifiers by family, in identifier order; identifiers outside every row have no
// behaviour yet.
constexpr std::array kFamilies{
    Family{CL_Null, CL_Null, &AnswerNothing},
    Family{Flex0, CL_FlexMark_RptDup, &AnswerSelectionEntry},
    Family{CL_Menu_File_New, CL_Help_Contents, &AnswerMenuCell},
    Family{CL_Menu_Debug_Compare, CL_EeDebugWin_F, &AnswerNothing},
    Family{CallSheet, CallSheet, &AnswerCallSheet},
    Family{CL_Check_MemoryCH0, CL_Check_RPTList29, &AnswerCheckCell},
    Family{CL_CloneInfo_Esn, CL_CloneInfo_DvInh, &AnswerCloneInfoCell},
    Family{CL_Debug_Info_Rx_Expansion, CL_Debug_QMS_LOAD, &AnswerNothing},
    Family{CL_PMenu_NoItem, CL_PMenu_HomeCH_Clear, &AnswerPopupMenuEntry},
    Family{CL_Misc_ChNo_0Base, CL_Top_Copyright, &AnswerLabelCell},
    Family{CL_Scan_Name, CL_Scan_Name, &AnswerNameCell},
    Family{CL_Scan_Edge_A, CL_Scan_Edge_B, &AnswerScanEdgeFrequency},
    Family{CL_Bank_Name, CL_Bank_Name, &AnswerNameCell},
    Family{CL_Mch_Select_ChNo, CL_Mch_Scan_Skip, &AnswerMemoryChannelCell},
    Family{CL_PgLink_Name, CL_PgLink_Name, &AnswerNameCell},
    Family{CL_PgLink_No, CL_Pglink_Edge_B, &AnswerScanLinkCell},
    Family{CL_DTMF_ChNo, CL_Common_DTMF_SPEED, &AnswerDtmfCell},
    Family{CL_Radio_ChNo, CL_Radio_ChNo, &AnswerListNumber},
    Family{CL_Radio_Name, CL_Radio_Freq, &AnswerBroadcastCell},
    Family{CL_Radio_Bank_Name, CL_Radio_Bank_Name, &AnswerNameCell},
    Family{CL_Gps_ChNo, CL_Gps_ChNo, &AnswerListNumber},
    Family{CL_Gps_Name, CL_Gps_Alarm, &AnswerGpsCell},
    Family{CL_Gps_Bank_Name, CL_Gps_Bank_Name, &AnswerNameCell},
    Family{CL_Tx_Message_ChNo, CL_My_Callsign2_Code, &AnswerStationCell},
    Family{CL_You_Callsign_ChNo, CL_You_Callsign_ChNo, &AnswerListNumber},
    Family{CL_You_Callsign_Name, CL_You_Callsign_Code, &AnswerYourCallCell},
    Family{CL_Group_Name, CL_Group_Name, &AnswerNameCell},
    Family{CL_Repeater_List_ChNo, CL_Repeater_List_ChNo, &AnswerListNumber},
    Family{CL_Repeater_List_Type, CL_Repeater_List_Debug_GwIndex, &AnswerRepeaterCell},
    Family{CL_Received_Callsign_Caller, CL_TxCall_Ref_Callsign, &AnswerCallRecordCell},
    Family{CL_Common_RxBass, CL_Common_Wx_Ch, &AnswerSetModeCell},
};

FamilyBehaviour BehaviourOf(unsigned cellId) {
  for (const Family& family : kFamilies) {
    if (cellId >= family.first && cellId <= family.last) return family.behaviour;
  }
  return &AnswerNotYet;
}

void StartRequest(ActiveCellFrame& frame) {
  cmcCellCapsule& request = frame.request;
  frame.Load(ListKindOf(frame.category), frame.index, request.sheetArgument);
  request.outputText.clear();
  request.fontColor = kClNone;
  request.flags = static_cast<uint8_t>(request.flags & ~(kRequestWarningMark | kRequestErrorMark));
  request.moveCategory = frame.category;
  request.moveCellId = frame.cellId;
  request.moveIndex = frame.index;
  if (request.key == kKeyDoubleClick) request.key = kKeyEnter;
}

// A pop-up menu entry asked on behalf of the current cell works on that cell's row.
void TakeParentRow(ActiveCellFrame& frame) {
  const cmcCellCapsule* parent = frame.request.parent;
  if (frame.category != CT_PopupMenu || parent == nullptr || parent->cell == nullptr) return;
  frame.Load(ListKindOf(parent->cell->category), parent->cell->index, parent->sheetArgument);
  frame.index = parent->cell->index;
}

void FinishRequest(ActiveCellFrame& frame) {
  cmcCellCapsule& request = frame.request;
  if (frame.recordChanged) frame.scope |= kRepaintSameIndex;
  if (frame.IsAction() && request.repaint) request.repaint(request, frame.scope);
  const bool carriesInput = request.key != 0 || request.inputKind != kInputNone || request.command != 0;
  if (frame.IsAction() && carriesInput) frame.document.NoteEdit();
}

}  // namespace

int indActiveCell::HandleCellRequest(cmcCellCapsule& request, int op) {
  const bool asksHelp = request.key == kKeyF1 || request.command == CL_PMenu_Help;
  if (asksHelp && request.cell != nullptr) {
    if (op == kCellAction) document_.ShowHelp(*request.cell, request.sheetName);
    return kCellResultNothing;
  }
  ActiveCellFrame frame(request, op, document_);
  StartRequest(frame);
  frame.handled = RunPopupMenuCommand(frame);
  if (!frame.handled) TakeParentRow(frame);
  if (!frame.handled) frame.handled = RedirectEmptyRow(frame);
  if (!frame.handled) BehaviourOf(frame.cellId)(frame);
  FinishRequest(frame);
  return frame.result;
}

std::string indActiveCell::QueryCellText(cmcCellObj& cell, std::int32_t key, std::string_view sheetArgument) {
  cmcCellCapsule request;
  request.cell = &cell;
  request.key = key;
  request.sheetArgument = std::string(sheetArgument);
  HandleCellRequest(request, kCellQuery);
  return request.outputText;
}

int indActiveCell::QueryCellFlags(cmcCellObj& cell, std::int32_t key) {
  cmcCellCapsule request;
  request.cell = &cell;
  request.key = key;
  return HandleCellRequest(request, kCellQuery);
}

int indActiveCell::Behaviour(cmcCellCapsule& request, int op, void* object) {
  return static_cast<indActiveCell*>(object)->HandleCellRequest(request, op);
}
