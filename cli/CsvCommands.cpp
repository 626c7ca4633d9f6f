#include "cli/CsvCommands.h"

#include <charconv>
#include <map>

#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"
#include "text/ApplicationTexts.h"
#include "text/Codepage.h"
#include "text/LineTables.h"

namespace {

struct ListName {
  CsvListKind kind;
  // The scopes the list takes: none (whole list only), a page or group number, a bank letter.
  bool groups = false;
  bool banks = false;
  bool needsScope = false;  // the list is one page of a larger one
  int lowestGroup = 0;
  int highestGroup = 0;
  int groupLabelBase = 0;  // the number a user gives for group 0
};

const std::map<std::string, ListName, std::less<>>& ListNames() {
  using K = CsvListKind;
  static const std::map<std::string, ListName, std::less<>> names{
      {"memory", {K::kMemoryChannels, true, false, true, 0, 4, 0}},
      {"scan-edges", {K::kScanEdges}},
      {"bank", {K::kBank, false, true, true}},
      {"call", {K::kCallChannels}},
      {"broadcast", {K::kBroadcast, false, true}},
      {"gps", {K::kGps, true, false, false, 0, MemoryMap::kGpsGroupCount - 1, 0}},
      {"repeaters", {K::kRepeaters, true, false, false, 1, MemoryMap::kRepeaterGroupCount, 1}},
      {"your-calls", {K::kYourCalls}},
      {"received-calls", {K::kReceivedCalls}},
      {"tx-from", {K::kHistoryFrom}},
      {"tx-from-fm", {K::kHistoryFromAnalog}},
      {"tx-to", {K::kHistoryTo}},
      {"tx-reflector", {K::kHistoryReflector}},
  };
  return names;
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> Letter(std::string_view text) {
  if (text.size() != 1) return std::nullopt;
  const char c = static_cast<char>(text[0] & ~0x20);
  if (c < 'A' || c > 'Z') return std::nullopt;
  return c - 'A';
}

std::string Message(const std::string& key) {
  cmcGTex& texts = ApplicationTexts();
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
  std::string text = ToUtf8(texts.GetValueText(key), CodePage::Cp1252);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

std::optional<CsvTarget> ParseCsvTarget(const std::string& list, const std::optional<std::string>& scope,
                                        std::string& error) {
  const auto name = ListNames().find(list);
  if (name == ListNames().end()) {
    error = "unknown list " + list;
    return std::nullopt;
  }
  const ListName& facts = name->second;
  CsvTarget target;
  target.list.kind = facts.kind;
  if (!scope && facts.needsScope) {
    error = "--list " + list + " needs --scope (see tessel-cli export --help)";
    return std::nullopt;
  }
  const std::string given = scope.value_or("all");
  if (given == "all" && !facts.needsScope) return target;
  if (given == "all" && facts.kind == CsvListKind::kMemoryChannels) {
    target.list.group = kCsvScopeAll;
    return target;
  }
  const std::size_t colon = given.find(':');
  const std::string word = given.substr(0, colon);
  const std::string_view value =
      colon == std::string::npos ? std::string_view{} : std::string_view(given).substr(colon + 1);
  std::optional<int> group;
  if (word == "group" && facts.groups) {
    group = Number(value);
    const auto letter = Letter(value);
    if (!group && letter && facts.kind == CsvListKind::kGps) group = *letter + 1;
    if (group && (*group < facts.lowestGroup || *group > facts.highestGroup)) group.reset();
    if (group) *group -= facts.groupLabelBase;
  } else if (word == "bank" && facts.banks) {
    group = Letter(value);
  }
  if (!group) {
    error = "--scope " + given + " does not fit the list " + list + " (see tessel-cli export --help)";
    return std::nullopt;
  }
  target.list.group = *group;
  target.scope = static_cast<std::uint8_t>(*group);
  return target;
}

std::optional<CsvLayout> ParseCsvLayout(const std::optional<std::string>& layout, const CsvTarget& target,
                                        std::string& error) {
  const std::string given = layout.value_or("tessel");
  std::optional<CsvLayout> chosen;
  if (given == "tessel") chosen = CsvLayout::kTessel;
  if (given == "generic") chosen = CsvLayout::kGeneric;
  if (!chosen) {
    error = "unknown layout " + given + " (tessel or generic)";
  } else if (!WritesLayout(target.list.kind, *chosen)) {
    error = "--layout " + given + " is for --list memory only";
    chosen.reset();
  }
  return chosen;
}

int ExportCsvList(const cmcEeprom& document, const cmcEeprom& defaults, const CsvTarget& target, CsvLayout layout,
                  const std::string& path, std::ostream& err) {
  ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));  // the received calls' header
  std::vector<std::string> warnings;
  const bool written = ExportCsvFile(document, defaults, target.list, target.scope, path, layout, &warnings);
  for (const std::string& warning : warnings) err << path << ": warning: " << warning << "\n";
  if (written) return 0;
  err << Message("GI_Mess_FileErr_Headline") << "\n\n" << Message("GI_Mess_FileErr_FileAccess") << "\n";
  return 2;
}

CsvImportOutcome ImportCsvList(cmcEeprom& document, const cmcEeprom& defaults, const CsvTarget& target,
                               const std::string& path, std::ostream& err) {
  const CsvImportResult result =
      ImportCsvFile(document, defaults, target.list, target.scope, path, [] { return true; });
  for (const std::string& key : ImportMessageKeys(result)) err << Message(key) << "\n";
  if (!result.refusal.empty()) err << result.refusal << "\n";
  bool refused = false;
  for (const CsvRowNote& note : result.tally.notes) {
    refused = refused || note.refused;
    err << path << ":" << note.line << ": " << (note.refused ? "refused: " : "corrected: ")
        << ToUtf8(note.reason, CodePage::Cp932) << "\n";
  }
  if (!result.changed) return CsvImportOutcome::kFileError;
  return refused ? CsvImportOutcome::kRefused : CsvImportOutcome::kImported;
}
