#include "sheet/cells/ListOperations.h"

#include <algorithm>

#include "base/EventCodes.h"
#include "base/ProgramMessage.h"
#include "base/cmcEvMan.h"
#include "memory/BankEdits.h"
#include "memory/BroadcastList.h"
#include "memory/ListBlocks.h"
#include "memory/ListEntries.h"
#include "memory/ListSort.h"
#include "memory/MemoryMap.h"
#include "memory/datClipCh.h"
#include "sheet/cells/SystemClipboardRows.h"
#include "sheet/layout/TreeNodes.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"

namespace {

using namespace MemoryMap;

// The rows a command works on: the selected lines, else the current row; clipped to the
// block the command may touch.
struct Rows {
  int first;
  int last;
  int Length() const { return last - first + 1; }
};

Rows SelectedRows(const ActiveCellFrame& frame, IndexBlock block) {
  const cmcCellCapsule& request = frame.request;
  Rows rows{frame.index, frame.index};
  if ((request.rangeFlags & kRangeLinesSelected) != 0) {
    rows = {std::min(request.rangeLow, request.rangeHigh), std::max(request.rangeLow, request.rangeHigh)};
  }
  return {std::max(rows.first, block.low), std::min(rows.last, block.high)};
}

// Questions and notices of the list commands, worded by the text database.
bool Confirm(ActiveCellFrame& frame, const char* key) {
  cmcGTex& texts = frame.document.Texts();
  return ShowProgramMessage(texts.GetValueText(key), texts.GetLine("GI_Sys_AppTitle", 0), MessageButtons::OkCancel,
                            MessageIcon::Warning) == kAnswerOk;
}

void ShowError(ActiveCellFrame& frame, const char* key) {
  cmcGTex& texts = frame.document.Texts();
  ShowProgramMessage(texts.GetValueText(key), texts.GetLine("GI_Sys_AppTitle", 0), MessageButtons::Ok,
                     MessageIcon::Error);
}

void ShowStatus(ActiveCellFrame& frame, const char* key) {
  if (cmcEvMan* events = frame.document.Events()) {
    events->SendText(EV_StatusMessage, 0, 0, frame.document.Texts().GetLine(key, 0));
  }
}

// The sheet keeps these rows selected.
void Select(ActiveCellFrame& frame, int first, int last) {
  frame.request.rangeLow = first;
  frame.request.rangeHigh = last;
  frame.request.rangeFlags = static_cast<std::uint8_t>(frame.request.rangeFlags | kRangeApplied);
}

void MoveCursorTo(ActiveCellFrame& frame, int index) {
  frame.request.moveRequest = 1;
  frame.request.moveIndex = index;
}

// The sheets repaint and the bank tables follow the channels.
void AnnounceChange(ActiveCellFrame& frame) {
  if (frame.listKind == RecordKind::kChannel || frame.listKind == RecordKind::kBankView) {
    frame.Send(EV_RebuildBankIndex);
  }
  frame.Send(EV_ListChanged);
  if (cmcEvMan* events = frame.document.Events()) events->Post(EV_SheetRefreshAll);
  frame.scope |= kRepaintEveryBoundCell;
}

bool AnyUsed(ActiveCellFrame& frame, int first, int last) {
  if (frame.listKind == RecordKind::kBankView) return AnyBankRowUsed(frame.Image(), frame.bank, first, last);
  datCh record(frame.Image());
  for (int index = first; index <= last; ++index) {
    record.Load(frame.listKind, index);
    if (record.IsUsed()) return true;
  }
  return false;
}

datClipCh& Clipboard(ActiveCellFrame& frame) { return frame.document.Clipboard(); }

// --- Copy and Paste ---

void Copy(ActiveCellFrame& frame, IndexBlock block) {
  const Rows rows = SelectedRows(frame, block);
  if (frame.listKind == RecordKind::kBankView) {
    CopyBankRows(frame.Image(), frame.bank, rows.first, rows.last, Clipboard(frame));
  } else {
    Clipboard(frame).Copy(frame.Image(), frame.listKind, rows.first, rows.Length());
  }
  NoteCopiedRowsText(frame, rows.first, rows.last);
  Select(frame, rows.first, rows.last);
  ShowStatus(frame, "GI_AppMess_S_Copy");
}

void Paste(ActiveCellFrame& frame, IndexBlock block) {
  datClipCh& clipboard = Clipboard(frame);
  const int target = frame.index;
  if (!TakeForeignText(frame) || !clipboard.Accepts(frame.listKind)) return;
  const int room = block.high - target + 1;
  if (room < clipboard.Count() && !Confirm(frame, "GI_AppMess_Conv_Overflow_Paste")) return;
  const int count = std::min(room, clipboard.Count());
  if (AnyUsed(frame, target, target + count - 1) && !Confirm(frame, "GI_AppMess_Conv_Overwrite")) return;
  if (frame.listKind == RecordKind::kBankView) {
    const int pasted = PasteBankRows(frame.Image(), frame.bank, target, count, clipboard);
    if (pasted < count) frame.document.ShowNoFreeChannel();
  } else {
    PasteBlock(frame.Image(), clipboard, frame.listKind, target, count);
  }
  AnnounceChange(frame);
  Select(frame, target, target + count - 1);
  ShowStatus(frame, "GI_AppMess_S_Paste");
}

// --- Carry, Clear ---

void Carry(ActiveCellFrame& frame, IndexBlock block, int direction) {
  const Rows rows = SelectedRows(frame, block);
  if (direction < 0 ? rows.first <= block.low : rows.last >= block.high) return;
  if (frame.listKind == RecordKind::kBankView) {
    CarryBankRows(frame.Image(), frame.bank, rows.first, rows.last, direction);
  } else {
    CarryBlock(frame.Image(), frame.listKind, rows.first, rows.last, direction);
  }
  AnnounceChange(frame);
  if ((frame.request.rangeFlags & kRangeLinesSelected) != 0) {
    Select(frame, rows.first + direction, rows.last + direction);
  }
  MoveCursorTo(frame, frame.index + direction);
}

void Clear(ActiveCellFrame& frame, IndexBlock block) {
  const Rows rows = SelectedRows(frame, block);
  if (!Confirm(frame, "GI_AppMess_Conv_Clear")) return;
  if (frame.listKind == RecordKind::kBankView) {
    ClearBankRows(frame.Image(), frame.bank, rows.first, rows.last);
  } else {
    ClearBlock(frame.Image(), frame.listKind, rows.first, rows.last);
  }
  frame.Send(EV_RebuildBankIndex);
  if (cmcEvMan* events = frame.document.Events()) {
    for (int index = rows.first; index <= rows.last; ++index) events->Post(EV_SheetRefreshIndex, 0, index);
  }
  AnnounceChange(frame);
  ShowStatus(frame, "GI_AppMess_S_Clear");
}

// --- Delete and Insert ---

// Removes the entry of a counted list at a list index.
void RemoveCountedEntry(ActiveCellFrame& frame, int index) {
  cmcEeprom& image = frame.Image();
  switch (frame.listKind) {
    case RecordKind::kRepeater:
      return RemoveRepeater(image, index);
    case RecordKind::kYourCall:
      return RemoveYourCall(image, index);
    case RecordKind::kGps:
      return RemoveGpsMemory(image, index);
    default: {
      const int group = BroadcastGroupOfList(frame.range.group);
      const bool am = IsAmList(frame.range.group);
      const int slot = (am ? BroadcastFmCount(image, group) : 0) + index - frame.range.first;
      return RemoveBroadcastSlot(image, group, slot);
    }
  }
}

// Adds an entry of a counted list at a list index; false when the list is full.
bool InsertCountedEntry(ActiveCellFrame& frame, int index) {
  cmcEeprom& image = frame.Image();
  switch (frame.listKind) {
    case RecordKind::kRepeater:
      return InsertRepeater(image, frame.range.group, index);
    case RecordKind::kYourCall:
      return InsertYourCall(image, index);
    case RecordKind::kGps:
      return InsertGpsMemory(image, frame.range.group, index - frame.range.first);
    default:
      return InsertBroadcast(image, BroadcastGroupOfList(frame.range.group), IsAmList(frame.range.group),
                             index - frame.range.first);
  }
}

const char* FullListMessage(int kind) {
  const bool broadcast = kind == RecordKind::kBroadcastFm || kind == RecordKind::kBroadcastAm;
  return broadcast ? "GI_AppMess_ChErr_Overflow" : "GI_AppMess_MemoryErr_Overflow";
}

void DeleteScanLinkRow(ActiveCellFrame& frame) {
  if (frame.index % kScanLinkRows == 0 || frame.record.memberPair == kNoMemberPair) return;
  if (!Confirm(frame, "GI_AppMess_Conv_Delete")) return;
  frame.record.memberFlag = 0;
  frame.record.Store(RecordKind::kScanLink, frame.index);
  AnnounceChange(frame);
  ShowStatus(frame, "GI_AppMess_S_Delete");
}

// The read-only records: their position tables lose the rows.
void DeleteRecordRows(ActiveCellFrame& frame, Rows rows) {
  cmcEeprom scratch = frame.Image();
  const bool any = frame.listKind == RecordKind::kReceivedCall
                       ? RemoveReceivedCalls(scratch, rows.first, rows.last)
                       : RemoveHistoryPositions(scratch, frame.listKind, rows.first, rows.last);
  if (!any || !Confirm(frame, "GI_AppMess_Conv_Delete")) return;
  frame.Image().Assign(scratch);
  AnnounceChange(frame);
  MoveCursorTo(frame, rows.first);
  ShowStatus(frame, "GI_AppMess_S_Delete");
}

void Delete(ActiveCellFrame& frame, IndexBlock block) {
  if (frame.listKind == RecordKind::kScanLink) return DeleteScanLinkRow(frame);
  const Rows rows = SelectedRows(frame, block);
  if (rows.first > rows.last) return;
  if (frame.listKind >= RecordKind::kReceivedCall && frame.listKind <= RecordKind::kHistoryReflector) {
    return DeleteRecordRows(frame, rows);
  }
  if (AnyUsed(frame, rows.first, rows.last) && !Confirm(frame, "GI_AppMess_Conv_Delete")) return;
  if (frame.listKind == RecordKind::kBankView) {
    DeleteBankRows(frame.Image(), frame.bank, rows.first, rows.last, block.high);
  } else if (IsCountedKind(frame.listKind)) {
    for (int n = 0; n < rows.Length(); ++n) {
      RemoveCountedEntry(frame, rows.first);
      frame.Send(EV_ListEntryRemoved);
    }
  } else {
    DeleteBlock(frame.Image(), frame.listKind, rows.first, rows.last, block.high);
  }
  AnnounceChange(frame);
  MoveCursorTo(frame, rows.first);
  ShowStatus(frame, "GI_AppMess_S_Delete");
}

void InsertCounted(ActiveCellFrame& frame, Rows rows) {
  int inserted = 0;
  for (; inserted < rows.Length(); ++inserted) {
    if (!InsertCountedEntry(frame, rows.first)) break;
    frame.Send(EV_ListEntryAdded);
  }
  if (inserted > 0) {
    AnnounceChange(frame);
    Select(frame, rows.first, rows.first + inserted - 1);
    ShowStatus(frame, "GI_AppMess_S_Insert");
  }
  if (inserted < rows.Length()) ShowError(frame, FullListMessage(frame.listKind));
}

void Insert(ActiveCellFrame& frame, IndexBlock block) {
  if (IsCountedKind(frame.listKind)) {
    // The new-entry row lies after the group's last entry: inserting there appends.
    const IndexBlock room{block.low, block.high + 1};
    return InsertCounted(frame, SelectedRows(frame, room));
  }
  const Rows rows = SelectedRows(frame, block);
  if (rows.first > rows.last) return;
  const int pushedOut = block.high - rows.Length() + 1;
  if (AnyUsed(frame, pushedOut, block.high) && !Confirm(frame, "GI_AppMess_Conv_Overflow")) return;
  if (frame.listKind == RecordKind::kBankView) {
    InsertBankRows(frame.Image(), frame.bank, rows.first, rows.last, block.high);
  } else {
    InsertBlock(frame.Image(), frame.listKind, rows.first, rows.last, block.high);
  }
  AnnounceChange(frame);
  Select(frame, rows.first, rows.last);
  ShowStatus(frame, "GI_AppMess_S_Insert");
}

void BankOff(ActiveCellFrame& frame, IndexBlock block) {
  if (frame.listKind != RecordKind::kBankView) return;
  const Rows rows = SelectedRows(frame, block);
  BankOffRows(frame.Image(), frame.bank, rows.first, rows.last);
  AnnounceChange(frame);
}

// --- Sort ---

// The lists that sort within a page or group: memory channels (not the scan edges and call
// channels, whose places pair them), bank rows, repeaters, GPS memories and your call signs.
bool Sortable(const ActiveCellFrame& frame, IndexBlock block) {
  switch (frame.listKind) {
    case RecordKind::kChannel:
      return block.high < kFirstScanEdgeIndex;
    case RecordKind::kBankView:
      return frame.bank < kBankCount;
    case RecordKind::kRepeater:
    case RecordKind::kGps:
    case RecordKind::kYourCall:
      return true;
    default:
      return false;
  }
}

// The selected rows, or the whole page or group when no rows are selected.
void Sort(ActiveCellFrame& frame, IndexBlock block) {
  const SortOrder order = SortOrderOfCode(frame.request.commandArgument);
  if (!Sortable(frame, block) || !SortKeyApplies(frame.listKind, order.key)) {
    return ShowError(frame, "GI_AppMess_Sort_NoKey");
  }
  const bool selected = (frame.request.rangeFlags & kRangeLinesSelected) != 0;
  const Rows rows = selected ? SelectedRows(frame, block) : Rows{block.low, block.high};
  if (rows.first >= rows.last) return;
  if (frame.listKind == RecordKind::kBankView) {
    SortBankRows(frame.Image(), frame.bank, rows.first, rows.last, order);
  } else {
    SortBlock(frame.Image(), frame.listKind, rows.first, rows.last, order);
  }
  AnnounceChange(frame);
  if (selected) Select(frame, rows.first, rows.last);
  ShowStatus(frame, "GI_AppMess_S_Sort");
}

bool TakesListCommands(const ActiveCellFrame& frame) {
  if (frame.listKind == RecordKind::kNone) return false;
  return frame.listKind != RecordKind::kBankView || frame.bank < kBankCount;
}

}  // namespace

