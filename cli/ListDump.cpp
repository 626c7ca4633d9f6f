#include "cli/ListDump.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/DumpTable.h"
#include "cli/JsonText.h"
#include "memory/BroadcastList.h"
#include "memory/GpsList.h"
#include "memory/MemoryMap.h"
#include "memory/NamedLists.h"
#include "memory/RepeaterList.h"
#include "memory/SignalCodes.h"
#include "memory/datCh.h"
#include "text/Codepage.h"
#include "text/FormattedText.h"
#include "values/GpsStamp.h"
#include "values/ZeroPadded.h"

namespace {

DumpField Number(std::string_view key, long long value) { return {key, std::to_string(value), std::to_string(value)}; }

DumpField Text(std::string_view key, std::string_view bytes) {
  const std::size_t end = bytes.find_last_not_of(' ');
  const std::string utf8 = ToUtf8(bytes.substr(0, end == std::string_view::npos ? 0 : end + 1), CodePage::Cp1252);
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
    case ChannelMode::kFm:
      name = "FM";
      break;
    case ChannelMode::kFmNarrow:
      name = "FM-N";
      break;
    case ChannelMode::kAm:
      name = "AM";
      break;
    case ChannelMode::kDv:
      name = "DV";
      break;
    default:
      break;
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

DumpEntry YourCallEntry(const datCh& record) {
  return {Number("index", record.Index()), Text("call_sign", ViewOf(record.callSign)),
          Text("name", ViewOf(record.name))};
}

// "35 41.123 N", or null when the position is not set.
DumpField Position(std::string_view key, const GpsPosition& position) {
  if (!position.IsSet()) return {key, "null", "-"};
  char text[32];
  std::snprintf(text, sizeof text, "%u %u.%03u %c", position.degrees, position.milliMinutes / 1000U,
                position.milliMinutes % 1000U, position.hemisphere);
  return {key, JsonString(text), text};
}

DumpField RepeaterMode(std::uint8_t mode) {
  constexpr std::array<const char*, 3> kNames{"DV", "FM", "FM-N"};
  if (mode >= kNames.size()) return {"mode", "null", "-"};
  return {"mode", JsonString(kNames[mode]), kNames[mode]};
}

DumpEntry RepeaterEntry(const datCh& record) {
  constexpr std::int16_t kUtcOffsetNotSet = 0x7FFF;
  return {
      Number("index", record.Index()),
      Number("group", record.group),
      Text("name", ViewOf(record.name)),
      Text("sub_name", ViewOf(record.subName)),
      Text("call_sign", ViewOf(record.callSign)),
      Text("gateway", ViewOf(record.gateway)),
      Number("frequency", record.frequency),
      Number("offset", record.offset),
      Number("duplex", record.duplex),
      RepeaterMode(record.mode),
      Number("tone", record.toneMode),
      Tone("repeater_tone", record.repeaterTone),
      Number("rpt1_use", record.rpt1Use),
      Number("position", record.positionKind),
      Position("latitude", record.latitude),
      Position("longitude", record.longitude),
      record.utcOffset == kUtcOffsetNotSet ? DumpField{"utc_offset", "null", "-"}
                                           : Number("utc_offset", record.utcOffset),
  };
}

// The stamp as stored (UTC), read through the codec the date and time cells use: a field that
// is no real date or time of day (the undated marker 0x99 among them) is null.
DumpField StampDate(const LocalStamp& stamp) {
  if (!stamp.date) return {"date", "null", "-"};
  const CalendarDate& d = *stamp.date;
  const std::string text = ZeroPadded(d.year, 4) + '-' + ZeroPadded(d.month, 2) + '-' + ZeroPadded(d.day, 2);
  return {"date", JsonString(text), text};
}

DumpField StampTime(const LocalStamp& stamp) {
  if (!stamp.time) return {"time", "null", "-"};
  const TimeOfDay& t = *stamp.time;
  const std::string text = ZeroPadded(t.hour, 2) + ':' + ZeroPadded(t.minute, 2) + ':' + ZeroPadded(t.second, 2);
  return {"time", JsonString(text), text};
}

DumpEntry GpsEntry(const datCh& record) {
  constexpr std::int32_t kAltitudeNotSet = 0x7FFFFFFF;
  const LocalStamp stamp = ToLocal(GpsStamp{record.date, record.time}, 0);
  return {
      Number("index", record.Index()),
      Number("group", record.group),
      Text("name", ViewOf(record.name)),
      Position("latitude", record.latitude),
      Position("longitude", record.longitude),
      record.altitude == kAltitudeNotSet ? DumpField{"altitude", "null", "-"} : Number("altitude", record.altitude),
      StampDate(stamp),
      StampTime(stamp),
  };
}

DumpEntry BroadcastEntry(const datCh& record) {
  const bool am = record.Kind() == RecordKind::kBroadcastAm;
  return {
      Number("index", record.Index()),
      {"band", JsonString(am ? "AM" : "FM"), am ? "AM" : "FM"},
      Number("group", BroadcastGroupOfIndex(record.Index())),
      Number("frequency", record.frequency),
      Text("name", ViewOf(record.name)),
      Number("skip", record.skip),
  };
}

// Each group's FM memories (slots 0-49, index 100 x group + slot), then its AM memories
// (index 100 x group + 50 + position).
std::vector<DumpEntry> BroadcastEntries(cmcEeprom& image) {
  using namespace MemoryMap;
  std::vector<DumpEntry> entries;
  datCh record(image);
  for (int group = 0; group < kBroadcastGroupCount; ++group) {
    for (const int kind : {RecordKind::kBroadcastFm, RecordKind::kBroadcastAm}) {
      const int first = BroadcastListIndex(group, kind == RecordKind::kBroadcastAm, 0);
      for (int index = first; index < first + kBroadcastGroupSlots; ++index) {
        record.Load(kind, index);
        if (record.IsUsed()) entries.push_back(BroadcastEntry(record));
      }
    }
  }
  return entries;
}

using EntryOfRecord = DumpEntry (*)(const datCh&);

std::vector<DumpEntry> RecordEntries(cmcEeprom& image, int kind, int first, int last, EntryOfRecord entryOf) {
  std::vector<DumpEntry> entries;
  datCh record(image);
  for (int index = first; index <= last; ++index) {
    record.Load(kind, index);
    if (record.IsUsed()) entries.push_back(entryOf(record));
  }
  return entries;
}

std::string_view ImageText(const cmcEeprom& image, MemoryMap::Address address, int length) {
  const std::span<const std::uint8_t> bytes =
      image.Bytes().subspan(static_cast<std::size_t>(address), static_cast<std::size_t>(length));
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Every bank has its name row, blank or not.
std::vector<DumpEntry> BankNameEntries(cmcEeprom& image) {
  using namespace MemoryMap;
  std::vector<DumpEntry> entries;
  for (int bank = 0; bank < kBankCount; ++bank) {
    const std::string letter(1, static_cast<char>('A' + bank));
    entries.push_back({Number("index", bank),
                       {"bank", JsonString(letter), letter},
                       Text("name", ImageText(image, kBankNames + kNameLength * bank, kNameLength))});
  }
  return entries;
}

// The six own call signs: 8 characters of call sign, then a 4-character note.
std::vector<DumpEntry> MyCallEntries(cmcEeprom& image) {
  using namespace MemoryMap;
  std::vector<DumpEntry> entries;
  for (int index = 0; index < kMyCallSignCount; ++index) {
    const Address entry = kMyCallSigns + kMyCallSignSize * index;
    entries.push_back({Number("index", index), Text("call_sign", ImageText(image, entry, kCallSignLength)),
                       Text("note", ImageText(image, entry + kCallSignLength, kMyCallSignSize - kCallSignLength))});
  }
  return entries;
}

// The sixteen DTMF memories that hold a digit, with their page names and their digits.
std::vector<DumpEntry> DtmfEntries(cmcEeprom& image) {
  using namespace MemoryMap;
  constexpr std::string_view kDigits = "0123456789ABCD*#";
  std::vector<DumpEntry> entries;
  for (int memory = 0; memory < kDtmfMemoryCount; ++memory) {
    std::string code;
    for (int i = 0; i < kDtmfMemorySize; ++i) {
      const std::uint8_t digit = image.GetByte(kDtmfMemories + kDtmfMemorySize * memory + i);
      if (digit == kEmptySlot8) break;
      code += digit < kDigits.size() ? kDigits[digit] : '?';
    }
    if (code.empty()) continue;
    const std::string name = memory == 14 ? "d*" : memory == 15 ? "d#" : FormattedText("d%X", memory);
    entries.push_back({Number("index", memory), {"memory", JsonString(name), name}, {"code", JsonString(code), code}});
  }
  return entries;
}

// The five transmit messages that are not blank, and which one the radio sends.
std::vector<DumpEntry> MessageEntries(cmcEeprom& image) {
  using namespace MemoryMap;
  std::vector<DumpEntry> entries;
  const int selected = image.GetByte(kSelectedTransmitMessage);
  for (int index = 0; index < kTransmitMessageCount; ++index) {
    const DumpField text = Text("text", ImageText(image, kTransmitMessages + kMessageLength * index, kMessageLength));
    if (text.plain.empty()) continue;
    const bool sent = selected == index + 1;
    entries.push_back({Number("index", index), text, {"selected", sent ? "true" : "false", sent ? "1" : "0"}});
  }
  return entries;
}

// Every scan link with its name and its member scan edge pairs in ascending order.
std::vector<DumpEntry> ScanLinkEntries(cmcEeprom& image) {
  using namespace MemoryMap;
  std::vector<DumpEntry> entries;
  datCh row(image);
  for (int link = 0; link < kScanLinkCount; ++link) {
    std::string json = "[";
    std::string plain;
    for (int r = 1; r < kScanLinkRows; ++r) {
      row.Load(RecordKind::kScanLink, kScanLinkRows * link + r);
      if (!row.IsUsed()) break;
      json += (r > 1 ? ", " : "") + std::to_string(row.memberPair);
      plain += (r > 1 ? " " : "") + std::to_string(row.memberPair);
    }
    entries.push_back({Number("index", link),
                       Text("name", ImageText(image, NamedListNameAddress(NamedList::kScanLink, link), kNameLength)),
                       {"pairs", json + "]", plain}});
  }
  return entries;
}

DumpField Seconds(std::string_view key, std::uint32_t seconds) {
  return seconds == 0xFFFFFFFF ? DumpField{key, "null", "-"} : Number(key, seconds);
}

DumpEntry ReceivedCallEntry(const datCh& record) {
  return {
      Number("index", record.Index()),
      Text("caller", ViewOf(record.caller)),
      Text("caller_note", ViewOf(record.callerNote)),
      Text("called", ViewOf(record.called)),
      Text("rpt1", ViewOf(record.rpt1)),
      Text("rpt2", ViewOf(record.rpt2)),
      Text("message", ViewOf(record.message)),
      Number("status", record.status),
      Seconds("received_time", record.receivedTime),
      Number("data_type", record.dataType),
      Position("latitude", record.latitude),
      Position("longitude", record.longitude),
      record.altitude == 0x7FFFFFFF ? DumpField{"altitude", "null", "-"} : Number("altitude", record.altitude),
      Text("gps_message", ViewOf(record.gpsMessage)),
  };
}

// The four transmit histories one after the other, each entry with what its call sign names.
std::vector<DumpEntry> TransmittedCallEntries(cmcEeprom& image) {
  struct History {
    int kind;
    const char* name;
    int count;
  };
  using namespace MemoryMap;
  constexpr History kHistories[] = {{RecordKind::kHistoryFrom, "from", kHistoryFromCount},
                                    {RecordKind::kHistoryFromAnalog, "from-fm", kHistoryFromAnalogCount},
                                    {RecordKind::kHistoryTo, "to", kHistoryToCount},
                                    {RecordKind::kHistoryReflector, "reflector", kHistoryReflectorCount}};
  std::vector<DumpEntry> entries;
  datCh record(image);
  for (const History& history : kHistories) {
    for (int index = 0; index < history.count; ++index) {
      record.Load(history.kind, index);
      if (!record.IsUsed()) continue;
      const bool frequency = record.frequency != 0;
      entries.push_back(
          {{"history", JsonString(history.name), history.name},
           Number("index", index),
           Text("call_sign", ViewOf(record.callSign)),
           frequency ? Number("frequency", record.frequency) : DumpField{"frequency", "null", "-"},
           record.found != 0 ? Text("found_name", ViewOf(record.name)) : DumpField{"found_name", "null", "-"}});
    }
  }
  return entries;
}

// Every repeater group with its name and the entries it holds.
std::vector<DumpEntry> RepeaterGroupEntries(cmcEeprom& image) {
  using namespace MemoryMap;
  std::vector<DumpEntry> entries;
  for (int group = 0; group < kRepeaterGroupCount; ++group) {
    entries.push_back(
        {Number("index", group),
         Text("name", ImageText(image, NamedListNameAddress(NamedList::kRepeaterGroup, group), kNameLength)),
         Number("first", GroupStart(image, group)), Number("count", GroupCount(image, group))});
  }
  return entries;
}

// Every GPS group (0 holds the memories of no group and has no name) with its memories.
std::vector<DumpEntry> GpsGroupEntries(cmcEeprom& image) {
  using namespace MemoryMap;
  std::vector<DumpEntry> entries;
  const GpsGroups groups = ReadGpsGroups(image);
  for (int group = 0; group < kGpsGroupCount; ++group) {
    const int start = groups.start[static_cast<std::size_t>(group)];
    entries.push_back({Number("index", group),
                       group == 0 ? DumpField{"name", "null", "-"}
                                  : Text("name", ImageText(image, NamedListNameAddress(NamedList::kGpsGroup, group - 1),
                                                           kNameLength)),
                       start == kGpsNoGroupStart ? DumpField{"first", "null", "-"} : Number("first", start),
                       Number("count", groups.count[static_cast<std::size_t>(group)])});
  }
  return entries;
}

struct DumpableList {
  std::string_view name;
  std::vector<DumpEntry> (*entries)(cmcEeprom&);
};

constexpr std::array<DumpableList, 17> kLists{{
    {"memory", [](cmcEeprom& image) { return RecordEntries(image, RecordKind::kChannel, 0, 499, ChannelEntry); }},
    {"scan-edges", [](cmcEeprom& image) { return RecordEntries(image, RecordKind::kChannel, 500, 549, ChannelEntry); }},
    {"call", [](cmcEeprom& image) { return RecordEntries(image, RecordKind::kChannel, 550, 553, ChannelEntry); }},
    {"bank-names", BankNameEntries},
    {"your-calls",
     [](cmcEeprom& image) {
       return RecordEntries(image, RecordKind::kYourCall, 0, MemoryMap::kYourCallCount - 1, YourCallEntry);
     }},
    {"my-calls", MyCallEntries},
    {"repeaters",
     [](cmcEeprom& image) {
       return RecordEntries(image, RecordKind::kRepeater, 0, MemoryMap::kRepeaterCount - 1, RepeaterEntry);
     }},
    {"gps", [](cmcEeprom& image) { return RecordEntries(image, RecordKind::kGps, 0, 199, GpsEntry); }},
    {"broadcast", BroadcastEntries},
    {"dtmf", DtmfEntries},
    {"messages", MessageEntries},
    {"scan-links", ScanLinkEntries},
    {"received-calls",
     [](cmcEeprom& image) {
       return RecordEntries(image, RecordKind::kReceivedCall, 0, MemoryMap::kReceivedCallCount - 1, ReceivedCallEntry);
     }},
    {"transmitted-calls", TransmittedCallEntries},
    {"repeater-groups", RepeaterGroupEntries},
    {"gps-groups", GpsGroupEntries},
    {"settings", SettingEntries},
}};

const DumpableList* FindList(std::string_view name) {
  for (const DumpableList& list : kLists) {
    if (list.name == name) return &list;
  }
  return nullptr;
}

}  // namespace

bool IsDumpList(std::string_view list) { return FindList(list) != nullptr; }

void DumpList(cmcEeprom& image, std::string_view list, bool json, std::ostream& out) {
  WriteDumpEntries(FindList(list)->entries(image), json, out);
}
