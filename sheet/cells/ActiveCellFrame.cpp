#include "sheet/cells/ActiveCellFrame.h"

#include <utility>

#include "base/cmcEvMan.h"
#include "memory/BroadcastList.h"
#include "memory/ChannelList.h"
#include "memory/DestinationTables.h"
#include "memory/GpsList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "platform/Fatal.h"
#include "sheet/layout/SheetName.h"
#include "sheet/layout/TreeNodes.h"
#include "text/cmcCellObj.h"

namespace {

// The group and count the open list sheet answers; none without an answer.
ListRange AnsweredRange(cmcEvMan* events) {
  ListRange range;
  if (events == nullptr) return range;
  const cmcEvAns& answer = events->Query(EV_QueryListRange);
  if (!answer.answered) return range;
  range.group = static_cast<int>(answer.value1);
  range.count = static_cast<int>(answer.value2);
  return range;
}

ListRange CountedRange(int kind, CellDocument& document) {
  const cmcEeprom& image = document.Image();
  ListRange range = kind == RecordKind::kYourCall ? ListRange{} : AnsweredRange(document.Events());
  switch (kind) {
    case RecordKind::kGps: {
      const GpsGroups groups = ReadGpsGroups(image);
      const bool known = range.group >= 0 && range.group < static_cast<int>(groups.start.size());
      const int start = known ? groups.start[static_cast<std::size_t>(range.group)] : kGpsNoGroupStart;
      range.first = start == kGpsNoGroupStart ? 0 : start;
      break;
    }
    case RecordKind::kRepeater:
      range.first = GroupStart(image, range.group);
      range.count = GroupCount(image, range.group);
      break;
    case RecordKind::kYourCall:
      range.count = YourCallCount(image);
      break;
    default:
      range.first = BroadcastListIndex(BroadcastGroupOfList(range.group), IsAmList(range.group), 0);
      break;
  }
  range.last = range.first + range.count - 1;
  return range;
}

}  // namespace

bool IsCountedKind(int kind) {
  return kind == RecordKind::kGps || kind == RecordKind::kRepeater || kind == RecordKind::kYourCall ||
         kind == RecordKind::kBroadcastFm || kind == RecordKind::kBroadcastAm;
}

int ListKindOf(unsigned category) {
  switch (category) {
    case CT_Null:
    case CT_PopupMenu:
    case kCategoryNone:
      return RecordKind::kNone;
    case CT_Conv:
      return RecordKind::kChannel;
    case CT_BankCh:
      return RecordKind::kBankView;
    case CT_Prog_Link:
      return RecordKind::kScanLink;
    case CT_Gps:
      return RecordKind::kGps;
    case CT_Rptlist:
      return RecordKind::kRepeater;
    case CT_Urlist:
      return RecordKind::kYourCall;
    case CT_RXCall:
      return RecordKind::kReceivedCall;
    case CT_TXCall_From:
    case CT_TXCall_FAnalog:
    case CT_TXCall_To:
    case CT_TXCall_Ref:
      return RecordKind::kHistoryFrom + static_cast<int>(category - CT_TXCall_From);
    case CT_Radio_Fm:
      return RecordKind::kBroadcastFm;
    case CT_Radio_Am:
      return RecordKind::kBroadcastAm;
    default:
      Fatal("Unknown Cell Category.");
  }
}

ActiveCellFrame::ActiveCellFrame(cmcCellCapsule& request_, int op_, CellDocument& document_)
    : request(request_),
      op(op_),
      document(document_),
      category(request_.cell->category),
      cellId(request_.cell->cellId),
      index(request_.cell->index),
      record(document_.Image()) {}

void ActiveCellFrame::Load(int kind, int32_t atIndex, std::string_view sheetArgument) {
  listKind = kind;
  record.Reset();
  bankSlotEmpty = false;
  newEntryRow = false;
  range = ListRange{};
  if (kind == RecordKind::kBankView) {
    bank = BankOfNode(ArgumentNumber(sheetArgument));
    const std::uint16_t entry = BankTableEntry(Image(), bank, atIndex);
    bankSlotEmpty = entry >= MemoryMap::kFirstCallChannelIndex;
    if (bankSlotEmpty) {
      record.SetUsed(false);
    } else {
      record.Load(RecordKind::kChannel, entry);
    }
  } else if (kind == RecordKind::kScanLink) {
    if (atIndex > 0) record.Load(kind, atIndex);
  } else if (kind != RecordKind::kNone) {
    record.Load(kind, atIndex);
  }
  if (IsCountedKind(kind)) {
    range = CountedRange(kind, document);
    newEntryRow = range.count == 0 || atIndex > range.last;
  }
}

bool ActiveCellFrame::ChannelRowEmpty() const {
  return !record.IsUsed() || record.frequency > Bands::kChannelFrequencyLimits.high;
}

void ActiveCellFrame::Commit() {
  if (!IsAction()) return;
  record.Commit();
  recordChanged = true;
}

void ActiveCellFrame::Send(std::int32_t code, std::int64_t p1, std::int64_t p2) const {
  if (cmcEvMan* events = document.Events()) events->Send(code, p1, p2);
}

void ActiveCellFrame::PostText(std::int32_t code, std::int64_t p2, std::string_view text) const {
  if (cmcEvMan* events = document.Events()) events->PostText(code, 0, p2, text);
}

void ActiveCellFrame::OpenEditor(std::string text, int32_t selectionStart, int32_t selectionLength, int32_t maxLength) {
  request.outputText = std::move(text);
  request.selectionStart = selectionStart;
  request.selectionLength = selectionLength;
  request.maxLength = maxLength;
  result = kCellResultEdit;
}

void ActiveCellFrame::OpenPopup(PopupRequest popup) {
  if (auto* editor = std::get_if<GpsTextPopup>(&popup)) editor->openingKey = Key();
  request.popup = std::move(popup);
  result = kCellResultRefresh;
}

void ActiveCellFrame::SetMark(std::uint8_t bit, int32_t position) {
  request.flags = static_cast<std::uint8_t>(request.flags | bit);
  request.markPosition = position;
}
