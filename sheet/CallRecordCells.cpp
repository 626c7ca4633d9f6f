// The radio's own log of its traffic, shown read-only: the received call record with the
// position, station, object and weather reports that came with a call, and the four
// transmit histories with the repeater or your-call entry each call sign names.
//
// Layout of a received call's 92-byte report block beyond what the record decodes: bytes
// 12-13 the D-PRS symbol (table identifier and symbol code); by data type, position reports (1, 6) hold the course and
// speed at 30 and 32; station reports (2) the power in watts at 30, the antenna height at 32 (tenths of a foot, like
// the altitude), the gain in dB at 36 and the directivity at 37 (0 omni, else 45 degrees per step); weather reports (5)
// the wind direction, wind speed, gust speed, temperature, rain, rain in 24 hours and rain since midnight as 16-bit
// values from 30, the humidity at 44 and the pressure at 45. The times of reception and of the report count seconds
// since 2000-01-01 00:00 UTC.
#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "memory/ChannelValues.h"
#include "sheet/AprsSymbols.h"
#include "sheet/CallSignCell.h"
#include "sheet/CellFamilies.h"
#include "sheet/ColumnCells.h"
#include "sheet/GpsStamp.h"
#include "sheet/ListCell.h"
#include "sheet/NumberCell.h"
#include "sheet/PositionCell.h"
#include "sheet/TextCell.h"
#include "sheet/UnitConversions.h"
#include "sheet/ValueCells.h"
#include "sheet/ZeroPadded.h"

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
std::string TimeText(std::uint32_t seconds, const ActiveCellFrame& frame, bool withSeconds) {
  using namespace std::chrono;
  if (seconds == kNoTime) return {};
  const int offset = EffectiveUtcOffset(RadioUtcOffset(frame));
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
  return std::to_string(45 * step) + DegreeSign(style.japaneseDisplay);
}

template <std::size_t N>
std::string Shown(ActiveCellFrame& frame, const FixedText<N>& text) {
  return TextCell(TextCellFormat{}, CodecSettingsOf(frame)).Display(text);
}

std::string ShownCall(ActiveCellFrame& frame, std::span<const char> call) {
  return CallSignCell(CodecSettingsOf(frame)).Display(call);
}

std::string PositionText(ActiveCellFrame& frame, PositionAxis axis, const GpsPosition& position) {
  const bool inSeconds = SettingsByte(frame, ListSetting::kPositionFormat) != 0;
  return PositionCell(axis, inSeconds, CodecSettingsOf(frame)).Display(position);
}

// The measurements of position, station and weather reports; empty for other reports.
std::string ReportText(ActiveCellFrame& frame, const UnitStyle& style) {
  const datCh& r = frame.record;
  const bool metric = SettingsByte(frame, ListSetting::kUnits) == 0;
  const bool station = r.dataType == DataType::kStation;
  const bool weather = r.dataType == DataType::kWeather;
  const auto units = [&](int setting) { return SettingsByte(frame, setting); };
  switch (frame.cellId) {
    case CL_Received_Callsign_Course:
      return IsPositionReport(r) ? CourseText(U16At(r, 30), style) : std::string{};
    case CL_Received_Callsign_Speed:
      return IsPositionReport(r) ? SpeedText(U16At(r, 32), units(ListSetting::kSpeedUnits), style) : std::string{};
    case CL_Received_Callsign_Power:
      return station ? std::to_string(r.positionBlock[30]) + "W" : std::string{};
    case CL_Received_Callsign_Height:
      return station ? AltitudeText(static_cast<std::int32_t>(U32At(r, 32)), metric, style) : std::string{};
    case CL_Received_Callsign_Gain:
      return station ? std::to_string(r.positionBlock[36]) + "dB" : std::string{};
    case CL_Received_Callsign_Directivity:
      return station ? DirectivityText(r.positionBlock[37], style) : std::string{};
    case CL_Received_Callsign_WindDir:
      return weather ? CourseText(U16At(r, 30), style) : std::string{};
    case CL_Received_Callsign_WindSpeed:
    case CL_Received_Callsign_GustSpeed: {
      const std::size_t at = frame.cellId == CL_Received_Callsign_WindSpeed ? 32 : 34;
      return weather ? WindText(U16At(r, at), units(ListSetting::kWindUnits), style) : std::string{};
    }
    case CL_Received_Callsign_Temp:
      return weather ? TemperatureText(static_cast<std::int16_t>(U16At(r, 36)), units(ListSetting::kTemperatureUnits),
                                       style)
                     : std::string{};
    case CL_Received_Callsign_Rain:
    case CL_Received_Callsign_Rain24:
    case CL_Received_Callsign_RainMidnight: {
      const std::size_t at = 38 + 2 * static_cast<std::size_t>(frame.cellId - CL_Received_Callsign_Rain);
      return weather ? RainText(U16At(r, at), units(ListSetting::kRainUnits), style) : std::string{};
    }
    case CL_Received_Callsign_Humidity:
      return weather ? std::to_string(r.positionBlock[44]) + "%" : std::string{};
    case CL_Received_Callsign_Barometric:
      return weather ? PressureText(U32At(r, 45), units(ListSetting::kPressureUnits), style) : std::string{};
    default:
      return {};
  }
}

