// The repeater list layout: entries group by group (groups 01-30), packed, at most 750.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "files/CsvColumns.h"
#include "files/CsvListImports.h"
#include "memory/ImageFields.h"
#include "memory/ListBlocks.h"
#include "memory/NamedLists.h"
#include "memory/RepeaterList.h"
#include "memory/SnapFrequency.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "memory/indRptStatusKeep.h"
#include "text/TextFields.h"

namespace {

enum Slot {
  kGroupNo,
  kGroupName,
  kName,
  kSubName,
  kCallSign,
  kGateway,
  kFrequency,
  kDup,
  kOffset,
  kMode,
  kTone,
  kRepeaterTone,
  kRpt1Use,
  kPosition,
  kLatitude,
  kLongitude,
  kUtcOffset,
};

constexpr int kGroupOfZero = 19;  // "Group No" 0 is group 20, as the radio numbers it
constexpr int kFallbackGroup = MemoryMap::kRepeaterGroupCount - 1;
constexpr std::uint32_t kLowestFrequency = 30000;
constexpr std::uint32_t kHighestFrequency = 1399995000;
constexpr std::uint32_t kHighestOffset = 59995000;
constexpr std::uint32_t kHighestOffsetWideBand = 99995000;
constexpr int kWideOffsetBandGroup = 3;
constexpr int kUtcOffsetLimit = 840;
constexpr int kUtcOffsetStep = 5;
constexpr std::uint8_t kModeDv = 0;
constexpr std::uint16_t kRememberedNone = 0xFFFF;

NameText GroupName(const cmcEeprom& image, int group) {
  return ReadText<MemoryMap::kNameLength>(image, NamedListNameAddress(NamedList::kRepeaterGroup, group));
}

void SetGroupName(cmcEeprom& image, int group, const NameText& name) {
  WriteText(image, NamedListNameAddress(NamedList::kRepeaterGroup, group), name);
}

std::vector<std::string> EntryFields(const cmcEeprom& image, const datCh& r, int group, const CsvFileFormat& f) {
  return {std::to_string(group + 1),
          FieldText(ViewOf(GroupName(image, group))),
          FieldText(ViewOf(r.name)),
          FieldText(ViewOf(r.subName)),
          FieldText(ViewOf(r.callSign)),
          FieldText(ViewOf(r.gateway)),
          r.frequency == 0 ? std::string() : FrequencyText(r.frequency, f),
          CsvTables::Duplex().Text(r.duplex, f),
          FrequencyText(r.offset, f),
          CsvTables::RepeaterMode().Text(r.mode, f),
          CsvTables::RepeaterTone().Text(r.toneMode, f),
          CsvTables::ToneFrequency().Text(r.repeaterTone, f),
          CsvTables::YesNo().Text(r.rpt1Use, f),
          CsvTables::Position().Text(r.positionKind, f),
          IsValidPosition(r.latitude, CsvAxis::kLatitude) ? PositionText(r.latitude, f) : std::string(),
          IsValidPosition(r.longitude, CsvAxis::kLongitude) ? PositionText(r.longitude, f) : std::string(),
          UtcOffsetText(r.utcOffset)};
}

// The groups an import or export covers.
std::pair<int, int> ScopeGroups(std::uint8_t scope) {
  if (scope == kCsvScopeAll) return {0, MemoryMap::kRepeaterGroupCount - 1};
  return {scope, scope};
}

// The list as groups of decoded entries, rewritten in one pass when the import ends.
using GroupedEntries = std::vector<std::vector<datCh>>;

GroupedEntries Entries(cmcEeprom& image) {
  GroupedEntries groups(MemoryMap::kRepeaterGroupCount);
  for (int group = 0; group < MemoryMap::kRepeaterGroupCount; ++group) {
    for (int position = GroupStart(image, group); position <= GroupLast(image, group); ++position) {
      groups[static_cast<std::size_t>(group)].emplace_back(image).Load(RecordKind::kRepeater, position);
    }
  }
  return groups;
}

// Writes the groups one after another; the positions after the last entry take blank
// entries.
void Rewrite(cmcEeprom& image, GroupedEntries& groups) {
  const int oldCount = RepeaterCount(image);
  int position = 0;
  for (int group = 0; group < MemoryMap::kRepeaterGroupCount; ++group) {
    for (datCh& entry : groups[static_cast<std::size_t>(group)]) {
      entry.SetUsed(true);
      entry.Store(RecordKind::kRepeater, position++);
    }
    SetGroupCount(image, group, static_cast<int>(groups[static_cast<std::size_t>(group)].size()));
  }
  for (int blank = position; blank < oldCount; ++blank) StoreBlankEntry(image, RecordKind::kRepeater, blank);
}

class RepeaterFormat final : public CsvListFormat {
 public:
  std::vector<std::string> Header() const override {
    return {"Group No", "Group Name", "Name",      "Sub Name", "Repeater Call Sign", "Gateway Call Sign", "Frequency",
            "Dup",      "Offset",     "Mode",      "TONE",     "Repeater Tone",      "RPT1USE",           "Position",
            "Latitude", "Longitude",  "UTC Offset"};
  }

