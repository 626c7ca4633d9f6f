#include "files/CsvFields.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "memory/MemoryMap.h"
#include "memory/SignalCodes.h"
#include "memory/cmcEeprom.h"
#include "text/Cp932.h"
#include "text/HalfWidth.h"
#include "text/TextFields.h"
#include "values/DateCell.h"
#include "values/TimeCell.h"
#include "values/UnitConversions.h"
#include "values/UtcOffsetCell.h"

namespace {

constexpr int kCsvSeparatorSetting = 155;
constexpr int kCsvDateSetting = 156;
constexpr double kMaxHertz = 4294967295.0;
constexpr double kMetresLimitTenthsOfFoot = 328085;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerCased(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
  return lower;
}

std::string_view Trimmed(std::string_view text) { return TrimControlsAndSpaces(text); }

std::string WithDecimal(std::string text, char decimal) {
  std::replace(text.begin(), text.end(), '.', decimal);
  return text;
}

std::vector<std::pair<std::string, std::uint16_t>> Entries(
    std::initializer_list<std::pair<const char*, std::uint16_t>> list) {
  std::vector<std::pair<std::string, std::uint16_t>> entries;
  for (const auto& [text, value] : list) entries.emplace_back(text, value);
  return entries;
}

std::vector<std::pair<std::string, std::uint16_t>> LetterEntries(char first, std::uint16_t firstValue) {
  std::vector<std::pair<std::string, std::uint16_t>> entries;
  for (int i = 0; i < MemoryMap::kBankCount; ++i) {
    entries.emplace_back(std::string(1, static_cast<char>(first + i)), static_cast<std::uint16_t>(firstValue + i));
  }
  return entries;
}

// Hertz of a number of megahertz, or nothing outside what 32 bits hold.
std::optional<std::uint32_t> HertzOf(const CsvNumber& number) {
  if (number.state != CsvNumber::State::kNumber) return std::nullopt;
  const double hertz = std::floor(number.value * 1e6 + 0.5);
  if (hertz < 0 || hertz > kMaxHertz) return std::nullopt;
  return static_cast<std::uint32_t>(hertz);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exactly the digits of text, at most four of them.
std::optional<int> Digits(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The date of a text in the file's date order, "/", "-" or "." between its parts.
std::optional<CalendarDate> ReadDate(std::string_view text, const CsvFileFormat& format) {
  std::array<std::string_view, 3> parts;
  std::size_t part = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '/' && text[i] != '-' && text[i] != '.') continue;
    if (part == parts.size()) return std::nullopt;
    parts[part++] = text.substr(start, i - start);
    start = i + 1;
  }
  if (part != parts.size()) return std::nullopt;
  const int order = format.dateOrder == 0 || format.dateOrder == 1 ? format.dateOrder : 2;
  const std::array<int, 3> at = order == 0   ? std::array{0, 1, 2}
                                : order == 1 ? std::array{2, 0, 1}
                                             : std::array{2, 1, 0};
  const auto year = Digits(parts[static_cast<std::size_t>(at[0])]);
  const auto month = Digits(parts[static_cast<std::size_t>(at[1])]);
  const auto day = Digits(parts[static_cast<std::size_t>(at[2])]);
  if (!year || !month || !day || parts[static_cast<std::size_t>(at[0])].size() != 4) return std::nullopt;
  // The entered-date reader holds the calendar and the dates a stamp may take.
  const std::string yearFirst = std::to_string(*year) + '/' + (*month < 10 ? "0" : "") + std::to_string(*month) + '/' +
                                (*day < 10 ? "0" : "") + std::to_string(*day);
  return ReadEnteredDate(yearFirst);
}

}  // namespace

CsvFileFormat CsvFileFormatOf(const cmcEeprom& image) {
  CsvFileFormat format;
  const std::uint8_t separator = image.GetByte(MemoryMap::kSettings + kCsvSeparatorSetting);
  const std::uint8_t date = image.GetByte(MemoryMap::kSettings + kCsvDateSetting);
  format.separator = separator == 1 || separator == 2 ? ';' : ',';
  format.decimal = separator == 2 ? ',' : '.';
  format.dateOrder = date <= 2 ? date : 0;
  return format;
}

// --- Value tables ---

CsvValueTable::CsvValueTable(std::vector<std::pair<std::string, std::uint16_t>> entries, bool withDecimal)
    : entries_(std::move(entries)), withDecimal_(withDecimal) {}

std::string CsvValueTable::Text(std::uint16_t value, const CsvFileFormat& format) const {
  for (const auto& [text, entryValue] : entries_) {
    if (entryValue == value) return withDecimal_ ? WithDecimal(text, format.decimal) : text;
  }
  return "NOT_FOUND";
}

