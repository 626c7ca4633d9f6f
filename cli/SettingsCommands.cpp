#include "cli/SettingsCommands.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "cli/DumpTable.h"
#include "cli/JsonText.h"
#include "cli/ScriptDocument.h"
#include "memory/DefaultImages.h"
#include "memory/ModelSettings.h"
#include "sheet/cells/BitFieldFlags.h"
#include "sheet/cells/SetModeItems.h"
#include "sheet/cells/StandaloneCellDocument.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/CellDocument.h"
#include "text/ApplicationTexts.h"
#include "text/CellIds.h"
#include "text/Codepage.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"
#include "text/cmcFCache.h"

namespace {

constexpr std::string_view kItemPrefix = "CL_Common_";

std::string ItemName(unsigned cellId) { return std::string(CellIdName(cellId).substr(kItemPrefix.size())); }

// What the cell shows, in UTF-8, without the line end of the bit set cells.
std::string ShownText(indActiveCell& behaviour, unsigned cellId, int index) {
  cmcCellObj cell = BoundCell(cellId, index);
  std::string text = behaviour.QueryCellText(cell, 0, {});
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return ToUtf8(text, CodePage::Cp1252);
}

DumpField ValueField(const StoredSetting& stored, const std::string& shown) {
  if (stored.number) return {"value", std::to_string(*stored.number), std::to_string(*stored.number)};
  if (stored.text) {
    const std::string text = ToUtf8(*stored.text, CodePage::Cp1252);
    return {"value", JsonString(text), text};
  }
  if (stored.shownTextIsValue) return {"value", JsonString(shown), shown};
  return {"value", "null", "-"};
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool SameWords(std::string_view a, std::string_view b) { return UpperCase(Trimmed(a)) == UpperCase(Trimmed(b)); }

std::string SignedText(int value) { return (value > 0 ? "+" : "") + std::to_string(value); }

std::optional<int> WholeNumber(std::string_view text) {
  const std::string trimmed = Trimmed(text);
  std::string_view digits = trimmed;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) return std::nullopt;
  return value;
}

// One ITEM[:INDEX]=TEXT.
struct Assignment {
  unsigned cellId = kCellIdNone;
  int index = 0;
  std::string text;  // in the program's code page
};

class SettingEditor {
 public:
  SettingEditor(cmcEeprom& image, std::ostream& err)
      : script_(image), document_(script_.Document()), behaviour_(document_), err_(err) {
    rows_ = SetModeRows(document_);
  }

  bool Apply(const std::string& assignment) {
    const std::optional<Assignment> parsed = Parse(assignment);
    return parsed && Edit(*parsed);
  }

 private:
  bool Refuse(const std::string& name, const std::string& reason) {
    err_ << "tessel-cli: " << name << ": " << reason << "\n";
    return false;
  }

  bool OnPage(unsigned cellId, int index) const {
    return std::any_of(rows_.begin(), rows_.end(),
                       [&](const SetModeRow& row) { return row.cellId == cellId && row.index == index; });
  }

  std::optional<unsigned> FindItem(const std::string& name) const {
    for (const SetModeRow& row : rows_) {
      if (SameWords(ItemName(row.cellId), name)) return row.cellId;
    }
    return std::nullopt;
  }

  std::optional<Assignment> Parse(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
      Refuse(text, "expected ITEM=TEXT or ITEM:INDEX=TEXT");
      return std::nullopt;
    }
    std::string name = text.substr(0, equals);
    std::optional<int> index;
    if (const std::size_t colon = name.find(':'); colon != std::string::npos) {
      index = WholeNumber(name.substr(colon + 1));
      name.resize(colon);
      if (!index) {
        Refuse(name, "the index after \":\" is not a number");
        return std::nullopt;
      }
    }
    const std::optional<unsigned> cellId = FindItem(name);
    if (!cellId) {
      Refuse(name, "no such setting on the set-mode pages of destination " +
                       std::to_string(document_.Settings().destinationCode) +
                       " (tessel-cli dump FILE --list settings lists them)");
      return std::nullopt;
    }
    const int elements = SettingElementCount(*cellId);
    const std::string itemName = ItemName(*cellId);
    if (elements > 1 && !index) {
      Refuse(itemName, "needs an index, " + itemName + ":0 to " + itemName + ":" + std::to_string(elements - 1));
      return std::nullopt;
    }
    if (!OnPage(*cellId, index.value_or(0))) {
      const std::string range = elements > 1 ? "0 to " + std::to_string(elements - 1) : "none";
      Refuse(itemName, "index " + std::to_string(*index) + " is out of range (accepts " + range + ")");
      return std::nullopt;
    }
    return Assignment{*cellId, index.value_or(0), FromUtf8(text.substr(equals + 1), CodePage::Cp1252)};
  }

