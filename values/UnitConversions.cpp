#include "values/UnitConversions.h"

#include <cmath>
#include <cstdlib>

#include "values/CodecSettings.h"
#include "values/ZeroPadded.h"

namespace {

constexpr std::uint16_t kNotSet16 = 0xFFFF;
constexpr std::int16_t kTemperatureNotSet = 0x7FFF;
constexpr std::int32_t kAltitudeNotSet = 0x7FFFFFFF;
constexpr std::uint32_t kPressureNotSet = 0xFFFFFFFF;

long long Rounded(double value) { return std::llround(value); }

char DegreeSignOf(const UnitStyle& style) { return DegreeSign(style.japaneseDisplay); }

}  // namespace

std::string Decimal(long long scaled, int decimals, char separator) {
  long long unit = 1;
  for (int i = 0; i < decimals; ++i) unit *= 10;
  const long long magnitude = std::llabs(scaled);
  return (scaled < 0 ? "-" : "") + std::to_string(magnitude / unit) + separator +
         ZeroPadded(magnitude % unit, decimals);
}

std::string WithUnit(std::string value, const char* unit, const UnitStyle& style) {
  return style.csv ? value : value + unit;
}

long long WholeAltitudeUnits(std::int32_t tenthsOfFoot, bool metric) {
  return Rounded(metric ? tenthsOfFoot * 0.03048 : tenthsOfFoot / 10.0);
}

std::string SpeedText(std::uint16_t tenthsOfKnot, int units, const UnitStyle& style) {
  if (tenthsOfKnot == kNotSet16) return "---";
  const char sep = style.decimalSeparator;
  if (units == 1) return WithUnit(Decimal(Rounded(tenthsOfKnot * 1852.0 / 1609.0), 1, sep), "mph", style);
  if (units == 2) return WithUnit(Decimal(tenthsOfKnot, 1, sep), "kt", style);
  return WithUnit(Decimal(Rounded(tenthsOfKnot * 1852.0 / 1000.0), 1, sep), "km/h", style);
}

std::string AltitudeText(std::int32_t tenthsOfFoot, bool metric, const UnitStyle& style) {
  if (tenthsOfFoot == kAltitudeNotSet) return "------";
  if (style.csv) return Decimal(metric ? Rounded(tenthsOfFoot * 0.3048) : tenthsOfFoot, 1, style.decimalSeparator);
  return std::to_string(WholeAltitudeUnits(tenthsOfFoot, metric)) + (metric ? "m" : "ft");
}

std::string CourseText(std::uint16_t degrees, const UnitStyle& style) {
  if (degrees == kNotSet16) return "---";
  const std::string text = std::to_string(degrees);
  return style.csv ? text : text + DegreeSignOf(style);
}

std::string TemperatureText(std::int16_t fahrenheit, int units, const UnitStyle& style) {
  if (fahrenheit == kTemperatureNotSet) return "---";
  const std::string degree = style.csv ? "" : std::string(1, DegreeSignOf(style));
  if (units == 1) return std::to_string(fahrenheit) + (style.csv ? "" : degree + 'F');
  const long long celsiusTenths = Rounded((fahrenheit - 32) * 50.0 / 9.0);
  return Decimal(celsiusTenths, 1, style.decimalSeparator) + (style.csv ? "" : degree + 'C');
}

std::string RainText(std::uint16_t hundredthsOfInch, int units, const UnitStyle& style) {
  if (units == 1) return WithUnit(Decimal(hundredthsOfInch, 2, style.decimalSeparator), "in", style);
  return WithUnit(Decimal(Rounded(hundredthsOfInch * 2.54), 1, style.decimalSeparator), "mm", style);
}

std::string WindText(std::uint16_t mph, int units, const UnitStyle& style) {
  if (units == 1) return WithUnit(std::to_string(mph), "mph", style);
  if (units == 2) return WithUnit(Decimal(Rounded(mph * 8.69), 1, style.decimalSeparator), "kt", style);
  return WithUnit(Decimal(Rounded(mph * 4.47), 1, style.decimalSeparator), "m/s", style);
}

std::string PressureText(std::uint32_t tenthsOfHectopascal, int units, const UnitStyle& style) {
  if (tenthsOfHectopascal == kPressureNotSet) return "----";
  const char sep = style.decimalSeparator;
  if (units == 2) return WithUnit(std::to_string(Rounded(tenthsOfHectopascal * 0.07501)), "mmHg", style);
  if (units == 3) return WithUnit(Decimal(Rounded(tenthsOfHectopascal * 0.02953), 1, sep), "inHg", style);
  const std::string value =
      style.csv ? Decimal(tenthsOfHectopascal, 1, sep) : std::to_string(Rounded(tenthsOfHectopascal / 10.0));
  return WithUnit(value, units == 1 ? "mbar" : "hPa", style);
}