  std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const override {
    std::vector<std::vector<std::string>> rows;
    datCh record(context.image);
    const auto [first, last] = ScopeGroups(context.scope);
    for (int group = first; group <= last; ++group) {
      for (int position = GroupStart(context.image, group); position <= GroupLast(context.image, group); ++position) {
        record.Load(RecordKind::kRepeater, position);
        rows.push_back(EntryFields(context.image, record, group, context.format));
      }
    }
    return rows;
  }

  void ReadRows(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                const KeepRpt1UseQuestion& keepRpt1Use) const override {
    const auto read = [&context](const CsvRow& row, datCh& entry, RowOutcome& outcome,
                                 CsvImportTally&) -> std::optional<int> {
      int group = ReadEntry(context, row, entry, outcome);
      if (context.scope != kCsvScopeAll) group = context.scope;
      if (IsBlank(GroupName(context.image, group)) && row.Has(kGroupName)) {
        bool cut = false;
        SetGroupName(context.image, group, ReadNameField<MemoryMap::kNameLength>(row.Field(kGroupName), cut));
      }
      return group;
    };
    ReplaceRepeaterGroups(context, file, columns, tally, keepRpt1Use, read);
  }

 protected:
  std::vector<int> RequiredSlots() const override { return {kCallSign}; }

 private:
  // The row as an entry; answers the group the row names.
  static int ReadEntry(const CsvContext& context, const CsvRow& row, datCh& r, RowOutcome& outcome) {
    r.Load(RecordKind::kNewRepeater, 0);
    const datCh defaults = r;
    ReadCallColumn(row, kCallSign, r.callSign, outcome, false);
    const int group = ReadGroup(context, row, outcome);
    ReadTableColumn(row, kMode, CsvTables::RepeaterMode(), defaults.mode, r.mode, outcome, "Mode");
    ReadFrequencyColumn(context, row, r, outcome);
    ReadDuplexAndOffset(context, row, r, outcome);
    ReadNameColumn(row, kName, r.name, outcome);
    ReadNameColumn(row, kSubName, r.subName, outcome);
    ReadGatewayColumn(row, kGateway, r.gateway, outcome);
    ReadTableColumn(row, kTone, CsvTables::RepeaterTone(), defaults.toneMode, r.toneMode, outcome, "TONE");
    ReadToneColumn(row, kRepeaterTone, defaults.repeaterTone, r.repeaterTone, outcome);
    ReadTableColumn(row, kRpt1Use, CsvTables::YesNo(), defaults.rpt1Use, r.rpt1Use, outcome, "RPT1USE");
    ReadTableColumn(row, kPosition, CsvTables::Position(), defaults.positionKind, r.positionKind, outcome, "Position");
    ReadPositionColumn(context, row, kLatitude, CsvAxis::kLatitude, defaults.latitude, r.latitude, outcome);
    ReadPositionColumn(context, row, kLongitude, CsvAxis::kLongitude, defaults.longitude, r.longitude, outcome);
    ReadUtcOffsetColumn(row, defaults.utcOffset, r.utcOffset, outcome);
    MakeConsistent(r);
    return group;
  }

  static int ReadGroup(const CsvContext& context, const CsvRow& row, RowOutcome& outcome) {
    const CsvNumber number = ReadCsvNumber(row.Field(kGroupNo), context.format);
    const double value = number.state == CsvNumber::State::kNumber ? std::trunc(number.value) : -1;
    const int group = value == 0 ? kGroupOfZero : static_cast<int>(std::clamp(value, -1.0, 99.0)) - 1;
    if (group < 0 || group > kFallbackGroup) {
      outcome.Correct("Group No " + Quoted(row.Field(kGroupNo)) + " is no group 1-30; group 30 is used");
      return kFallbackGroup;
    }
    return group;
  }

  static void ReadFrequencyColumn(const CsvContext& context, const CsvRow& row, datCh& r, RowOutcome& outcome) {
    const auto text = row.Present(kFrequency);
    if (!text) return;
    r.frequency = 0;
    if (TrimControlsAndSpaces(*text).empty()) return;
    const std::uint32_t frequency = ReadFrequency(*text, context.format);
    if (!IsRepeaterFrequency(frequency)) {
      outcome.Correct("frequency " + Quoted(*text) + " is not within 0.03-1399.995 MHz; none is stored");
      return;
    }
    r.frequency = SnapChannelFrequency(frequency);
    outcome.CorrectWhen(r.frequency != frequency, "frequency moved onto the raster");
  }

