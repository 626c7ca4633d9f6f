#include "files/CsvTransfer.h"

#include <algorithm>

#include "files/AtomicSave.h"
#include "files/CsvGenericChannels.h"
#include "memory/BroadcastList.h"
#include "memory/FixedDefaults.h"
#include "memory/GpsList.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/cmcEeprom.h"
#include "text/CellIds.h"
#include "text/Codepage.h"
#include "text/cmcGTex.h"

namespace {

// Sheet numbers of the navigation tree.
constexpr int kLastMemoryPage = 4;
constexpr int kWholeMemorySheet = 7;  // the "All" node above the memory channel pages
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

// The first columns of a layout's header, as a message names the layout.
std::string HeaderStart(const CsvListFormat& format) {
  constexpr std::size_t kNamed = 3;
  const std::vector<std::string> names = format.Header();
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < kNamed; ++i) text += names[i] + ",";
  return "\"" + text + "...\"";
}

CsvImportResult ImportLoaded(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                             cmcLoadFile& file, const KeepRpt1UseQuestion& keepRpt1Use, const CsvListFormat& format,
                             const CsvFileFormat& fileFormat) {
  CsvImportResult result;
  result.packed = IsPackedList(list.kind);
  ColumnMap columns{};
  if (IsExportOnly(list.kind) || !format.MapHeader(file.CurrentLine(), columns)) {
    result.status = CsvImportStatus::kIllegalData;
    if (ReadsGenericChannels(list.kind)) {
      result.refusal = "The file's header is of neither layout this list reads: " + HeaderStart(format) +
                       " (Tessel's own) or " + HeaderStart(GenericChannelCsvFormat()) + " (generic channels).";
    }
    return result;
  }
  result.status = CsvImportStatus::kRead;
  cmcEeprom work;
  work.Assign(image);
  cmcEeprom templates;
  templates.Assign(defaults);
  CsvContext context{work, templates, list, scope, fileFormat, format.PrepareOptions(list)};
  format.ReadRows(context, file, columns, result.tally, keepRpt1Use);
  if (result.tally.imported == 0) return result;
  MergeFixedDefaults(work, defaults);
  image.Assign(work);
  result.changed = true;
  return result;
}

CsvImportResult ImportBytes(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                            std::string_view bytes, const KeepRpt1UseQuestion& keepRpt1Use, char separator) {
  cmcLoadFile file;
  if (ReadsGenericChannels(list.kind) && IsGenericChannelFile(bytes)) {
    if (list.kind == CsvListKind::kRepeaters && scope == kCsvScopeAll) {
      CsvImportResult result;
      result.packed = true;
      result.status = CsvImportStatus::kIllegalData;
      result.refusal = "A file of generic channels goes into one repeater group: import it on the group's page.";
      return result;
    }
    file.LoadUtf8Bytes(bytes, kGenericCsvFileFormat.separator);
    return ImportLoaded(image, defaults, list, scope, file, keepRpt1Use, GenericChannelCsvFormat(),
                        kGenericCsvFileFormat);
  }
  file.LoadBytes(bytes, separator);
  CsvFileFormat fileFormat = CsvFileFormatOf(image);
  fileFormat.separator = separator;
  return ImportLoaded(image, defaults, list, scope, file, keepRpt1Use, CsvFormatOf(list.kind), fileFormat);
}

const CsvListFormat& FormatOf(CsvListKind kind, CsvLayout layout) {
  return layout == CsvLayout::kGeneric ? GenericChannelCsvFormat() : CsvFormatOf(kind);
}

std::vector<std::vector<std::string>> ExportRows(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list,
                                                 std::uint8_t scope, const CsvListFormat& format,
                                                 const CsvFileFormat& fileFormat, std::vector<std::string>* warnings) {
  cmcEeprom work;
  work.Assign(image);
  MergeFixedDefaults(work, defaults);
  cmcEeprom templates;
  templates.Assign(defaults);
  CsvContext context{work, templates, list, scope, fileFormat, format.PrepareOptions(list), warnings};
  std::vector<std::vector<std::string>> rows = format.WriteRows(context);
  rows.insert(rows.begin(), format.Header());
  return rows;
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
  if (n == kWholeMemorySheet) return CsvList{K::kMemoryChannels, kCsvScopeAll};
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
  CsvFileFormat fileFormat = CsvFileFormatOf(image);
  fileFormat.separator = separator;
  return ExportRows(image, defaults, list, scope, CsvFormatOf(list.kind), fileFormat, nullptr);
}

std::string CsvRowsText(const std::vector<std::vector<std::string>>& rows, char separator) {
  std::string text;
  for (const auto& row : rows) AppendRow(text, row, separator);
  return text;
}

std::string CsvExportText(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                          CsvLayout layout, std::vector<std::string>* warnings) {
  const bool generic = layout == CsvLayout::kGeneric;
  const CsvFileFormat fileFormat = generic ? kGenericCsvFileFormat : CsvFileFormatOf(image);
  const std::string text =
      CsvRowsText(ExportRows(image, defaults, list, scope, FormatOf(list.kind, layout), fileFormat, warnings),
                  fileFormat.separator);
  return generic ? ToUtf8(text, CodePage::Cp932) : text;
}

bool ExportCsvFile(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                   const std::string& path, CsvLayout layout, std::vector<std::string>* warnings) {
  AtomicSave save(path);
  return save.Open() && save.Write(CsvExportText(image, defaults, list, scope, layout, warnings)) && save.Commit();
}

bool WritesLayout(CsvListKind kind, CsvLayout layout) {
  return layout == CsvLayout::kTessel || WritesGenericChannels(kind);
}

CsvImportResult ImportCsvFile(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                              const std::string& path, const KeepRpt1UseQuestion& keepRpt1Use) {
  const std::optional<std::string> bytes = ReadCsvFileBytes(path);
  if (!bytes) {
    CsvImportResult result;
    result.packed = IsPackedList(list.kind);
    return result;
  }
  return ImportBytes(image, defaults, list, scope, *bytes, keepRpt1Use, CsvFileFormatOf(image).separator);
}

CsvImportResult ImportCsvBytes(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                               std::string_view bytes, const KeepRpt1UseQuestion& keepRpt1Use, char separator) {
  if (separator == 0) separator = CsvFileFormatOf(image).separator;
  return ImportBytes(image, defaults, list, scope, bytes, keepRpt1Use, separator);
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
  const std::string& more = result.refusal.empty() ? notes : result.refusal;
  if (!messages.empty() && !more.empty()) messages.back() += "\n\n" + more;
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