std::string ReceivedText(ActiveCellFrame& frame) {
  const datCh& r = frame.record;
  const UnitStyle style{false, '.', CodecSettingsOf(frame).japaneseDisplay};
  const bool metric = SettingsByte(frame, ListSetting::kUnits) == 0;
  switch (frame.cellId) {
    case CL_Received_Callsign_Caller:
      return ShownCall(frame, r.caller);
    case CL_Received_Callsign_Caller2:
      return ShownCall(frame, r.callerNote);
    case CL_Received_Callsign_Called:
      return ShownCall(frame, r.called);
    case CL_Received_Callsign_RPT1:
      return ShownCall(frame, r.rpt1);
    case CL_Received_Callsign_RPT2:
      return ShownCall(frame, r.rpt2);
    case CL_Received_Callsign_Message:
      return Shown(frame, r.message);
    case CL_Received_Callsign_Status:
      return StatusText(r.status);
    case CL_Received_Callsign_BK:
      return (r.status & kBreakInBit) != 0 ? "BK" : "";
    case CL_Received_Callsign_EMR:
      return (r.status & kEmergencyBit) != 0 ? "EMR" : "";
    case CL_Received_Callsign_Date:
      return TimeText(r.receivedTime, frame, false);
    case CL_Received_Callsign_GpsTimestamp:
      return TimeText(r.gpsTimestamp, frame, true);
    case CL_Received_Callsign_Latitude:
      return PositionText(frame, PositionAxis::kLatitude, r.latitude);
    case CL_Received_Callsign_Longitude:
      return PositionText(frame, PositionAxis::kLongitude, r.longitude);
    case CL_Received_Callsign_Altitude:
      return AltitudeText(r.altitude, metric, style);
    case CL_Received_Callsign_SSID:
      return SsidText(r.ssid);
    case CL_Received_Callsign_Symbol:
      return AprsSymbolText(frame.document.ListCache(),
                            {static_cast<char>(r.positionBlock[12]), static_cast<char>(r.positionBlock[13])});
    case CL_Received_Callsign_ObjItemName:
      return r.dataType == DataType::kObject || r.dataType == DataType::kItem
                 ? Shown(frame, MakeFixedText<9>(
                                    std::string_view(reinterpret_cast<const char*>(r.positionBlock.data()) + 30, 9)))
                 : std::string{};
    case CL_Received_Callsign_DataType:
      return DataTypeText(r.dataType);
    case CL_Received_Callsign_GpsMsg:
      return Shown(frame, r.gpsMessage);
    default:
      return ReportText(frame, style);
  }
}

// Frequencies of the transmit histories in MHz with 6 decimals, 11 characters wide.
std::string MegahertzText(std::uint32_t frequency, int width) {
  NumberCellFormat format;
  format.decimals = 6;
  format.shownDecimals = 6;
  format.width = width;
  format.maximum = INT32_MAX;
  return NumberCell(format).Display(static_cast<std::int32_t>(frequency));
}

std::string DuplexText(ActiveCellFrame& frame) {
  int duplex = frame.record.duplex;
  AnswerListCell(frame, {"GI_Sheet_Sel_Mch_Dup"}, duplex);
  return frame.request.outputText;
}

std::string TransmittedText(ActiveCellFrame& frame) {
  const datCh& r = frame.record;
  const bool found = r.found != 0;
  switch (frame.cellId) {
    case CL_TxCall_From_Callsign:
    case CL_TxCall_FAnalog_Callsign:
    case CL_TxCall_To_Callsign:
    case CL_TxCall_Ref_Callsign:
      return ShownCall(frame, r.callSign);
    case CL_TxCall_From_Name:
    case CL_TxCall_FAnalog_Name:
    case CL_TxCall_To_Name:
      return found ? Shown(frame, r.name) : std::string{};
    case CL_TxCall_From_Freq:
    case CL_TxCall_FAnalog_Freq: {
      const bool shown = r.frequency != 0 && (found || frame.cellId == CL_TxCall_FAnalog_Freq);
      return shown ? MegahertzText(r.frequency, 4) : std::string{};
    }
    case CL_TxCall_From_Dup:
    case CL_TxCall_FAnalog_Dup:
      return found ? DuplexText(frame) : std::string{};
    default:  // the offsets
      return found ? MegahertzText(r.offset, 0) : std::string{};
  }
}

}  // namespace

void AnswerCallRecordCell(ActiveCellFrame& frame) {
  IgnoreKeys(frame);
  if (!frame.record.IsUsed()) return;
  frame.request.outputText = frame.cellId >= CL_TxCall_From_Callsign ? TransmittedText(frame) : ReceivedText(frame);
}