  static void ReadDuplexAndOffset(const CsvContext& context, const CsvRow& row, datCh& r, RowOutcome& outcome) {
    const std::uint16_t duplex = row.Has(kDup) ? CsvTables::Duplex().Value(row.Field(kDup)) : kCsvNotFound;
    const std::uint32_t offset = row.Has(kOffset) ? ReadOffset(row.Field(kOffset), context.format) : kCsvMissingOffset;
    const int bandGroup = indDestination::RepeaterBandGroup(r.frequency);
    if (offset <= HighestRepeaterOffset(r.frequency)) {
      r.offset = SnapFrequency(offset, false);
      outcome.CorrectWhen(r.offset != offset, "offset moved onto the raster");
      r.duplex = static_cast<std::uint8_t>(duplex);
    } else {
      r.offset = indDestination::Current().DefaultOffset(context.defaults, bandGroup);
      r.duplex = r.offset != 0 ? kDuplexMinus : kDuplexOff;
      outcome.Correct("Offset " + Quoted(row.Field(kOffset)) + " is missing or too large; the band's default is used");
      if (duplex == kCsvNotFound) return;
    }
    if (duplex == kCsvNotFound) {
      r.duplex = r.offset != 0 ? kDuplexMinus : kDuplexOff;
      outcome.Correct("Dup " + Quoted(row.Field(kDup)) + " is not known");
    }
  }

  static void ReadPositionColumn(const CsvContext& context, const CsvRow& row, int slot, CsvAxis axis,
                                 const GpsPosition& fallback, GpsPosition& position, RowOutcome& outcome) {
    const auto text = row.Present(slot);
    if (!text) return;
    position = ReadPosition(*text, axis, context.format);
    if (IsValidPosition(position, axis)) return;
    outcome.CorrectWhen(!TrimControlsAndSpaces(*text).empty(), "position " + Quoted(*text) + " is not valid");
    position = fallback;
  }

  static void ReadUtcOffsetColumn(const CsvRow& row, std::int16_t fallback, std::int16_t& minutes,
                                  RowOutcome& outcome) {
    const auto text = row.Present(kUtcOffset);
    if (!text) return;
    bool none = false;
    const std::optional<int> value = ReadUtcOffset(*text, none);
    if (none) {
      minutes = kCsvNoUtcOffset;
      return;
    }
    if (!value || std::abs(*value) > kUtcOffsetLimit) {
      outcome.Correct("UTC Offset " + Quoted(*text) + " is not known; the default is used");
      minutes = fallback;
      return;
    }
    const int cut = *value / kUtcOffsetStep * kUtcOffsetStep;
    outcome.CorrectWhen(cut != *value, "UTC offset cut to a multiple of 5 minutes");
    minutes = static_cast<std::int16_t>(cut);
  }

  // A DV entry without a repeater call sign has neither gateway nor duplex; an analogue entry
  // without a duplex has no call signs.
  static void MakeConsistent(datCh& r) {
    if (r.mode == kModeDv && IsBlank(r.callSign)) {
      r.gateway = kBlankCallSign;
      r.duplex = kDuplexOff;
    } else if (r.mode != kModeDv && r.duplex == kDuplexOff) {
      r.callSign = kBlankCallSign;
      r.gateway = kBlankCallSign;
    }
  }
};

}  // namespace

bool IsRepeaterFrequency(std::uint32_t hertz) { return hertz >= kLowestFrequency && hertz <= kHighestFrequency; }

std::uint32_t HighestRepeaterOffset(std::uint32_t frequency) {
  return indDestination::RepeaterBandGroup(frequency) == kWideOffsetBandGroup ? kHighestOffsetWideBand : kHighestOffset;
}

void ReplaceRepeaterGroups(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                           const KeepRpt1UseQuestion& keepRpt1Use, const RepeaterRowReader& read) {
  cmcEeprom& image = context.image;
  const auto [first, last] = ScopeGroups(context.scope);
  const int oldFirst = GroupStart(image, first);
  const int oldLast = GroupLast(image, last);
  indRptStatusKeep keeper;
  const bool keeps = oldLast >= oldFirst && keepRpt1Use && keepRpt1Use();
  if (keeps) keeper.TakeOld(image, oldFirst, oldLast);

  GroupedEntries groups = Entries(image);
  int total = RepeaterCount(image);
  for (int group = first; group <= last; ++group) {
    total -= static_cast<int>(groups[static_cast<std::size_t>(group)].size());
    groups[static_cast<std::size_t>(group)].clear();
    SetGroupName(image, group, kBlankName);
  }
  datCh record(image);
  while (file.NextLine()) {
    const CsvRow row(file.CurrentLine(), columns);
    RowOutcome outcome(row.Line());
    if (total >= MemoryMap::kRepeaterCount) {
      tally.noSpace = true;
      outcome.Refused(tally, "the repeater list holds no more than 750 entries");
      break;
    }
    const std::optional<int> group = read(row, record, outcome, tally);
    if (!group) continue;
    groups[static_cast<std::size_t>(*group)].push_back(record);
    ++total;
    outcome.Stored(tally);
  }
  Rewrite(image, groups);
  WriteU16(image, MemoryMap::kRememberedRepeater, kRememberedNone);
  if (keeps) {
    keeper.SetTarget(image, GroupStart(image, first), GroupLast(image, last));
    keeper.Apply();
  }
}

const CsvListFormat& RepeaterCsvFormat() {
  static const RepeaterFormat format;
  return format;
}
