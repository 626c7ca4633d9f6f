// The texts of the received call record's columns.
//
// Layout of a received call's 92-byte report block beyond what the record decodes: bytes
// 12-13 the D-PRS symbol (table identifier and symbol code); by data type, position reports (1, 6) hold the course and
// speed at 30 and 32; station reports (2) the power in watts at 30, the antenna height at 32 (tenths of a foot, like
// the altitude), the gain in dB at 36 and the directivity at 37 (0 omni, else 45 degrees per step); weather reports (5)
// the wind direction, wind speed, gust speed, temperature, rain, rain in 24 hours and rain since midnight as 16-bit
// values from 30, the humidity at 44 and the pressure at 45. The times of reception and of the report count seconds
// since 2000-01-01 00:00 UTC.
#include "values/CallRecordText.h"

#include <chrono>
#include <span>

#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"
#include "text/CellIds.h"
#include "values/AprsSymbols.h"
#include "values/CallSignCell.h"
#include "values/GpsStamp.h"
#include "values/PositionCell.h"
#include "values/TextCell.h"
#include "values/ZeroPadded.h"

namespace {

namespace DataType {
constexpr std::uint8_t kPosition = 1;
constexpr std::uint8_t kStation = 2;
constexpr std::uint8_t kObject = 3;
constexpr std::uint8_t kItem = 4;
constexpr std::uint8_t kWeather = 5;
constexpr std::uint8_t kPositionWithoutStation = 6;
}  // namespace DataType

constexpr std::uint32_t kNoTime = 0xFFFFFFFF;
constexpr std::uint8_t kBreakInBit = 0x10;
constexpr std::uint8_t kEmergencyBit = 0x20;

std::uint16_t U16At(const datCh& r, std::size_t at) {
  return static_cast<std::uint16_t>(r.positionBlock[at] << 8 | r.positionBlock[at + 1]);
}

std::uint32_t U32At(const datCh& r, std::size_t at) {
  return static_cast<std::uint32_t>(U16At(r, at)) << 16 | U16At(r, at + 2);
}

bool IsPositionReport(const datCh& r) {
  return r.dataType == DataType::kPosition || r.dataType == DataType::kPositionWithoutStation;
}

// "yyyy/mm/dd hh:nn" (with ":ss" when asked) in the radio's local time; nothing when not set.
std::string TimeText(std::uint32_t seconds, const ReceivedCallSettings& s, bool withSeconds) {
  using namespace std::chrono;
  if (seconds == kNoTime) return {};
  const int offset = EffectiveUtcOffset(s.radioUtcOffset);
  const sys_seconds local = sys_days{year{2000} / January / 1} + std::chrono::seconds{seconds} + minutes{offset};
  const year_month_day date{floor<days>(local)};
  const hh_mm_ss time{local - floor<days>(local)};
  std::string text = ZeroPadded(static_cast<int>(date.year()), 4) + '/' +
                     ZeroPadded(static_cast<unsigned>(date.month()), 2) + '/' +
                     ZeroPadded(static_cast<unsigned>(date.day()), 2) + ' ' + ZeroPadded(time.hours().count(), 2) +
                     ':' + ZeroPadded(time.minutes().count(), 2);
  if (withSeconds) text += ':' + ZeroPadded(time.seconds().count(), 2);
  return text;
}

std::string DataTypeText(std::uint8_t type) {
  switch (type) {
    case DataType::kPosition:
    case DataType::kPositionWithoutStation:
      return "Position";
    case DataType::kStation:
      return "Station";
    case DataType::kObject:
      return "Object";
    case DataType::kItem:
      return "Item";
    case DataType::kWeather:
      return "Weather";
    default:
      return {};
  }
}

std::string DirectivityText(std::uint8_t step, const UnitStyle& style) {
  if (step == 0) return "Omni";
  return WithUnit(std::to_string(45 * step), std::string(1, DegreeSign(style.japaneseDisplay)).c_str(), style);
}

template <std::size_t N>
std::string Shown(const ReceivedCallSettings& s, const FixedText<N>& text) {
  return TextCell(TextCellFormat{}, s.codec).Display(text);
}

std::string ShownCall(const ReceivedCallSettings& s, std::span<const char> call) {
  return CallSignCell(s.codec).Display(call);
}

std::string PositionText(const ReceivedCallSettings& s, PositionAxis axis, const GpsPosition& position) {
  return PositionCell(axis, s.positionInSeconds, s.codec).Display(position);
}

// The measurements of position, station and weather reports; empty for other reports.
std::string ReportText(const datCh& r, unsigned cellId, const ReceivedCallSettings& s) {
  const UnitStyle& style = s.style;
  const bool metric = s.metric;
  const bool station = r.dataType == DataType::kStation;
  const bool weather = r.dataType == DataType::kWeather;
  switch (cellId) {
    case CL_Received_Callsign_Course:
      return IsPositionReport(r) ? CourseText(U16At(r, 30), style) : std::string{};
    case CL_Received_Callsign_Speed:
      return IsPositionReport(r) ? SpeedText(U16At(r, 32), s.speedUnits, style) : std::string{};
    case CL_Received_Callsign_Power:
      return station ? WithUnit(std::to_string(r.positionBlock[30]), "W", style) : std::string{};
    case CL_Received_Callsign_Height:
      return station ? AltitudeText(static_cast<std::int32_t>(U32At(r, 32)), metric, style) : std::string{};
    case CL_Received_Callsign_Gain:
      return station ? WithUnit(std::to_string(r.positionBlock[36]), "dB", style) : std::string{};
    case CL_Received_Callsign_Directivity:
      return station ? DirectivityText(r.positionBlock[37], style) : std::string{};
    case CL_Received_Callsign_WindDir:
      return weather ? CourseText(U16At(r, 30), style) : std::string{};
    case CL_Received_Callsign_WindSpeed:
    case CL_Received_Callsign_GustSpeed: {
      const std::size_t at = cellId == CL_Received_Callsign_WindSpeed ? 32 : 34;
      return weather ? WindText(U16At(r, at), s.windUnits, style) : std::string{};
    }
    case CL_Received_Callsign_Temp:
      return weather ? TemperatureText(static_cast<std::int16_t>(U16At(r, 36)), s.temperatureUnits, style)
                     : std::string{};
    case CL_Received_Callsign_Rain:
    case CL_Received_Callsign_Rain24:
    case CL_Received_Callsign_RainMidnight: {
      const std::size_t at = 38 + 2 * static_cast<std::size_t>(cellId - CL_Received_Callsign_Rain);
      return weather ? RainText(U16At(r, at), s.rainUnits, style) : std::string{};
    }
    case CL_Received_Callsign_Humidity:
      return weather ? WithUnit(std::to_string(r.positionBlock[44]), "%", style) : std::string{};
    case CL_Received_Callsign_Barometric:
      return weather ? PressureText(U32At(r, 45), s.pressureUnits, style) : std::string{};
    default:
      return {};
  }
}

}  // namespace

