#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "values/CallRecordText.h"
#include "values/UnitConversions.h"

namespace {

const UnitStyle kSheet{};
const UnitStyle kJapaneseSheet{false, '.', true};
const UnitStyle kCsvComma{true, ',', false};

TEST(CodecUnitText, ReceivedCallMeasurements) {
  struct Row {
    const char* name;
    std::string text;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"speed km/h", SpeedText(100, 0, kSheet), "18.5km/h"},
      {"speed mph", SpeedText(100, 1, kSheet), "11.5mph"},
      {"speed kt", SpeedText(123, 2, kSheet), "12.3kt"},
      {"speed CSV", SpeedText(100, 0, kCsvComma), "18,5"},
      {"speed not set", SpeedText(0xFFFF, 0, kSheet), "---"},
      {"speed, unknown units as the first", SpeedText(100, 9, kSheet), "18.5km/h"},
      {"altitude m", AltitudeText(3281, true, kSheet), "100m"},
      {"altitude ft", AltitudeText(-3281, false, kSheet), "-328ft"},
      {"altitude CSV metres with tenths", AltitudeText(3281, true, kCsvComma), "100,0"},
      {"altitude CSV feet with tenths", AltitudeText(-3281, false, kCsvComma), "-328,1"},
      {"altitude not set", AltitudeText(0x7FFFFFFF, true, kSheet), "------"},
      {"course", CourseText(275, kSheet), "275\xB0"},
      {"course, Japanese degree sign", CourseText(5, kJapaneseSheet), "5\xDF"},
      {"course CSV", CourseText(275, kCsvComma), "275"},
      {"course not set", CourseText(0xFFFF, kSheet), "---"},
      {"temperature C", TemperatureText(212, 0, kSheet),
       "100.0\xB0"
       "C"},
      {"temperature C below zero", TemperatureText(-40, 0, kSheet),
       "-40.0\xB0"
       "C"},
      {"temperature C rounded to tenths", TemperatureText(33, 0, kCsvComma), "0,6"},
      {"temperature F", TemperatureText(-5, 1, kSheet),
       "-5\xB0"
       "F"},
      {"temperature not set", TemperatureText(0x7FFF, 0, kSheet), "---"},
      {"rain mm", RainText(123, 0, kSheet), "31.2mm"},
      {"rain in", RainText(5, 1, kSheet), "0.05in"},
      {"wind m/s", WindText(10, 0, kSheet), "4.5m/s"},
      {"wind mph", WindText(10, 1, kSheet), "10mph"},
      {"wind kt", WindText(10, 2, kCsvComma), "8,7"},
      {"pressure hPa", PressureText(10135, 0, kSheet), "1014hPa"},
      {"pressure mbar CSV", PressureText(10135, 1, kCsvComma), "1013,5"},
      {"pressure mmHg", PressureText(10135, 2, kSheet), "760mmHg"},
      {"pressure inHg", PressureText(10135, 3, kSheet), "29.9inHg"},
      {"pressure not set", PressureText(0xFFFFFFFF, 0, kSheet), "----"},
      {"SSID empty", SsidText(MakeFixedText<2>("")), "---"},
      {"SSID 0", SsidText({'0', '\xFF'}), "(-0)"},
      {"SSID two characters", SsidText({'1', '5'}), "15"},
      {"SSID letter", SsidText({'A', '\xFF'}), "A"},
      {"status RPT?", StatusText(0x01), "RPT?"},
      {"status UR?", StatusText(0x02), "UR?"},
      {"status RPT UP", StatusText(0x41), "RPT UP"},
      {"status plain", StatusText(0x00), ""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.text, row.expected) << row.name;
}

}  // namespace