IndexBlock ChannelBlock(int index) {
  if (index < kFirstScanEdgeIndex) {
    const int first = index / kMemoryBlockSize * kMemoryBlockSize;
    return {first, first + kMemoryBlockSize - 1};
  }
  if (index < kFirstCallChannelIndex) return {kFirstScanEdgeIndex, kFirstCallChannelIndex - 1};
  return {kFirstCallChannelIndex, kChannelIndexCount - 1};
}

IndexBlock KindRange(const ActiveCellFrame& frame) {
  switch (frame.listKind) {
    case RecordKind::kChannel:
      return {0, kChannelIndexCount - 1};
    case RecordKind::kBankView:
      return {0, kBankChannelCount - 1};
    case RecordKind::kScanLink:
      return {0, kScanLinkCount * kScanLinkRows - 1};
    case RecordKind::kReceivedCall:
      return {0, kReceivedCallCount - 1};
    case RecordKind::kHistoryFrom:
      return {0, kHistoryFromCount - 1};
    case RecordKind::kHistoryFromAnalog:
      return {0, kHistoryFromAnalogCount - 1};
    case RecordKind::kHistoryTo:
      return {0, kHistoryToCount - 1};
    case RecordKind::kHistoryReflector:
      return {0, kHistoryReflectorCount - 1};
    default:
      return {frame.range.first, frame.range.last};
  }
}