std::string ReceivedCallText(const datCh& r, unsigned cellId, const ReceivedCallSettings& s) {
  switch (cellId) {
    case CL_Received_Callsign_Caller:
      return ShownCall(s, r.caller);
    case CL_Received_Callsign_Caller2:
      return ShownCall(s, r.callerNote);
    case CL_Received_Callsign_Called:
      return ShownCall(s, r.called);
    case CL_Received_Callsign_RPT1:
      return ShownCall(s, r.rpt1);
    case CL_Received_Callsign_RPT2:
      return ShownCall(s, r.rpt2);
    case CL_Received_Callsign_Message:
      return Shown(s, r.message);
    case CL_Received_Callsign_Status:
      return StatusText(r.status);
    case CL_Received_Callsign_BK:
      return (r.status & kBreakInBit) != 0 ? "BK" : "";
    case CL_Received_Callsign_EMR:
      return (r.status & kEmergencyBit) != 0 ? "EMR" : "";
    case CL_Received_Callsign_Date:
      return TimeText(r.receivedTime, s, false);
    case CL_Received_Callsign_GpsTimestamp:
      return TimeText(r.gpsTimestamp, s, true);
    case CL_Received_Callsign_Latitude:
      return PositionText(s, PositionAxis::kLatitude, r.latitude);
    case CL_Received_Callsign_Longitude:
      return PositionText(s, PositionAxis::kLongitude, r.longitude);
    case CL_Received_Callsign_Altitude:
      return AltitudeText(r.altitude, s.metric, s.style);
    case CL_Received_Callsign_SSID:
      return SsidText(r.ssid);
    case CL_Received_Callsign_Symbol:
      if (s.symbolLists == nullptr) return std::string(r.positionBlock.begin() + 12, r.positionBlock.begin() + 14);
      return AprsSymbolText(*s.symbolLists,
                            {static_cast<char>(r.positionBlock[12]), static_cast<char>(r.positionBlock[13])});
    case CL_Received_Callsign_ObjItemName:
      return r.dataType == DataType::kObject || r.dataType == DataType::kItem
                 ? Shown(s, MakeFixedText<9>(
                                std::string_view(reinterpret_cast<const char*>(r.positionBlock.data()) + 30, 9)))
                 : std::string{};
    case CL_Received_Callsign_DataType:
      return DataTypeText(r.dataType);
    case CL_Received_Callsign_GpsMsg:
      return Shown(s, r.gpsMessage);
    default:
      return ReportText(r, cellId, s);
  }
}

ReceivedCallSettings ReceivedCallSettingsOf(const cmcEeprom& image, const CodecSettings& codec,
                                            const UnitStyle& style) {
  const auto setting = [&image](int offset) { return image.GetByte(MemoryMap::kSettings + offset); };
  ReceivedCallSettings s;
  s.style = style;
  s.codec = codec;
  s.radioUtcOffset = static_cast<std::int16_t>(ReadU16(image, MemoryMap::kRadioUtcOffset));
  s.positionInSeconds = setting(ListSetting::kPositionFormat) != 0;
  s.metric = setting(ListSetting::kUnits) == 0;
  s.speedUnits = setting(ListSetting::kSpeedUnits);
  s.temperatureUnits = setting(ListSetting::kTemperatureUnits);
  s.pressureUnits = setting(ListSetting::kPressureUnits);
  s.rainUnits = setting(ListSetting::kRainUnits);
  s.windUnits = setting(ListSetting::kWindUnits);
  return s;
}

std::string SsidText(const FixedText<2>& ssid) {
  std::string text;
  for (char c : ssid) {
    if (c == ' ' || c == '\xFF' || c == '\0') break;
    text.push_back(c);
  }
  if (text.empty()) return "---";
  return text == "0" ? "(-0)" : text;
}

std::string StatusText(std::uint8_t status) {
  if (status & 0x40) return "RPT UP";
  switch (status & 0x0F) {
    case 1:
      return "RPT?";
    case 2:
      return "UR?";
    default:
      return {};
  }
}
