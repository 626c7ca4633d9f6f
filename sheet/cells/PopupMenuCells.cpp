// Pop-up menu entries and the commands they send. An entry is queried with the current cell's
// request as parent, so the prologue has loaded the current row; a chosen entry comes back as
// the command of an action on the current cell.
#include "base/EventCodes.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/datClipCh.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ListOperations.h"
#include "sheet/layout/TreeNodes.h"
#include "text/cmcCellObj.h"

namespace {

constexpr int kStateChecked = 0;
constexpr int kStateHidden = 1;
constexpr int kStateDisabled = 2;

// Settings offsets of the home channels.
constexpr MemoryMap::Address kHomeVfo = MemoryMap::kSettings + 127;
constexpr MemoryMap::Address kHomeMemory = MemoryMap::kSettings + 131;
constexpr MemoryMap::Address kHomeDr = MemoryMap::kSettings + 133;

// CarryUp (towards the first row) or CarryDown: disabled on the end row of the block.
bool CarryDisabled(const ActiveCellFrame& frame, bool up) {
  const int i = frame.index;
  const auto atEnd = [up, i](IndexBlock block) { return i == (up ? block.low : block.high); };
  switch (frame.listKind) {
    case RecordKind::kChannel:
      return atEnd(ChannelBlock(i));
    case RecordKind::kBankView:
      return atEnd({0, MemoryMap::kBankChannelCount - 1});
    default:
      if (IsCountedKind(frame.listKind)) return frame.newEntryRow || atEnd(KindRange(frame));
      return !KindRange(frame).Contains(i) || atEnd(KindRange(frame));
  }
}

bool EditDisabled(const ActiveCellFrame& frame, unsigned entry) {
  const int i = frame.index;
  if (frame.listKind == RecordKind::kChannel || frame.listKind == RecordKind::kBankView) {
    return i >= MemoryMap::kChannelIndexCount || !KindRange(frame).Contains(i);
  }
  if (frame.listKind == RecordKind::kScanLink) return i % MemoryMap::kScanLinkRows == 0;
  if (IsCountedKind(frame.listKind)) return entry != CL_PMenu_Insert && frame.newEntryRow;
  return !KindRange(frame).Contains(i);
}

bool RepeaterSetDisabled(const ActiveCellFrame& frame) {
  if (frame.listKind == RecordKind::kChannel) return !frame.record.IsUsed();
  if (frame.listKind == RecordKind::kBankView) return frame.ChannelRowEmpty();
  return false;
}

bool InOwnRange(const ActiveCellFrame& frame) { return KindRange(frame).Contains(frame.index) && !frame.newEntryRow; }

bool PasteDisabled(const ActiveCellFrame& frame) {
  const datClipCh& clipboard = frame.document.Clipboard();
  if (!clipboard.Accepts(frame.listKind) && clipboard.ForeignText().empty()) return true;
  if (frame.newEntryRow) return true;
  return frame.listKind != RecordKind::kNone && !KindRange(frame).Contains(frame.index);
}

bool EntryDisabled(const ActiveCellFrame& frame) {
  switch (frame.cellId) {
    case CL_PMenu_NoItem:
      return true;
    case CL_PMenu_Rpt_Set:
      return RepeaterSetDisabled(frame);
    case CL_PMenu_Copy:
      return !InOwnRange(frame);
    case CL_PMenu_Paste:
      return PasteDisabled(frame);
    case CL_PMenu_CarryUp:
      return CarryDisabled(frame, true);
    case CL_PMenu_CarryDown:
      return CarryDisabled(frame, false);
    case CL_PMenu_Clear:
    case CL_PMenu_Delete:
    case CL_PMenu_Insert:
      return EditDisabled(frame, frame.cellId);
    default:
      return false;
  }
}

bool IsColumnGroupEntry(unsigned id) { return id >= CL_PMenu_Tone_Cut && id <= CL_PMenu_WX_Cut; }

std::int32_t ColumnGroupBit(unsigned id) { return 1 << (id - CL_PMenu_Tone_Cut); }

void SetRepeaterUse(ActiveCellFrame& frame, bool on) {
  if (frame.listKind != RecordKind::kRepeater) return;
  datCh repeater(frame.Image());
  for (int i = frame.range.first; i <= frame.range.last; ++i) {
    repeater.Load(RecordKind::kRepeater, i);
    repeater.rpt1Use = on ? 1 : 0;
    repeater.Commit();
  }
  frame.scope |= kRepaintSameCategory;
}

void ClearHomeChannel(ActiveCellFrame& frame) {
  cmcEeprom& image = frame.Image();
  if (frame.cellId == CL_Common_HmchVfo) {
    WriteU32(image, kHomeVfo, 0);
  } else if (frame.cellId == CL_Common_HmchMr) {
    WriteU16(image, kHomeMemory, 0xFFFF);
  } else if (frame.cellId == CL_Common_HmchDr) {
    WriteU16(image, kHomeDr, 0xFFFF);
  }
}

void ToggleColumnGroup(ActiveCellFrame& frame, unsigned command) {
  frame.document.SetColumnCutMask(frame.document.ColumnCutMask() ^ ColumnGroupBit(command));
  frame.Send(EV_ViewChanged);
}

// The pop-up menu commands other than Help, which the dispatcher answers before any cell.
void RunCommand(ActiveCellFrame& frame, unsigned command) {
  if (RunListOperation(frame, command)) return;
  if (command == CL_PMenu_Rpt_Set) return RunCallSignPicker(frame);
  if (IsColumnGroupEntry(command)) return ToggleColumnGroup(frame, command);
  if (command == CL_PMenu_RptUseFromAllNo || command == CL_PMenu_RptUseFromAllYes) {
    return SetRepeaterUse(frame, command == CL_PMenu_RptUseFromAllYes);
  }
  if (command == CL_PMenu_HomeCH_Clear) ClearHomeChannel(frame);
}

}  // namespace

bool RunPopupMenuCommand(ActiveCellFrame& frame) {
  const auto command = static_cast<unsigned>(frame.request.command);
  const bool editMenuCommand = command == CL_Menu_Edit_Sort;
  if (!editMenuCommand && (command < CL_PMenu_BankOff || command > CL_PMenu_HomeCH_Clear)) return false;
  if (command == CL_PMenu_Edit) {
    frame.request.key = kKeyEnter;
    frame.request.command = 0;
    return false;
  }
  if (frame.IsAction()) RunCommand(frame, command);
  return true;
}

void AnswerPopupMenuEntry(ActiveCellFrame& frame) {
  cmcCellObj& cell = *frame.request.cell;
  cell.SetStateFlag(kStateDisabled, EntryDisabled(frame));
  if (frame.cellId == CL_PMenu_NoItem) cell.SetStateFlag(kStateHidden, frame.request.parent != nullptr);
  if (IsColumnGroupEntry(frame.cellId)) {
    cell.SetStateFlag(kStateChecked, (frame.document.ColumnCutMask() & ColumnGroupBit(frame.cellId)) != 0);
  }
}
