// GPS memories by list position (kind 6) and the new-memory templates (kinds 21 and 22).
#include "memory/Bcd.h"
#include "memory/DestinationTables.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/ModelSettings.h"
#include "memory/RecordCodecs.h"

using namespace MemoryMap;

namespace {

constexpr std::int32_t kAltitudeNotSet = 0x7FFFFFFF;
constexpr std::int16_t kUtcOffsetNotSet = 0x7FFF;
constexpr std::uint8_t kUndatedByte = 0x99;

Address GpsRecordAddress(int record) { return kGpsMemories + kGpsRecordSize * record; }

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

LocalDateTime CivilFromMinutes(std::int64_t minutes, int second) {
  std::int64_t days = minutes / 1440;
  std::int64_t minuteOfDay = minutes % 1440;
  if (minuteOfDay < 0) {
    minuteOfDay += 1440;
    --days;
  }
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day, static_cast<int>(minuteOfDay / 60), static_cast<int>(minuteOfDay % 60), second};
}

// The computer's local time turned into UTC with the radio's own UTC offset.
LocalDateTime RadioUtcNow(const cmcEeprom& image) {
  const LocalDateTime local = CurrentModelSettings().LocalTimeNow();
  const auto offset = static_cast<std::int16_t>(ReadU16(image, kRadioUtcOffset));
  const std::int64_t minutes = DaysFromCivil(local.year, local.month, local.day) * 1440 + local.hour * 60 +
                               local.minute - (offset == kUtcOffsetNotSet ? 0 : offset);
  return CivilFromMinutes(minutes, local.second);
}

std::uint8_t BcdByte(int value) {
  std::array<std::uint8_t, 1> byte{};
  IntToBcd(static_cast<std::uint64_t>((value % 100 + 100) % 100), byte);
  return byte[0];
}

}  // namespace

void DecodeGps(datCh& r, const cmcEeprom& image, int index) {
  const GpsGroups groups = ReadGpsGroups(image);
  r.record = static_cast<std::int16_t>(GpsRecordAt(image, index));
  if (r.record < 0) {
    r.SetUsed(false);
    return;
  }
  const Address a = GpsRecordAddress(r.record);
  r.latitude = ReadPosition(image, a);
  r.longitude = ReadPosition(image, a + 4);
  r.date = ReadBytes<3>(image, a + 8);
  r.time = ReadBytes<3>(image, a + 11);
  r.altitude = static_cast<std::int32_t>(ReadU32(image, a + 14));
  r.name = ReadText<kNameLength>(image, a + 18);
  r.group = static_cast<std::uint8_t>(GpsGroupOf(groups, index));
}

void EncodeGps(const datCh& r, cmcEeprom& image, int index) {
  const int record = GpsRecordAt(image, index);
  if (record < 0) return;
  const Address a = GpsRecordAddress(record);
  WritePosition(image, a, r.latitude);
  WritePosition(image, a + 4, r.longitude);
  WriteBytes(image, a + 8, r.date);
  WriteBytes(image, a + 11, r.time);
  WriteU32(image, a + 14, static_cast<std::uint32_t>(r.altitude));
  WriteText(image, a + 18, r.name);
}

void DecodeNewGps(datCh& r, const cmcEeprom& image, int index, bool stampNow) {
  const bool westernDestination = IsUsDestination(CurrentModelSettings().DestinationCode());
  r.latitude = GpsPosition{0, 0, 'N'};
  r.longitude = GpsPosition{0, 0, westernDestination ? 'W' : 'E'};
  r.altitude = kAltitudeNotSet;
  r.group = static_cast<std::uint8_t>(GpsGroupOf(ReadGpsGroups(image), index));
  r.record = -1;
  if (!stampNow) {
    r.date.fill(kUndatedByte);
    r.time.fill(kUndatedByte);
    return;
  }
  const LocalDateTime utc = RadioUtcNow(image);
  r.date = {BcdByte(utc.day), BcdByte(utc.month), BcdByte(utc.year - 2000)};
  r.time = {BcdByte(utc.hour), BcdByte(utc.minute), BcdByte(utc.second)};
}
