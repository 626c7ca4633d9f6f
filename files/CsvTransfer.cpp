#include "files/CsvTransfer.h"

#include <algorithm>

#include "files/AtomicSave.h"
#include "memory/BroadcastList.h"
#include "memory/FixedDefaults.h"
#include "memory/GpsList.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/cmcEeprom.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"

namespace {

// Sheet numbers of the navigation tree.
constexpr int kLastMemoryPage = 4;
constexpr int kScanEdgeSheet = 5;
constexpr int kFirstBankSheet = 21;
constexpr int kLastBankSheet = 46;
constexpr int kCallChannelSheet = 47;
constexpr int kFirstBroadcastSheet = 72;
constexpr int kLastBroadcastSheet = 149;
constexpr int kBroadcastSheetsPerBank = 3;
constexpr int kYourCallSheet = 160;
constexpr int kFirstRepeaterSheet = 163;
constexpr int kLastRepeaterSheet = 192;
constexpr int kFirstHistorySheet = 210;
constexpr int kReceivedCallSheet = 214;
constexpr int kFirstGpsSheet = 221;
constexpr int kLastGpsSheet = 247;

// Fields that hold the separator, a quote or a line break are quoted, their quotes doubled.
std::string QuotedIfNeeded(const std::string& field, char separator) {
  if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    quoted.push_back(c);
    if (c == '"') quoted.push_back('"');
  }
  return quoted + '"';
}

void AppendRow(std::string& text, const std::vector<std::string>& fields, char separator) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text.push_back(separator);
    text += QuotedIfNeeded(fields[i], separator);
  }
  text += "\r\n";
}

CsvImportResult ImportLoaded(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                             cmcLoadFile& file, const KeepRpt1UseQuestion& keepRpt1Use, char separator) {
  const CsvListFormat& format = CsvFormatOf(list.kind);
  CsvImportResult result;
  result.packed = IsPackedList(list.kind);
  ColumnMap columns{};
  if (IsExportOnly(list.kind) || !format.MapHeader(file.CurrentLine(), columns)) {
    result.status = CsvImportStatus::kIllegalData;
    return result;
  }
  result.status = CsvImportStatus::kRead;
  cmcEeprom work;
  work.Assign(image);
  cmcEeprom templates;
  templates.Assign(defaults);
  CsvContext context{work, templates, list, scope, CsvFileFormatOf(image), format.PrepareOptions(list)};
  context.format.separator = separator;
  format.ReadRows(context, file, columns, result.tally, keepRpt1Use);
  if (result.tally.imported == 0) return result;
  MergeFixedDefaults(work, defaults);
  image.Assign(work);
  result.changed = true;
  return result;
}

// Entries of a grouped list: in one group, or in the whole list for kCsvScopeAll.
int EntryCount(const cmcEeprom& image, CsvListKind kind, int group) {
  const bool all = group == kCsvScopeAll;
  switch (kind) {
    case CsvListKind::kBroadcast: {
      if (!all) return BroadcastStationCount(image, group);
      int count = 0;
      for (int g = 0; g < MemoryMap::kBroadcastGroupCount; ++g) count += BroadcastStationCount(image, g);
      return count;
    }
    case CsvListKind::kGps: {
      const GpsGroups groups = ReadGpsGroups(image);
      return all ? groups.length : groups.count[static_cast<std::size_t>(group)];
    }
    case CsvListKind::kRepeaters:
      return all ? RepeaterCount(image) : GroupCount(image, group);
    case CsvListKind::kYourCalls:
      return YourCallCount(image);
    default:
      return 1;  // fixed lists and the traffic log always have something to write
  }
}

}  // namespace