std::uint16_t CsvValueTable::Value(std::string_view text) const {
  std::string wanted = LowerCased(Trimmed(text));
  if (withDecimal_) std::replace(wanted.begin(), wanted.end(), ',', '.');
  for (const auto& [entryText, value] : entries_) {
    if (LowerCased(entryText) == wanted) return value;
  }
  return kCsvNotFound;
}

namespace CsvTables {

const CsvValueTable& Duplex() {
  static const CsvValueTable table(Entries({{"OFF", 0}, {"DUP-", 1}, {"DUP+", 2}}));
  return table;
}

const CsvValueTable& TuningStep() {
  static const CsvValueTable table(Entries({{"5kHz", 0},
                                            {"6.25kHz", 1},
                                            {"8.33kHz", 2},
                                            {"10kHz", 4},
                                            {"12.5kHz", 5},
                                            {"15kHz", 6},
                                            {"20kHz", 7},
                                            {"25kHz", 8},
                                            {"30kHz", 9},
                                            {"50kHz", 10},
                                            {"100kHz", 11},
                                            {"125kHz", 12},
                                            {"200kHz", 13},
                                            {"Auto", 14}}),
                                   true);
  return table;
}

const CsvValueTable& ChannelMode() {
  static const CsvValueTable table(Entries({{"FM", 0}, {"FM-N", 1}, {"DV", 5}, {"AM", 3}, {"AM-N", 4}, {"Auto", 6}}));
  return table;
}

const CsvValueTable& RepeaterMode() {
  static const CsvValueTable table(Entries({{"DV", 0}, {"FM", 1}, {"FM-N", 2}}));
  return table;
}

const CsvValueTable& ChannelSkip() {
  static const CsvValueTable table(Entries({{"OFF", 0}, {"SKIP", 1}, {"PSKIP", 3}}));
  return table;
}

const CsvValueTable& ChannelTone() {
  static const CsvValueTable table(Entries({{"OFF", 0},
                                            {"TONE", 1},
                                            {"TSQL", 3},
                                            {"DTCS", 5},
                                            {"TSQL-R", 6},
                                            {"TSQL R", 6},
                                            {"DTCS-R", 7},
                                            {"DTCS R", 7},
                                            {"DTCS(T)", 8},
                                            {"TONE(T)/DTCS(R)", 9},
                                            {"DTCS(T)/TSQL(R)", 10},
                                            {"TONE(T)/TSQL(R)", 11},
                                            {"TRAIN1", 12},
                                            {"TRAIN2", 13},
                                            {"MSK", 14}}));
  return table;
}

const CsvValueTable& RepeaterTone() {
  static const CsvValueTable table(Entries({{"OFF", 0}, {"TONE", 1}, {"TSQL", 2}}));
  return table;
}

const CsvValueTable& ToneFrequency() {
  static const CsvValueTable table = [] {
    std::vector<std::pair<std::string, std::uint16_t>> entries;
    for (int i = 0; const auto tenths = ToneTenthsOfHertz(i); ++i) {
      entries.emplace_back(std::to_string(*tenths / 10) + '.' + std::to_string(*tenths % 10) + "Hz",
                           static_cast<std::uint16_t>(i));
    }
    return CsvValueTable(std::move(entries), true);
  }();
  return table;
}

const CsvValueTable& DtcsCode() {
  static const CsvValueTable table = [] {
    std::vector<std::pair<std::string, std::uint16_t>> entries;
    for (int i = 0; const auto code = DtcsCodeText(i); ++i) entries.emplace_back(*code, static_cast<std::uint16_t>(i));
    return CsvValueTable(std::move(entries));
  }();
  return table;
}

const CsvValueTable& DtcsPolarity() {
  static const CsvValueTable table(Entries({{"BOTH N", 0}, {"TN-RR", 1}, {"TR-RN", 2}, {"BOTH R", 3}}));
  return table;
}

const CsvValueTable& DigitalSquelch() {
  static const CsvValueTable table(Entries({{"OFF", 0}, {"DSQL", 2}, {"CSQL", 4}}));
  return table;
}

const CsvValueTable& BankLetter() {
  static const CsvValueTable table(LetterEntries('A', 0));
  return table;
}

const CsvValueTable& BroadcastMode() {
  static const CsvValueTable table(Entries({{"FM", 0}, {"AM", 1}}));
  return table;
}

const CsvValueTable& BroadcastSkip() {
  static const CsvValueTable table(Entries({{"OFF", 0}, {"SKIP", 1}}));
  return table;
}

const CsvValueTable& GpsGroup() {
  static const CsvValueTable table = [] {
    auto entries = LetterEntries('A', 1);
    entries.insert(entries.begin(), {"OFF", 0});
    return CsvValueTable(std::move(entries));
  }();
  return table;
}

const CsvValueTable& OnOff() {
  static const CsvValueTable table(Entries({{"OFF", 0}, {"ON", 1}}));
  return table;
}

const CsvValueTable& YesNo() {
  static const CsvValueTable table(Entries({{"NO", 0}, {"YES", 1}}));
  return table;
}

const CsvValueTable& Position() {
  static const CsvValueTable table(Entries({{"None", 0}, {"Approximate", 1}, {"Exact", 2}}));
  return table;
}

}  // namespace CsvTables