  cmcCellCapsule Request(cmcCellObj& cell) {
    cmcCellCapsule request;
    request.cell = &cell;
    request.actionGrid = this;
    return request;
  }

  bool Send(cmcCellObj& cell, int inputKind, const std::string& text, const cmcCellObj* picked = nullptr) {
    CellInput input{inputKind, text, std::nullopt};
    if (picked != nullptr) input.entry = *picked;
    return behaviour_.HandInput(Request(cell), input);
  }

  bool Edit(const Assignment& a) {
    cmcCellObj cell = BoundCell(a.cellId, a.index);
    const CellProbe probe = behaviour_.Probe(Request(cell));
    if (const auto* list = std::get_if<SelectionListPopup>(&probe.popup)) return PickEntry(cell, *list, a.text);
    if (const auto* list = std::get_if<IntegerListPopup>(&probe.popup)) return PickInteger(cell, *list, a.text);
    if (const auto* editor = std::get_if<BitFieldPopup>(&probe.popup)) return PickFlags(cell, *editor, a.text);
    const std::string name = ItemName(a.cellId);
    // The GPS text editor hands its text back as a pick, the in-place editor commits it.
    const bool gpsEditor = std::holds_alternative<GpsTextPopup>(probe.popup);
    if (!gpsEditor && !probe.editor) return NotEditable(cell);
    if (Send(cell, gpsEditor ? kInputPicked : kInputCommitted, a.text)) return true;
    return Refuse(
        name, "does not take \"" + ToUtf8(a.text, CodePage::Cp1252) + "\"; it accepts " + SettingTypedInput(a.cellId));
  }

  // Home channels are shown only; the GPS alarm's group and memory apply to some alarm
  // types only, and show "--" otherwise.
  bool NotEditable(cmcCellObj& cell) {
    const std::string shown = ShownText(behaviour_, cell.cellId, cell.index);
    if (shown == "--") return Refuse(ItemName(cell.cellId), "does not apply with the present settings (it shows --)");
    return Refuse(ItemName(cell.cellId), "is shown only and cannot be set");
  }

  bool PickEntry(cmcCellObj& cell, const SelectionListPopup& list, const std::string& text) {
    std::string accepted;
    for (const FCacheItem& entry : document_.ListCache().Entry(list.listKey, list.entryId).listOrder) {
      if (SameWords(entry.text, text) || SameWords(entry.caption, text)) {
        cmcCellObj picked = BoundCell(list.entryId, entry.index);
        return Send(cell, kInputPicked, {}, &picked) || Refuse(ItemName(cell.cellId), RuleText(cell.cellId));
      }
      accepted += (accepted.empty() ? "\"" : ", \"") + ToUtf8(entry.caption, CodePage::Cp1252) + "\"";
    }
    return Refuse(ItemName(cell.cellId),
                  "\"" + ToUtf8(text, CodePage::Cp1252) + "\" is not in its list; it accepts " + accepted);
  }

  static std::string RuleText(unsigned cellId) {
    if (cellId == CL_Common_GPSAlarmType) return "Memory needs a GPS group that holds memories";
    if (cellId == CL_Common_GPSAlarmBank) return "the alarm takes only a group that holds memories";
    return "the value was refused";
  }

  bool PickInteger(cmcCellObj& cell, const IntegerListPopup& list, const std::string& text) {
    const std::int32_t shift = list.offset * list.step;
    const std::optional<int> shown = WholeNumber(text);
    const int value = shown ? *shown - shift : list.minimum - 1;
    if (value < list.minimum || value > list.maximum || (value - list.minimum) % list.step != 0) {
      return Refuse(ItemName(cell.cellId), "accepts a whole number from " + SignedText(list.minimum + shift) + " to " +
                                               SignedText(list.maximum + shift));
    }
    cmcCellObj picked = BoundCell(Flex0, value);
    Send(cell, kInputPicked, {}, &picked);
    return true;
  }