IndexBlock OperationBlock(const ActiveCellFrame& frame) {
  if (frame.listKind == RecordKind::kChannel) return ChannelBlock(frame.index);
  return KindRange(frame);
}

bool RunListOperation(ActiveCellFrame& frame, unsigned command) {
  const bool listCommand = command == CL_PMenu_BankOff || (command >= CL_PMenu_Copy && command <= CL_PMenu_Insert);
  if (!listCommand && command != CL_Menu_Edit_Sort) return false;
  if (command == CL_Menu_Edit_Sort) {
    Sort(frame, OperationBlock(frame));
    return true;
  }
  if (!TakesListCommands(frame)) return true;
  const IndexBlock block = OperationBlock(frame);
  const bool appends = command == CL_PMenu_Insert && IsCountedKind(frame.listKind) && frame.index == block.high + 1;
  if (!block.Contains(frame.index) && !appends) return true;
  switch (command) {
    case CL_PMenu_Copy:
      Copy(frame, block);
      break;
    case CL_PMenu_Paste:
      Paste(frame, block);
      break;
    case CL_PMenu_CarryUp:
    case CL_PMenu_CarryDown:
      Carry(frame, block, command == CL_PMenu_CarryUp ? -1 : 1);
      break;
    case CL_PMenu_Clear:
      Clear(frame, block);
      break;
    case CL_PMenu_Delete:
      Delete(frame, block);
      break;
    case CL_PMenu_Insert:
      Insert(frame, block);
      break;
    default:
      BankOff(frame, block);
      break;
  }
  return true;
}

bool StartNewEntry(ActiveCellFrame& frame) {
  if (!InsertCountedEntry(frame, frame.index)) {
    ShowError(frame, FullListMessage(frame.listKind));
    return false;
  }
  frame.Send(EV_ListEntryAdded);
  AnnounceChange(frame);
  frame.Load(frame.listKind, frame.index, frame.request.sheetArgument);
  return true;
}