// --- Numbers ---

CsvNumber ReadCsvNumber(std::string_view text, const CsvFileFormat& format) {
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.empty()) return {};
  std::string plain;
  int digits = 0;
  int decimals = 0;
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    const char c = trimmed[i];
    if (IsDigit(c)) {
      ++digits;
      plain.push_back(c);
    } else if (c == format.decimal && ++decimals == 1) {
      plain.push_back('.');
    } else if (c != '-' || i != 0) {
      return {CsvNumber::State::kUnreadable, 0};
    } else {
      plain.push_back('-');
    }
  }
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (digits == 0 || error != std::errc() || end != plain.data() + plain.size()) {
    return {CsvNumber::State::kUnreadable, 0};
  }
  return {CsvNumber::State::kNumber, value};
}

std::string FrequencyText(std::uint32_t hertz, const CsvFileFormat& format) {
  return Decimal(hertz, 6, format.decimal);
}

std::uint32_t ReadFrequency(std::string_view text, const CsvFileFormat& format) {
  return HertzOf(ReadCsvNumber(text, format)).value_or(0);
}

std::uint32_t ReadOffset(std::string_view text, const CsvFileFormat& format) {
  const CsvNumber number = ReadCsvNumber(text, format);
  if (number.state != CsvNumber::State::kNumber) return kCsvMissingOffset;
  return HertzOf(number).value_or(0);
}

std::uint16_t ReadDecimalInteger(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  int value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  const bool whole = !trimmed.empty() && end == trimmed.data() + trimmed.size() && IsDigit(trimmed.front());
  if (!whole || error != std::errc() || value >= kCsvNotFound) return kCsvNotFound;
  return static_cast<std::uint16_t>(value);
}

// --- Texts ---

std::string FieldText(std::string_view field) {
  return std::string(TrimTrailingSpaces(field.substr(0, field.find('\0'))));
}

std::string ReadName(std::string_view text, std::size_t width, bool& corrected) {
  std::string_view name = TrimTrailingSpaces(text);
  if (name.size() > width) {
    name = name.substr(0, CutLength(name, width));
    corrected = true;
  }
  std::string field(name);
  field.resize(width, ' ');
  return field;
}

CallSignText ReadCallSign(std::string_view text, bool& corrected) {
  const std::string half = ToHalfWidth(text);
  if (half != text || half.size() > MemoryMap::kCallSignLength) corrected = true;
  return MakeFixedText<MemoryMap::kCallSignLength>(half);
}

bool CleanCallSign(CallSignText& call) {
  bool replaced = false;
  for (char& c : call) {
    if (c == '/' || c == ' ' || IsDigit(c) || (c >= 'A' && c <= 'Z')) continue;
    c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : ' ';
    replaced = true;
  }
  return replaced;
}

bool CleanNameBytes(char* bytes, std::size_t size) {
  bool replaced = false;
  for (std::size_t i = 0; i < size; ++i) {
    if (IsLeadByte(bytes[i])) {
      if (i + 1 == size) break;
      if (!IsTrailByte(bytes[i + 1])) {
        bytes[i] = bytes[i + 1] = ' ';
        replaced = true;
      }
      ++i;
      continue;
    }
    if (IsPrintableAscii(bytes[i]) || IsHalfWidthKatakana(bytes[i])) continue;
    bytes[i] = ' ';
    replaced = true;
  }
  return replaced;
}

// --- Positions, altitude, stamps, UTC offsets ---

std::string PositionText(const GpsPosition& position, const CsvFileFormat& format) {
  if (!position.IsSet()) return {};
  const long long micro =
      static_cast<long long>(position.degrees) * 1000000 + std::llround(position.milliMinutes * 1e6 / 60000.0);
  // South and west keep their sign at 0 degrees too.
  const bool negative = position.hemisphere == 'S' || position.hemisphere == 'W';
  return (negative ? "-" : "") + Decimal(micro, 6, format.decimal);
}