  // The flags named in the text by the editor's labels: letters written together ("ACE"),
  // longer labels joined by commas ("GGA,RMC"); "OFF" or nothing for none.
  bool PickFlags(cmcCellObj& cell, const BitFieldPopup& editor, const std::string& text) {
    const BitFieldFlags flags(editor);
    std::vector<std::string> labels;
    for (int a = editor.first; a <= editor.last; ++a) labels.push_back(flags.Label(a));
    const bool letters = std::all_of(labels.begin(), labels.end(), [](const std::string& l) { return l.size() == 1; });
    const std::optional<std::uint32_t> set = letters ? LetterFlags(labels, text) : NamedFlags(labels, text);
    if (!set) {
      std::string names;
      for (const std::string& label : labels) names += (names.empty() ? "" : letters ? " " : ", ") + label;
      return Refuse(ItemName(cell.cellId), letters ? "accepts the letters of the flags it sets, from " + names
                                                   : "accepts OFF or names joined by commas, from " + names);
    }
    BitFieldPopup picked = editor;
    picked.value = PackBitFieldFlags(*set, static_cast<int>(labels.size()));
    if (!BitFieldFlags(picked).RuleHolds()) {
      return Refuse(ItemName(cell.cellId), "the editor takes one to four of them (the radio's rule), not \"" +
                                               ToUtf8(text, CodePage::Cp1252) + "\"");
    }
    Send(cell, kInputPicked, std::to_string(picked.value));
    return true;
  }

  static std::optional<std::uint32_t> LetterFlags(const std::vector<std::string>& labels, const std::string& text) {
    std::uint32_t set = 0;
    for (char c : UpperCase(text)) {
      if (c == '_' || c == ' ') continue;
      const auto found = std::find(labels.begin(), labels.end(), std::string(1, c));
      if (found == labels.end()) return std::nullopt;
      set |= 1u << (found - labels.begin());
    }
    return set;
  }

  static std::optional<std::uint32_t> NamedFlags(const std::vector<std::string>& labels, const std::string& text) {
    if (SameWords(text, "OFF") || Trimmed(text).empty()) return 0u;
    std::uint32_t set = 0;
    std::string_view rest = text;
    while (true) {
      const std::size_t comma = rest.find(',');
      const std::string name = UpperCase(Trimmed(rest.substr(0, comma)));
      const auto found = std::find(labels.begin(), labels.end(), name);
      if (found == labels.end()) return std::nullopt;
      set |= 1u << (found - labels.begin());
      if (comma == std::string_view::npos) return set;
      rest.remove_prefix(comma + 1);
    }
  }

  ScriptDocument script_;
  CellDocument& document_;
  indActiveCell behaviour_;
  std::ostream& err_;
  std::vector<SetModeRow> rows_;
};

}  // namespace

std::vector<DumpEntry> SettingEntries(cmcEeprom& image) {
  ScriptDocument script(image);
  CellDocument& document = script.Document();
  indActiveCell behaviour(document);
  std::vector<DumpEntry> entries;
  for (const SetModeRow& row : SetModeRows(document)) {
    const bool indexed = SettingElementCount(row.cellId) > 1;
    const std::string shown = ShownText(behaviour, row.cellId, row.index);
    const std::string item = ItemName(row.cellId);
    const std::string label = ToUtf8(row.label, CodePage::Cp1252);
    entries.push_back({
        {"item", JsonString(item), item},
        indexed ? DumpField{"index", std::to_string(row.index), std::to_string(row.index)}
                : DumpField{"index", "null", "-"},
        {"page", JsonString(row.page), std::string(row.page)},
        {"label", JsonString(label), label},
        ValueField(ReadStoredSetting(document, row.cellId, row.index), shown),
        {"text", JsonString(shown), shown},
    });
  }
  return entries;
}

bool ApplySettings(cmcEeprom& image, const std::vector<std::string>& assignments, std::ostream& err) {
  SettingEditor editor(image, err);
  return std::all_of(assignments.begin(), assignments.end(),
                     [&](const std::string& assignment) { return editor.Apply(assignment); });
}
