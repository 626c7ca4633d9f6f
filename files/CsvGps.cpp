// The GPS memory layout: entries in list order, group by group (no group, then A-Z), packed,
// at most 200.
#include "files/CsvColumns.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/ListEntries.h"
#include "memory/datCh.h"

namespace {

enum Slot {
  kGroup,
  kGroupName,
  kName,
  kDate,
  kTime,
  kLatitude,
  kLongitude,
  kAltitude,
  kAlarm,
  kBank,  // read in place of "Group" when a file has no "Group" column
};

constexpr std::uint8_t kAlarmOnGpsMemory = 3;
constexpr int kLastGroup = MemoryMap::kGpsGroupCount - 1;

bool HasName(int group) { return group >= 1 && group <= kLastGroup; }

MemoryMap::Address GroupNameAddress(int group) {
  return MemoryMap::kGpsGroupNames + MemoryMap::kNameLength * (group - 1);
}

NameText GroupName(const cmcEeprom& image, int group) {
  return HasName(group) ? ReadText<MemoryMap::kNameLength>(image, GroupNameAddress(group)) : kBlankName;
}

std::int16_t RadioUtcOffset(const cmcEeprom& image) {
  return static_cast<std::int16_t>(ReadU16(image, MemoryMap::kRadioUtcOffset));
}

// Whether the GPS alarm points at the entry at place within group.
bool IsAlarmEntry(const cmcEeprom& image, int group, int place) {
  return image.GetByte(MemoryMap::kGpsAlarmType) == kAlarmOnGpsMemory &&
         image.GetByte(MemoryMap::kGpsAlarmGroup) == group && image.GetByte(MemoryMap::kGpsAlarmPosition) == place;
}

class GpsFormat final : public CsvListFormat {
 public:
  std::vector<std::string> Header() const override {
    return {"Group", "Group Name", "Name", "Date", "Time", "Latitude", "Longitude", "Altitude", "Alarm"};
  }

  std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const override {
    std::vector<std::vector<std::string>> rows;
    const cmcEeprom& image = context.image;
    const GpsGroups groups = ReadGpsGroups(image);
    datCh record(context.image);
    for (int group = 0; group <= kLastGroup; ++group) {
      if (context.scope != kCsvScopeAll && context.scope != group) continue;
      for (int place = 0; place < groups.count[static_cast<std::size_t>(group)]; ++place) {
        record.Load(RecordKind::kGps, groups.start[static_cast<std::size_t>(group)] + place);
        rows.push_back(Fields(context, record, group, place));
      }
    }
    return rows;
  }

  void ReadRows(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                const KeepRpt1UseQuestion&) const override {
    cmcEeprom& image = context.image;
    Clear(context);
    datCh record(image);
    bool alarmSeen = false;
    std::optional<std::pair<int, int>> alarm;
    while (file.NextLine()) {
      const CsvRow row(file.CurrentLine(), columns);
      RowOutcome outcome(row.Line());
      const std::optional<int> rowGroup = ReadEntry(context, row, record, outcome);
      if (!rowGroup) {
        ++tally.discarded;
        outcome.Refused(tally, "latitude " + Quoted(row.Field(kLatitude)) + " or longitude " +
                                   Quoted(row.Field(kLongitude)) + " is no position");
        continue;
      }
      const int group = context.scope == kCsvScopeAll ? *rowGroup : context.scope;
      const GpsGroups groups = ReadGpsGroups(image);
      const int place = groups.count[static_cast<std::size_t>(group)];
      if (groups.length >= MemoryMap::kGpsMemoryCount || !InsertGpsMemory(image, group, place)) {
        tally.noSpace = true;
        outcome.Refused(tally, "the GPS memory holds no more than 200 entries");
        break;
      }
      ReadAlarm(row, alarmSeen, outcome, [&] { alarm = std::pair{group, place}; });
      record.Store(RecordKind::kGps, ReadGpsGroups(image).start[static_cast<std::size_t>(group)] + place);
      if (HasName(group) && IsBlank(GroupName(image, group)) && row.Has(kGroupName)) {
        bool cut = false;
        WriteText(image, GroupNameAddress(group), ReadNameField<MemoryMap::kNameLength>(row.Field(kGroupName), cut));
      }
      outcome.Stored(tally);
    }
    if (alarm) {
      image.SetByte(MemoryMap::kGpsAlarmType, kAlarmOnGpsMemory);
      image.SetByte(MemoryMap::kGpsAlarmGroup, static_cast<std::uint8_t>(alarm->first));
      image.SetByte(MemoryMap::kGpsAlarmPosition, static_cast<std::uint8_t>(alarm->second));
    }
  }