std::optional<CsvList> CsvListOfSheet(int n) {
  using K = CsvListKind;
  if (n >= 0 && n <= kLastMemoryPage) return CsvList{K::kMemoryChannels, n};
  if (n == kScanEdgeSheet) return CsvList{K::kScanEdges, 0};
  if (n >= kFirstBankSheet && n <= kLastBankSheet) return CsvList{K::kBank, n - kFirstBankSheet};
  if (n == kCallChannelSheet) return CsvList{K::kCallChannels, 0};
  if (n == kFirstBroadcastSheet - 2 || n == kFirstBroadcastSheet - 1) return CsvList{K::kBroadcast, kCsvScopeAll};
  if (n >= kFirstBroadcastSheet && n <= kLastBroadcastSheet) {
    return CsvList{K::kBroadcast, (n - kFirstBroadcastSheet) / kBroadcastSheetsPerBank};
  }
  if (n == kYourCallSheet) return CsvList{K::kYourCalls, 0};
  if (n == kFirstRepeaterSheet - 2 || n == kFirstRepeaterSheet - 1) return CsvList{K::kRepeaters, kCsvScopeAll};
  if (n >= kFirstRepeaterSheet && n <= kLastRepeaterSheet) return CsvList{K::kRepeaters, n - kFirstRepeaterSheet};
  if (n >= kFirstHistorySheet && n < kReceivedCallSheet) {
    return CsvList{static_cast<K>(static_cast<int>(K::kHistoryFrom) + n - kFirstHistorySheet), 0};
  }
  if (n == kReceivedCallSheet) return CsvList{K::kReceivedCalls, 0};
  if (n == kFirstGpsSheet - 2 || n == kFirstGpsSheet - 1) return CsvList{K::kGps, kCsvScopeAll};
  if (n >= kFirstGpsSheet && n <= kLastGpsSheet) return CsvList{K::kGps, n - kFirstGpsSheet};
  return std::nullopt;
}

std::vector<std::vector<std::string>> CsvExportRows(const cmcEeprom& image, const cmcEeprom& defaults,
                                                    const CsvList& list, std::uint8_t scope, char separator) {
  cmcEeprom work;
  work.Assign(image);
  MergeFixedDefaults(work, defaults);
  cmcEeprom templates;
  templates.Assign(defaults);
  const CsvListFormat& format = CsvFormatOf(list.kind);
  CsvContext context{work, templates, list, scope, CsvFileFormatOf(work), format.PrepareOptions(list)};
  context.format.separator = separator;
  std::vector<std::vector<std::string>> rows = format.WriteRows(context);
  rows.insert(rows.begin(), format.Header());
  return rows;
}

std::string CsvRowsText(const std::vector<std::vector<std::string>>& rows, char separator) {
  std::string text;
  for (const auto& row : rows) AppendRow(text, row, separator);
  return text;
}

std::string CsvExportText(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope) {
  const char separator = CsvFileFormatOf(image).separator;
  return CsvRowsText(CsvExportRows(image, defaults, list, scope, separator), separator);
}

bool ExportCsvFile(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                   const std::string& path) {
  AtomicSave save(path);
  return save.Open() && save.Write(CsvExportText(image, defaults, list, scope)) && save.Commit();
}

CsvImportResult ImportCsvFile(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                              const std::string& path, const KeepRpt1UseQuestion& keepRpt1Use) {
  cmcLoadFile file;
  if (!file.Load(path, CsvFileFormatOf(image).separator)) {
    CsvImportResult result;
    result.packed = IsPackedList(list.kind);
    return result;
  }
  return ImportLoaded(image, defaults, list, scope, file, keepRpt1Use, CsvFileFormatOf(image).separator);
}

CsvImportResult ImportCsvBytes(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                               std::string_view bytes, const KeepRpt1UseQuestion& keepRpt1Use, char separator) {
  if (separator == 0) separator = CsvFileFormatOf(image).separator;
  cmcLoadFile file;
  file.LoadBytes(bytes, separator);
  return ImportLoaded(image, defaults, list, scope, file, keepRpt1Use, separator);
}

