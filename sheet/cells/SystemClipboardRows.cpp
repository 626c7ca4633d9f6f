#include "sheet/cells/SystemClipboardRows.h"

#include <optional>
#include <utility>
#include <vector>

#include "base/ProgramMessage.h"
#include "files/CsvClipboard.h"
#include "memory/BankEdits.h"
#include "memory/GpsList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datClipCh.h"
#include "sheet/cells/ListOperations.h"
#include "text/cmcGTex.h"

namespace {

struct Target {
  CsvList list;
  std::uint8_t scope;
};

bool KindsMatch(CsvListKind csv, int kind) {
  switch (csv) {
    case CsvListKind::kMemoryChannels:
    case CsvListKind::kScanEdges:
    case CsvListKind::kCallChannels:
      return kind == RecordKind::kChannel;
    case CsvListKind::kBank:
      return kind == RecordKind::kBankView;
    case CsvListKind::kRepeaters:
      return kind == RecordKind::kRepeater;
    case CsvListKind::kGps:
      return kind == RecordKind::kGps;
    case CsvListKind::kYourCalls:
      return kind == RecordKind::kYourCall;
    default:
      return false;  // the broadcast lists split a bank in two; the call records take no paste
  }
}

// The CSV list of the open page when its layout holds the rows the frame works on.
std::optional<Target> TargetOf(const ActiveCellFrame& frame) {
  const auto target = CsvTargetOfSheet(frame.document.CurrentSheetNumber(), false);
  if (!target || !KindsMatch(target->first.kind, frame.listKind)) return std::nullopt;
  return Target{target->first, target->second};
}

// The list index of the scope's first export row.
int ScopeFirstIndex(const ActiveCellFrame& frame, const Target& target) {
  if (frame.listKind == RecordKind::kChannel) return ChannelBlock(frame.index).low;
  if (frame.listKind == RecordKind::kBankView || target.scope == kCsvScopeAll) return 0;
  return frame.range.first;
}

struct Span {
  int first = 0;
  int count = 0;
};

// The rows an import left in the scope of image: for fixed lists from the first used row to
// the last, so that empty rows between them stay.
Span ImportedSpan(const ActiveCellFrame& frame, const Target& target, cmcEeprom& image) {
  const bool all = target.scope == kCsvScopeAll;
  switch (frame.listKind) {
    case RecordKind::kRepeater:
      return all ? Span{0, RepeaterCount(image)}
                 : Span{GroupStart(image, target.list.group), GroupCount(image, target.list.group)};
    case RecordKind::kGps: {
      const GpsGroups groups = ReadGpsGroups(image);
      if (all) return {0, groups.length};
      const auto group = static_cast<std::size_t>(target.list.group);
      return groups.start[group] == kGpsNoGroupStart ? Span{} : Span{groups.start[group], groups.count[group]};
    }
    case RecordKind::kYourCall:
      return {0, YourCallCount(image)};
    default:
      break;
  }
  const bool bank = frame.listKind == RecordKind::kBankView;
  const IndexBlock block = bank ? IndexBlock{0, MemoryMap::kBankChannelCount - 1} : ChannelBlock(frame.index);
  datCh record(image);
  auto used = [&](int i) {
    if (bank) return AnyBankRowUsed(image, frame.bank, i, i);
    record.Load(RecordKind::kChannel, i);
    return record.IsUsed();
  };
  int first = block.low;
  while (first <= block.high && !used(first)) ++first;
  int last = block.high;
  while (last >= first && !used(last)) --last;
  return {first, last - first + 1};
}

// The records of the span of image, bound to the document's image, become the clipboard's.
void TakeRecords(ActiveCellFrame& frame, cmcEeprom& image, Span span) {
  datClipCh scratch;
  if (frame.listKind == RecordKind::kBankView) {
    CopyBankRows(image, frame.bank, span.first, span.first + span.count - 1, scratch);
  } else {
    scratch.Copy(image, frame.listKind, span.first, span.count);
  }
  std::vector<datCh> records;
  for (int i = 0; i < scratch.Count(); ++i) {
    records.push_back(scratch.Record(i));
    records.back().Bind(frame.Image());
  }
  frame.document.Clipboard().Assign(scratch.Kind(), span.first, std::move(records));
}

void ShowMessages(ActiveCellFrame& frame, const CsvImportResult& result) {
  cmcGTex& texts = frame.document.Texts();
  for (const std::string& message : ImportMessages(result, texts)) {
    ShowProgramMessage(message, texts.GetLine("GI_Sys_AppTitle", 0), MessageButtons::Ok, MessageIcon::Warning);
  }
}

}  // namespace

void NoteCopiedRowsText(ActiveCellFrame& frame, int first, int last) {
  const auto target = TargetOf(frame);
  std::string text;
  if (target) {
    const int row = first - ScopeFirstIndex(frame, *target);
    text = ClipboardRowsText(frame.Image(), frame.document.DefaultsImage(), target->list, target->scope, row,
                             last - first + 1);
  }
  frame.document.Clipboard().SetCopiedText(std::move(text));
}

bool TakeForeignText(ActiveCellFrame& frame) {
  datClipCh& clipboard = frame.document.Clipboard();
  const std::string text = clipboard.ForeignText();
  const auto target = TargetOf(frame);
  if (text.empty() || !target) return true;
  cmcEeprom scratch;
  scratch.Assign(frame.Image());
  const CsvImportResult result =
      ReadClipboardRows(scratch, frame.document.DefaultsImage(), target->list, target->scope, text);
  ShowMessages(frame, result);
  // Rows an import stores empty give no record: a text of only such rows pastes nothing.
  const Span span = result.changed ? ImportedSpan(frame, *target, scratch) : Span{};
  if (span.count <= 0) return false;
  TakeRecords(frame, scratch, span);
  return true;
}
