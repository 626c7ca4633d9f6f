#include "cli/ListDump.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/JsonText.h"
#include "cli/SignalCodes.h"
#include "memory/ChannelValues.h"
#include "memory/datCh.h"
#include "text/Codepage.h"

namespace {

struct ChannelList {
  std::string_view name;
  int first;
  int last;
};

constexpr std::array<ChannelList, 3> kChannelLists{{
    {"memory", 0, 499},
    {"scan-edges", 500, 549},
    {"call", 550, 553},
}};

// One decoded field: its JSON value and its table text.
struct DumpField {
  std::string_view key;
  std::string json;
  std::string plain;
};

using DumpEntry = std::vector<DumpField>;

DumpField Number(std::string_view key, long long value) {
  return {key, std::to_string(value), std::to_string(value)};
}

DumpField Text(std::string_view key, std::string_view bytes) {
  const std::size_t end = bytes.find_last_not_of(' ');
  const std::string utf8 =
      toUtf8(bytes.substr(0, end == std::string_view::npos ? 0 : end + 1), CodePage::Cp1252);
  return {key, JsonString(utf8), utf8};
}

DumpField Optional(std::string_view key, const std::optional<std::string>& json,
                   const std::optional<std::string>& plain) {
  return json ? DumpField{key, *json, *plain} : DumpField{key, "null", "-"};
}

DumpField Tone(std::string_view key, int index) {
  const std::optional<int> tenths = ToneTenthsOfHertz(index);
  std::optional<std::string> text;
  if (tenths) text = std::to_string(*tenths / 10) + "." + std::to_string(*tenths % 10);
  return Optional(key, text, text);
}

DumpField Dtcs(int index) {
  const std::optional<std::string> code = DtcsCodeText(index);
  return Optional("dtcs", code ? std::optional(JsonString(*code)) : std::nullopt, code);
}

DumpField Mode(std::uint8_t mode) {
  std::optional<std::string> name;
  switch (mode) {
    case ChannelMode::kFm: name = "FM"; break;
    case ChannelMode::kFmNarrow: name = "FM-N"; break;
    case ChannelMode::kAm: name = "AM"; break;
    case ChannelMode::kDv: name = "DV"; break;
    default: break;
  }
  return Optional("mode", name ? std::optional(JsonString(*name)) : std::nullopt, name);
}

// A channel outside the banks has neither a bank nor a bank channel.
DumpField Bank(std::string_view key, const datCh& record, std::uint8_t value) {
  if (record.bank == kNoBank || value == kNoBank) return {key, "null", "-"};
  return Number(key, value);
}

DumpEntry ChannelEntry(const datCh& record) {
  return {
      Number("index", record.Index()),
      Number("frequency", record.frequency),
      Number("offset", record.offset),
      Number("duplex", record.duplex),
      Number("tone_mode", record.toneMode),
      Tone("repeater_tone", record.repeaterTone),
      Tone("tsql_tone", record.toneSquelchTone),
      Dtcs(record.dtcsCode),
      Number("dtcs_polarity", record.dtcsPolarity),
      Mode(record.mode),
      Number("tuning_step", record.tuningStep),
      Number("digital_squelch", record.digitalSquelch),
      Number("digital_code", record.digitalCode),
      Text("name", ViewOf(record.name)),
      Number("skip", record.skip),
      Bank("bank", record, record.bank),
      Bank("bank_channel", record, record.bankChannel),
      Text("your_call", ViewOf(record.yourCall)),
      Text("rpt1", ViewOf(record.rpt1)),
      Text("rpt2", ViewOf(record.rpt2)),
  };
}

std::vector<DumpEntry> ChannelEntries(cmcEeprom& image, const ChannelList& list) {
  std::vector<DumpEntry> entries;
  datCh record(image);
  for (int index = list.first; index <= list.last; ++index) {
    record.Load(RecordKind::kChannel, index);
    if (record.IsUsed()) entries.push_back(ChannelEntry(record));
  }
  return entries;
}

void WriteJson(const std::vector<DumpEntry>& entries, std::ostream& out) {
  out << "[";
  const char* entrySeparator = "\n";
  for (const DumpEntry& entry : entries) {
    out << entrySeparator << "  {";
    const char* fieldSeparator = "";
    for (const DumpField& field : entry) {
      out << fieldSeparator << JsonString(field.key) << ": " << field.json;
      fieldSeparator = ", ";
    }
    out << "}";
    entrySeparator = ",\n";
  }
  out << "\n]\n";
}

// Tab-separated, the keys as the first row.
void WriteTable(const std::vector<DumpEntry>& entries, std::ostream& out) {
  if (entries.empty()) return;
  const char* separator = "";
  for (const DumpField& field : entries.front()) {
    out << separator << field.key;
    separator = "\t";
  }
  out << "\n";
  for (const DumpEntry& entry : entries) {
    separator = "";
    for (const DumpField& field : entry) {
      out << separator << field.plain;
      separator = "\t";
    }
    out << "\n";
  }
}

const ChannelList* FindChannelList(std::string_view name) {
  for (const ChannelList& list : kChannelLists) {
    if (list.name == name) return &list;
  }
  return nullptr;
}

}  // namespace

bool IsDumpList(std::string_view list) { return FindChannelList(list) != nullptr; }

void DumpList(cmcEeprom& image, std::string_view list, bool json, std::ostream& out) {
  const std::vector<DumpEntry> entries = ChannelEntries(image, *FindChannelList(list));
  if (json) {
    WriteJson(entries, out);
  } else {
    WriteTable(entries, out);
  }
}
