#pragma once
// Texts of the received call record's measurements (and of GPS altitudes) in the units the
// radio's settings choose. On the sheet a value is followed by its unit and uses "." as the
// decimal point; in a CSV file it carries no unit and uses the file's decimal character.
// A units index outside a setting's list counts as its first entry.
#include <cstdint>
#include <string>

struct UnitStyle {
  bool csv = false;
  char decimalSeparator = '.';   // the CSV setting's; "." on the sheet
  bool japaneseDisplay = false;  // chooses the degree sign
};

// A value given in units of 10^-decimals (decimals at least 1), written with that many
// decimals after the separator and a "-" in front of a negative value.
std::string Decimal(long long scaled, int decimals, char separator);

// The value followed by its unit on the sheet; alone in a CSV file.
std::string WithUnit(std::string value, const char* unit, const UnitStyle& style);

// Altitude in whole metres (metric) or feet, rounded half away from zero.
long long WholeAltitudeUnits(std::int32_t tenthsOfFoot, bool metric);

// Tenths of a knot (0xFFFF not set) in km/h (units 0), mph (1) or kt (2), with tenths.
std::string SpeedText(std::uint16_t tenthsOfKnot, int units, const UnitStyle& style);
// Tenths of a foot (0x7FFFFFFF not set): whole units on the sheet, tenths in CSV.
std::string AltitudeText(std::int32_t tenthsOfFoot, bool metric, const UnitStyle& style);
// Degrees (0xFFFF not set) and the degree sign.
std::string CourseText(std::uint16_t degrees, const UnitStyle& style);
// Degrees Fahrenheit (0x7FFF not set) in Celsius with tenths (units 0) or whole Fahrenheit (1).
std::string TemperatureText(std::int16_t fahrenheit, int units, const UnitStyle& style);
// Hundredths of an inch in millimetres with one decimal (units 0) or inches with two (1).
std::string RainText(std::uint16_t hundredthsOfInch, int units, const UnitStyle& style);
// Miles per hour in m/s with one decimal (units 0), whole mph (1) or kt with one decimal (2).
std::string WindText(std::uint16_t mph, int units, const UnitStyle& style);
// Tenths of a hectopascal (0xFFFFFFFF not set) in hPa (units 0) or mbar (1), whole on the
// sheet and with tenths in CSV, mmHg (2) whole or inHg (3) with one decimal.
std::string PressureText(std::uint32_t tenthsOfHectopascal, int units, const UnitStyle& style);
