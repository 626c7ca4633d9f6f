#include "values/GpsStamp.h"

#include <chrono>

#include "memory/Bcd.h"
#include "values/ZeroPadded.h"

namespace {

using namespace std::chrono;

constexpr std::int16_t kUtcOffsetNotSet = 0x7FFF;
constexpr CalendarDate kTimeOnlyDate{2006, 4, 10};
constexpr CalendarDate kFirstEnteredDate{2000, 1, 2};
constexpr CalendarDate kLastEnteredDate{2099, 12, 30};

// A BCD byte's value, or 99 (which no field accepts) when it is no BCD byte.
int BcdField(std::uint8_t byte) {
  const std::array<std::uint8_t, 1> bytes{byte};
  return IsValidBcd(bytes) ? static_cast<int>(BcdToInt(bytes)) : 99;
}

std::uint8_t BcdByte(int value) {
  std::array<std::uint8_t, 1> byte{};
  IntToBcd(static_cast<std::uint64_t>(value), byte);
  return byte[0];
}

year_month_day ToYmd(const CalendarDate& d) {
  return year{d.year} / month{static_cast<unsigned>(d.month)} / day{static_cast<unsigned>(d.day)};
}

bool IsRealDate(const CalendarDate& d) { return d.month >= 1 && d.day >= 1 && ToYmd(d).ok(); }

bool IsTimeOfDay(const TimeOfDay& t) {
  return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60;
}

std::optional<CalendarDate> StoredDate(const GpsStamp& stamp) {
  const CalendarDate d{2000 + BcdField(stamp.date[2]), BcdField(stamp.date[1]), BcdField(stamp.date[0])};
  return IsRealDate(d) ? std::optional(d) : std::nullopt;
}

std::optional<TimeOfDay> StoredTime(const GpsStamp& stamp) {
  const TimeOfDay t{BcdField(stamp.time[0]), BcdField(stamp.time[1]), BcdField(stamp.time[2])};
  return IsTimeOfDay(t) ? std::optional(t) : std::nullopt;
}

sys_seconds Instant(const CalendarDate& d, const TimeOfDay& t) {
  return sys_days{ToYmd(d)} + hours{t.hour} + minutes{t.minute} + seconds{t.second};
}

CalendarDate DateOf(sys_seconds instant) {
  const year_month_day ymd{floor<days>(instant)};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

TimeOfDay TimeOf(sys_seconds instant) {
  const hh_mm_ss hms{instant - floor<days>(instant)};
  return {static_cast<int>(hms.hours().count()), static_cast<int>(hms.minutes().count()),
          static_cast<int>(hms.seconds().count())};
}

bool InStorableYears(const CalendarDate& d) { return d.year >= 2000 && d.year <= 2099; }

void WriteDate(const CalendarDate& d, GpsStamp& stamp) {
  stamp.date = {BcdByte(d.day), BcdByte(d.month), BcdByte(d.year - 2000)};
}

void WriteTime(const TimeOfDay& t, GpsStamp& stamp) {
  stamp.time = {BcdByte(t.hour), BcdByte(t.minute), BcdByte(t.second)};
}

// Writes the UTC instant of a local date and time into both fields.
bool StorePair(const CalendarDate& date, const TimeOfDay& time, GpsStamp& stamp, int utcOffsetMinutes) {
  const sys_seconds utc = Instant(date, time) - minutes{utcOffsetMinutes};
  if (!InStorableYears(DateOf(utc))) return false;
  WriteDate(DateOf(utc), stamp);
  WriteTime(TimeOf(utc), stamp);
  return true;
}

bool IsBefore(const CalendarDate& a, const CalendarDate& b) { return ToYmd(a) < ToYmd(b); }

}  // namespace

int EffectiveUtcOffset(std::int16_t radioUtcOffset) { return radioUtcOffset == kUtcOffsetNotSet ? 0 : radioUtcOffset; }

LocalStamp ToLocal(const GpsStamp& stamp, int utcOffsetMinutes) {
  const auto date = StoredDate(stamp);
  const auto time = StoredTime(stamp);
  if (!time) return {date, std::nullopt};
  const sys_seconds local = Instant(date.value_or(kTimeOnlyDate), *time) + minutes{utcOffsetMinutes};
  return {date ? std::optional(DateOf(local)) : std::nullopt, TimeOf(local)};
}

bool StoreLocalDate(const CalendarDate& date, GpsStamp& stamp, int utcOffsetMinutes) {
  const LocalStamp local = ToLocal(stamp, utcOffsetMinutes);
  if (local.time) return StorePair(date, *local.time, stamp, utcOffsetMinutes);
  if (!InStorableYears(date)) return false;
  WriteDate(date, stamp);
  return true;
}

bool StoreLocalTime(const TimeOfDay& time, GpsStamp& stamp, int utcOffsetMinutes) {
  const LocalStamp local = ToLocal(stamp, utcOffsetMinutes);
  if (local.date) return StorePair(*local.date, time, stamp, utcOffsetMinutes);
  const sys_seconds utc = Instant(kTimeOnlyDate, time) - minutes{utcOffsetMinutes};
  WriteTime(TimeOf(utc), stamp);
  return true;
}

std::optional<CalendarDate> ReadEnteredDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '/' || text[7] != '/') return std::nullopt;
  const auto y = DigitsAt(text, 0, 4);
  const auto m = DigitsAt(text, 5, 2);
  const auto d = DigitsAt(text, 8, 2);
  if (!y || !m || !d) return std::nullopt;
  const CalendarDate date{*y, *m, *d};
  if (!IsRealDate(date) || IsBefore(date, kFirstEnteredDate) || IsBefore(kLastEnteredDate, date)) {
    return std::nullopt;
  }
  return date;
}

std::optional<TimeOfDay> ReadEnteredTime(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  const auto h = DigitsAt(text, 0, 2);
  const auto m = DigitsAt(text, 3, 2);
  const auto s = DigitsAt(text, 6, 2);
  if (!h || !m || !s) return std::nullopt;
  const TimeOfDay time{*h, *m, *s};
  return IsTimeOfDay(time) ? std::optional(time) : std::nullopt;
}