GpsPosition ReadPosition(std::string_view text, CsvAxis axis, const CsvFileFormat& format) {
  GpsPosition position{GpsPosition::kNotSet, 0xFFFF, '\xFF'};
  const CsvNumber number = ReadCsvNumber(text, format);
  const double limit = axis == CsvAxis::kLatitude ? 90 : 180;
  if (number.state != CsvNumber::State::kNumber || number.value < -limit || number.value > limit) return position;
  const bool positive = number.value >= 0 && Trimmed(text).front() != '-';
  const double value = (positive ? number.value : -number.value) + 0.0000005;
  const double degrees = std::floor(value);
  position.degrees = static_cast<std::uint8_t>(degrees);
  position.milliMinutes = static_cast<std::uint16_t>(std::floor((value - degrees) * 60000));
  if (axis == CsvAxis::kLatitude) {
    position.hemisphere = positive ? 'N' : 'S';
  } else {
    position.hemisphere = positive ? 'E' : 'W';
  }
  return position;
}

bool IsValidPosition(const GpsPosition& position, CsvAxis axis) {
  const bool latitude = axis == CsvAxis::kLatitude;
  const char h = position.hemisphere;
  const bool letter = latitude ? (h == 'N' || h == 'S') : (h == 'E' || h == 'W');
  return position.degrees <= (latitude ? 90 : 180) && letter && position.milliMinutes <= 59999;
}

std::string AltitudeText(std::int32_t tenthsOfFoot, const CsvFileFormat& format) {
  if (tenthsOfFoot == kCsvNoAltitude) return {};
  const UnitStyle csv{true, format.decimal, false};
  const std::string metres = AltitudeText(tenthsOfFoot, true, csv);
  return metres.front() == '-' ? metres : ' ' + metres;
}

std::int32_t ReadAltitude(std::string_view text, const CsvFileFormat& format, bool& corrected) {
  const CsvNumber number = ReadCsvNumber(text, format);
  if (number.state != CsvNumber::State::kNumber) return kCsvNoAltitude;
  const double tenthsOfMetre = std::floor(number.value * 10 + 0.5);
  const double tenthsOfFoot = std::round(tenthsOfMetre * 3.2808399);
  if (std::fabs(tenthsOfFoot) >= kMetresLimitTenthsOfFoot) {
    corrected = true;
    return kCsvNoAltitude;
  }
  return static_cast<std::int32_t>(tenthsOfFoot);
}

std::string StampDateText(const GpsStamp& stamp, std::int16_t radioUtcOffset, const CsvFileFormat& format) {
  if (!ToLocal(stamp, EffectiveUtcOffset(radioUtcOffset)).date) return {};
  CodecSettings settings;
  settings.dateOrder = format.dateOrder;
  return DateCell(settings, radioUtcOffset).Display(stamp);
}

std::string StampTimeText(const GpsStamp& stamp, std::int16_t radioUtcOffset) {
  if (!ToLocal(stamp, EffectiveUtcOffset(radioUtcOffset)).time) return {};
  return TimeCell(radioUtcOffset).Display(stamp);
}

GpsStamp ReadStamp(std::string_view dateText, std::string_view timeText, std::int16_t radioUtcOffset,
                   const CsvFileFormat& format, bool& corrected) {
  constexpr std::uint8_t kUnset = 0x99;
  GpsStamp stamp{{kUnset, kUnset, kUnset}, {kUnset, kUnset, kUnset}};
  const std::string_view dateTrimmed = Trimmed(dateText);
  const std::string_view timeTrimmed = Trimmed(timeText);
  const auto date = ReadDate(dateTrimmed, format);
  const auto time = ReadEnteredTime(timeTrimmed);
  if ((!dateTrimmed.empty() && !date) || (!timeTrimmed.empty() && !time)) corrected = true;
  const int offset = EffectiveUtcOffset(radioUtcOffset);
  if (!time) {
    if (date) {
      corrected = true;
      StoreLocalDate(*date, stamp, offset);
    }
    return stamp;
  }
  StoreLocalTime(*time, stamp, offset);
  if (date) StoreLocalDate(*date, stamp, offset);
  return stamp;
}

std::string UtcOffsetText(std::int16_t minutes) { return UtcOffsetCell(true).Display(minutes); }

std::optional<int> ReadUtcOffset(std::string_view text, bool& none) {
  none = false;
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.size() <= 2) return std::nullopt;
  if (trimmed == "--:--") {
    none = true;
    return std::nullopt;
  }
  std::string_view rest = trimmed;
  const bool negative = rest.front() == '-';
  if (rest.front() == '+' || rest.front() == '-') rest.remove_prefix(1);
  const std::size_t colon = rest.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto hours = Digits(rest.substr(0, colon));
  const std::string_view minuteText = rest.substr(colon + 1);
  const auto minutes = Digits(minuteText);
  if (!hours || !minutes || minuteText.size() != 2 || *minutes > 59) return std::nullopt;
  const int total = *hours * 60 + *minutes;
  return negative ? -total : total;
}