 protected:
  std::vector<std::string> ReadColumns() const override {
    std::vector<std::string> names = Header();
    names.push_back("Bank");
    return names;
  }
  std::vector<int> RequiredSlots() const override { return {kLatitude, kLongitude}; }

 private:
  static std::vector<std::string> Fields(const CsvContext& context, const datCh& r, int group, int place) {
    const cmcEeprom& image = context.image;
    const CsvFileFormat& f = context.format;
    const GpsStamp stamp{r.date, r.time};
    return {CsvTables::GpsGroup().Text(static_cast<std::uint16_t>(group), f),
            FieldText(ViewOf(GroupName(image, group))),
            FieldText(ViewOf(r.name)),
            StampDateText(stamp, RadioUtcOffset(image), f),
            StampTimeText(stamp, RadioUtcOffset(image)),
            PositionText(r.latitude, f),
            PositionText(r.longitude, f),
            AltitudeText(r.altitude, f),
            CsvTables::OnOff().Text(IsAlarmEntry(image, group, place) ? 1 : 0, f)};
  }

  // Deletes the entries of the scope; the names of the groups it covers become blank.
  static void Clear(CsvContext& context) {
    cmcEeprom& image = context.image;
    const GpsGroups groups = ReadGpsGroups(image);
    for (int group = kLastGroup; group >= 0; --group) {
      if (context.scope != kCsvScopeAll && context.scope != group) continue;
      const auto g = static_cast<std::size_t>(group);
      for (int place = groups.count[g] - 1; place >= 0; --place) RemoveGpsMemory(image, groups.start[g] + place);
      if (HasName(group)) WriteText(image, GroupNameAddress(group), kBlankName);
    }
  }

  // The row as an entry and the group it names; none when its position is not valid.
  static std::optional<int> ReadEntry(const CsvContext& context, const CsvRow& row, datCh& r, RowOutcome& outcome) {
    r.Load(RecordKind::kNewGpsUndated, 0);
    r.latitude = ReadPosition(row.Field(kLatitude), CsvAxis::kLatitude, context.format);
    r.longitude = ReadPosition(row.Field(kLongitude), CsvAxis::kLongitude, context.format);
    if (!IsValidPosition(r.latitude, CsvAxis::kLatitude) || !IsValidPosition(r.longitude, CsvAxis::kLongitude)) {
      return std::nullopt;
    }
    if (const auto altitude = row.Present(kAltitude)) {
      bool corrected = false;
      r.altitude = ReadAltitude(*altitude, context.format, corrected);
      outcome.CorrectWhen(corrected, "altitude " + Quoted(*altitude) + " is not within 10,000 m");
    }
    ReadNameColumn(row, kName, r.name, outcome);
    bool stampCorrected = false;
    const GpsStamp stamp =
        ReadStamp(row.Field(kDate), row.Field(kTime), RadioUtcOffset(context.image), context.format, stampCorrected);
    r.date = stamp.date;
    r.time = stamp.time;
    outcome.CorrectWhen(stampCorrected, "date " + Quoted(row.Field(kDate)) + " and time " + Quoted(row.Field(kTime)) +
                                            " were not both usable");
    const int groupSlot = row.Has(kGroup) ? kGroup : kBank;
    const std::uint16_t group = CsvTables::GpsGroup().Value(row.Field(groupSlot));
    if (group > kLastGroup) {
      outcome.Correct("group " + Quoted(row.Field(groupSlot)) + " is not known; the entry has no group");
      return 0;
    }
    return group;
  }

  // The first stored row with "ON" is the alarm entry; a later "ON" or an unknown text
  // corrects its row.
  template <typename TakeAlarm>
  static void ReadAlarm(const CsvRow& row, bool& alarmSeen, RowOutcome& outcome, TakeAlarm takeAlarm) {
    const auto text = row.Present(kAlarm);
    if (!text) return;
    const std::uint16_t value = CsvTables::OnOff().Value(*text);
    if (value == kCsvNotFound || (value == 1 && alarmSeen)) {
      outcome.Correct("Alarm " + Quoted(*text) + (alarmSeen ? ": an earlier entry holds the alarm" : " is not known"));
      return;
    }
    if (value == 1) {
      alarmSeen = true;
      takeAlarm();
    }
  }
};

}  // namespace

const CsvListFormat& GpsCsvFormat() {
  static const GpsFormat format;
  return format;
}