std::vector<std::string> ImportMessageKeys(const CsvImportResult& result) {
  if (result.status == CsvImportStatus::kOpenError) return {"GI_Mess_Import_OpenErr"};
  if (result.status == CsvImportStatus::kIllegalData) return {"GI_Mess_Import_TitleErr"};
  const std::string set = result.packed ? "GI_Mess_ImportGps_" : "GI_Mess_Import_";
  const CsvImportTally& tally = result.tally;
  if (tally.imported == 0) return {set + "NoData"};
  std::vector<std::string> keys;
  if (tally.noSpace) keys.push_back(set + "NoChSpace");
  if (tally.discarded > 0) keys.push_back(set + "Discard");
  if (tally.corrected > 0) keys.push_back(set + "Correct");
  return keys;
}

std::vector<std::string> ImportMessages(const CsvImportResult& result, cmcGTex& texts) {
  constexpr std::size_t kNotesShown = 10;
  const std::string notes = RowNotesText(result.tally, kNotesShown);
  std::vector<std::string> messages;
  for (const std::string& key : ImportMessageKeys(result)) messages.push_back(texts.GetValueText(key));
  if (!messages.empty() && !notes.empty()) messages.back() += "\n\n" + notes;
  return messages;
}

std::string RowNotesText(const CsvImportTally& tally, std::size_t limit) {
  std::vector<CsvRowNote> notes = tally.notes;
  std::stable_sort(notes.begin(), notes.end(),
                   [](const CsvRowNote& a, const CsvRowNote& b) { return a.refused && !b.refused; });
  std::string text;
  for (std::size_t i = 0; i < notes.size() && i < limit; ++i) {
    text += "Line " + std::to_string(notes[i].line) + ": " + notes[i].reason + "\n";
  }
  if (notes.size() > limit) text += "(" + std::to_string(notes.size() - limit) + " more)\n";
  return text;
}

std::optional<std::pair<CsvList, std::uint8_t>> CsvTargetOfSheet(int sheetNumber, bool all) {
  const std::optional<CsvList> list = CsvListOfSheet(sheetNumber);
  if (!list) return std::nullopt;
  if (!IsGroupedList(list->kind)) return std::pair{*list, std::uint8_t{0}};
  return std::pair{*list, all ? kCsvScopeAll : static_cast<std::uint8_t>(list->group)};
}

CsvMenuState CsvMenuItemState(unsigned cellId, int sheetNumber, const cmcEeprom& image) {
  const std::optional<CsvList> list = CsvListOfSheet(sheetNumber);
  const CsvListKind kind = list ? list->kind : CsvListKind::kMemoryChannels;
  const bool grouped = list && IsGroupedList(kind);
  const bool groupShown =
      list && (grouped ? list->group != kCsvScopeAll : IsFixedList(kind) || kind == CsvListKind::kYourCalls);
  const bool broadcast = grouped && kind == CsvListKind::kBroadcast;
  const bool listHasData = grouped && EntryCount(image, kind, kCsvScopeAll) > 0;
  const bool groupHasData = groupShown && EntryCount(image, kind, list->group) > 0;
  const bool currentHasData = list && !grouped && EntryCount(image, kind, 0) > 0;
  switch (cellId) {
    case CL_Menu_File_Import:
      return {!grouped, groupShown};
    case CL_Menu_File_Import_SubMenu:
    case CL_Menu_File_Import_SubMenu_All:
      return {grouped, grouped};
    case CL_Menu_File_Import_SubMenu_Grp:
      return {grouped && !broadcast, groupShown};
    case CL_Menu_File_Import_SubMenu_Bank:
      return {broadcast, groupShown};
    case CL_Menu_File_Export:
      return {!grouped, currentHasData};
    case CL_Menu_File_Export_SubMenu:
    case CL_Menu_File_Export_SubMenu_All:
      return {grouped, listHasData};
    case CL_Menu_File_Export_SubMenu_Grp:
      return {grouped && !broadcast, groupHasData};
    case CL_Menu_File_Export_SubMenu_Bank:
      return {broadcast, groupHasData};
    default:
      return {};
  }
}
