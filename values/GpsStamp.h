#pragma once
// A date and time as GPS memories and the radio's settings keep them: UTC in BCD, day, month,
// year - 2000 and hour, minute, second. The cells show them in the radio's local time (UTC
// plus the radio's UTC offset) and convert entries back.
//
// Date and time are one instant: a shown field is the field of the local date-time, and an
// entry is combined with the other field's local value and converted as a pair. A field that
// is not a valid date or time of day is "unset"; with only the time set, the conversion uses
// the date 2006/04/10 and keeps only the time; with only the date set there is no time of day
// to shift, so the date shows and stores as it is.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

struct CalendarDate {
  int year = 2000;
  int month = 1;
  int day = 1;
  bool operator==(const CalendarDate&) const = default;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool operator==(const TimeOfDay&) const = default;
};

struct GpsStamp {
  std::array<std::uint8_t, 3> date{};  // BCD day, month, year - 2000
  std::array<std::uint8_t, 3> time{};  // BCD hour, minute, second
};

// What the cells show: the local date and time, each missing when its field is unset.
struct LocalStamp {
  std::optional<CalendarDate> date;
  std::optional<TimeOfDay> time;
};

// The radio's UTC offset in minutes as the conversion uses it: not set (0x7FFF) counts as 0.
int EffectiveUtcOffset(std::int16_t radioUtcOffset);

LocalStamp ToLocal(const GpsStamp& stamp, int utcOffsetMinutes);

// Store a local date or time entered in a cell. False, with the stamp unchanged, when the
// converted date falls outside the years 2000-2099 the image can hold.
bool StoreLocalDate(const CalendarDate& date, GpsStamp& stamp, int utcOffsetMinutes);
bool StoreLocalTime(const TimeOfDay& time, GpsStamp& stamp, int utcOffsetMinutes);

// "yyyy/mm/dd" (exactly) as a real date within 2000/01/02-2099/12/30, the dates a user may
// enter: the radio's offset of up to 14 hours keeps them within the years the image holds.
std::optional<CalendarDate> ReadEnteredDate(std::string_view text);
// "hh:nn:ss" (exactly) as a valid time of day.
std::optional<TimeOfDay> ReadEnteredTime(std::string_view text);
