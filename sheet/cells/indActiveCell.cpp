#include "sheet/cells/indActiveCell.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/EventCodes.h"
#include "base/cmcEvMan.h"
#include "sheet/cells/ActiveCellFrame.h"
#include "sheet/cells/CellFamilies.h"
#include "text/FormattedText.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"

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
}

bool IsFill(const cmcCellCapsule& request) {
  return request.command == CL_Menu_Edit_Fill || request.command == CL_Menu_Edit_FillDown;
}

}  // namespace

int indActiveCell::HandleCellRequest(cmcCellCapsule& request, int op) {
  const bool asksHelp = request.key == kKeyF1 || request.command == CL_PMenu_Help;
  if (asksHelp && request.cell != nullptr) {
    if (op == kCellAction) document_.ShowHelp(*request.cell, request.sheetName);
    return kCellResultNothing;
  }
  if (op == kCellAction && IsFill(request) && request.cell != nullptr) {
    Fill(request);
    document_.NoteEdit();
    return kCellResultNothing;
  }
  const int result = Answer(request, op);
  const bool carriesInput = request.key != 0 || request.inputKind != kInputNone || request.command != 0;
  if (op == kCellAction && carriesInput && oneEditDepth_ == 0) document_.NoteEdit();
  return result;
}

int indActiveCell::Answer(cmcCellCapsule& request, int op) {
  ActiveCellFrame frame(request, op, document_);
  StartRequest(frame);
  frame.handled = RunPopupMenuCommand(frame);
  if (!frame.handled) TakeParentRow(frame);
  if (!frame.handled) frame.handled = RedirectEmptyRow(frame);
  if (!frame.handled) BehaviourOf(frame.cellId)(frame);
  FinishRequest(frame);
  return frame.result;
}

CellProbe indActiveCell::Probe(cmcCellCapsule request) {
  request.key = kKeyF2;
  request.command = 0;
  request.inputKind = kInputNone;
  const int result = HandleCellRequest(request, kCellAction);
  return {request.popup, result == kCellResultEdit, request.outputText};
}

bool indActiveCell::HandInput(cmcCellCapsule request, const CellInput& input) {
  cmcCellCapsule list;
  if (input.entry) {
    list.cell = const_cast<cmcCellObj*>(&*input.entry);
    request.parent = &list;
  }
  request.key = 0;
  request.command = 0;
  request.inputKind = input.kind;
  request.inputText = input.text;
  HandleCellRequest(request, kCellAction);
  return !request.inputRefused;
}

// Fill hands every selected cell what the request carries (the text typed into the current
// cell, or the entry picked from its list), or without one the current cell's value; Fill Down
// hands the cells below the first selected one that cell's value. Each cell takes it by its own
// rules or refuses and keeps its value.
void indActiveCell::Fill(cmcCellCapsule& request) {
  const bool lines = (request.rangeFlags & kRangeLinesSelected) != 0;
  const std::int32_t low = lines ? request.rangeLow : request.cell->index;
  const std::int32_t high = lines ? request.rangeHigh : request.cell->index;
  const auto requestFor = [&request](cmcCellObj& cell) {
    cmcCellCapsule one = request;
    one.cell = &cell;
    one.flags = static_cast<std::uint8_t>(one.flags & ~kRequestCurrentCell);
    one.rangeFlags = 0;
    return one;
  };
  std::optional<std::int32_t> source;
  if (request.command == CL_Menu_Edit_FillDown) source = low;
  if (request.command == CL_Menu_Edit_Fill && request.inputKind == kInputNone) source = request.cell->index;
  ++oneEditDepth_;
  CellInput input;
  if (source) {
    cmcCellObj cell = *request.cell;
    cell.index = *source;
    input = UnchangedInput(Probe(requestFor(cell)));
  } else {
    input.kind = request.inputKind;
    input.text = request.inputText;
    if (request.inputKind == kInputPicked && request.parent != nullptr && request.parent->cell != nullptr) {
      input.entry = *request.parent->cell;
    }
  }
  // Most cells drop a value they cannot take without saying so: one that still shows what it
  // did, unlike the cells that took the value, refused it.
  const auto shownText = [&](std::int32_t index) {
    cmcCellObj cell = *request.cell;
    cell.index = index;
    return QueryCellText(cell, 0, request.sheetArgument);
  };
  struct Handed {
    std::string before;
    std::string after;
    bool refused;
  };
  std::vector<Handed> handed;
  std::optional<std::string> taken;
  for (std::int32_t index = low; index <= high; ++index) {
    if (index == source) continue;
    Handed cell{shownText(index), {}, input.kind == kInputNone};
    if (!cell.refused) {
      cmcCellObj target = *request.cell;
      target.index = index;
      cell.refused = !HandInput(requestFor(target), input);
    }
    cell.after = shownText(index);
    if (!cell.refused && cell.after != cell.before && !taken) taken = cell.after;
    handed.push_back(std::move(cell));
  }
  if (!taken && source) taken = shownText(*source);
  if (!taken && input.kind == kInputCommitted) taken = input.text;
  const auto refused = std::count_if(handed.begin(), handed.end(), [&taken](const Handed& cell) {
    return cell.refused || (cell.after == cell.before && cell.after != taken);
  });
  --oneEditDepth_;
  if (lines) request.rangeFlags = static_cast<std::uint8_t>(request.rangeFlags | kRangeApplied);
  cmcEvMan* events = document_.Events();
  if (events == nullptr) return;
  const std::string status =
      refused == 0 ? std::string()
                   : FormattedText(document_.Texts().GetLine("GI_AppMess_Fill_Refused", 0), static_cast<int>(refused));
  events->SendText(EV_StatusMessage, 0, 0, status);
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

cmcCellObj BoundCell(unsigned cellId, std::int32_t index) {
  cmcCellObj cell;
  cell.category = kCategoryNone;
  cell.cellId = cellId;
  cell.index = index;
  return cell;
}

CellInput UnchangedInput(const CellProbe& probe) {
  CellInput input;
  if (probe.editor) {
    input.kind = kInputCommitted;
    input.text = probe.editorText;
  } else if (const auto* list = std::get_if<SelectionListPopup>(&probe.popup)) {
    input.kind = kInputPicked;
    input.entry = BoundCell(list->entryId, list->value);
  } else if (const auto* integers = std::get_if<IntegerListPopup>(&probe.popup)) {
    input.kind = kInputPicked;
    input.entry = BoundCell(Flex0, integers->value);
  } else if (const auto* flags = std::get_if<BitFieldPopup>(&probe.popup)) {
    input.kind = kInputPicked;
    input.text = std::to_string(flags->value);
  } else if (const auto* gps = std::get_if<GpsTextPopup>(&probe.popup)) {
    input.kind = kInputPicked;
    input.text = gps->text;
  }
  return input;
}

int indActiveCell::Behaviour(cmcCellCapsule& request, int op, void* object) {
  return static_cast<indActiveCell*>(object)->HandleCellRequest(request, op);
}
