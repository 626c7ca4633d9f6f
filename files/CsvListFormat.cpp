#include "files/CsvListFormat.h"

#include <algorithm>

#include "text/TextFields.h"

namespace {

std::string LowerTrimmed(std::string_view text) {
  std::string lower(TrimControlsAndSpaces(text));
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace

bool IsGroupedList(CsvListKind kind) {
  return kind == CsvListKind::kBroadcast || kind == CsvListKind::kGps || kind == CsvListKind::kRepeaters;
}

bool IsPackedList(CsvListKind kind) { return IsGroupedList(kind) || kind == CsvListKind::kYourCalls; }

bool IsFixedList(CsvListKind kind) {
  return kind == CsvListKind::kMemoryChannels || kind == CsvListKind::kScanEdges || kind == CsvListKind::kBank ||
         kind == CsvListKind::kCallChannels;
}

bool IsExportOnly(CsvListKind kind) { return kind >= CsvListKind::kReceivedCalls; }

std::string_view CsvRow::Field(int slot) const {
  const int column = columns_[static_cast<std::size_t>(slot)];
  if (column < 0 || static_cast<std::size_t>(column) >= line_.fields.size()) return {};
  return line_.fields[static_cast<std::size_t>(column)];
}

std::optional<std::string_view> CsvRow::Present(int slot) const {
  if (!Has(slot)) return std::nullopt;
  return Field(slot);
}

void RowOutcome::Correct(std::string reason) {
  if (!corrected_) reason_ = std::move(reason);
  corrected_ = true;
}

void RowOutcome::Stored(CsvImportTally& tally) const {
  ++tally.imported;
  if (!corrected_) return;
  ++tally.corrected;
  tally.notes.push_back({line_, reason_, false});
}

void RowOutcome::Refused(CsvImportTally& tally, std::string reason) const {
  tally.notes.push_back({line_, std::move(reason), true});
}

int FindColumn(const CsvLine& header, std::string_view name) {
  const std::string wanted = LowerTrimmed(name);
  for (std::size_t i = 0; i < header.fields.size(); ++i) {
    if (LowerTrimmed(header.fields[i]) == wanted) return static_cast<int>(i);
  }
  return -1;
}

CsvOptions CsvListFormat::PrepareOptions(const CsvList& list) const {
  CsvOptions options;
  options.packed = IsPackedList(list.kind);
  options.numberFromOne = list.kind == CsvListKind::kYourCalls || list.kind >= CsvListKind::kReceivedCalls;
  options.scanEdgeList = list.kind == CsvListKind::kScanEdges;
  options.callChannelList = list.kind == CsvListKind::kCallChannels;
  return options;
}

bool CsvListFormat::MapHeader(const CsvLine& header, ColumnMap& columns) const {
  columns.fill(-1);
  const std::vector<std::string> names = ReadColumns();
  for (std::size_t slot = 0; slot < names.size() && slot < columns.size(); ++slot) {
    columns[slot] = FindColumn(header, names[slot]);
  }
  const std::vector<int> required = RequiredSlots();
  if (required.empty()) return false;
  return std::all_of(required.begin(), required.end(),
                     [&columns](int slot) { return columns[static_cast<std::size_t>(slot)] >= 0; });
}

void CsvListFormat::ReadRows(CsvContext&, cmcLoadFile&, const ColumnMap&, CsvImportTally&,
                             const KeepRpt1UseQuestion&) const {}

const CsvListFormat& CsvFormatOf(CsvListKind kind) {
  switch (kind) {
    case CsvListKind::kRepeaters:
      return RepeaterCsvFormat();
    case CsvListKind::kYourCalls:
      return YourCallCsvFormat();
    case CsvListKind::kGps:
      return GpsCsvFormat();
    case CsvListKind::kBroadcast:
      return BroadcastCsvFormat();
    case CsvListKind::kReceivedCalls:
      return ReceivedCallCsvFormat();
    case CsvListKind::kHistoryFrom:
    case CsvListKind::kHistoryFromAnalog:
    case CsvListKind::kHistoryTo:
    case CsvListKind::kHistoryReflector:
      return HistoryCsvFormat(kind);
    default:
      return MemoryChannelCsvFormat();
  }
}
