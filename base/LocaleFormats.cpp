#include "base/LocaleFormats.h"

#include <array>
#include <cctype>
#include <optional>

#include "text/Cp932.h"

namespace {

std::string NormalisedDecimal(const std::string& system) { return system == "." || system == "," ? system : "."; }

std::string NormalisedList(const std::string& system, const std::string& decimal) {
  const std::string list = system == "," || system == ";" ? system : ",";
  return list == decimal ? ";" : list;
}

std::string NormalisedTimeFormat(const std::string& separator) { return separator == "." ? "hh.nn.ss" : "hh:nn:ss"; }

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

enum Field { kYear = 0, kMonth = 1, kDay = 2, kNoField = 3 };

Field FieldOf(char c) {
  switch (std::tolower(static_cast<unsigned char>(c))) {
    case 'y':
      return kYear;
    case 'm':
      return kMonth;
    case 'd':
      return kDay;
    default:
      return kNoField;
  }
}

// Where each field first appears (the rank among the fields), or nothing when the format is
// unusable: a field missing, a field that starts again after another one, a day name.
std::optional<std::array<int, 3>> FieldRanks(const std::string& format) {
  std::array<int, 3> rank{-1, -1, -1};
  int fieldsSeen = 0;
  Field current = kNoField;
  int runLength = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '\'') {
      if (quoted && i + 1 < format.size() && format[i + 1] == '\'') {
        ++i;
      } else {
        quoted = !quoted;
      }
      current = kNoField;
      continue;
    }
    if (quoted) continue;
    if (IsLeadByte(static_cast<unsigned char>(c))) {
      ++i;
      current = kNoField;
      continue;
    }
    const Field field = FieldOf(c);
    if (field == kNoField) {
      current = kNoField;
      continue;
    }
    if (field != current) {
      if (rank[field] >= 0) return std::nullopt;
      rank[field] = fieldsSeen++;
      current = field;
      runLength = 0;
    }
    if (++runLength >= 3 && field == kDay) return std::nullopt;
  }
  if (fieldsSeen < 3) return std::nullopt;
  return rank;
}

DateOrder OrderOf(const std::string& format, bool japanese) {
  const auto rank = FieldRanks(format);
  const DateOrder fallback = japanese ? kYearMonthDay : kMonthDayYear;
  if (!rank) return fallback;
  const auto& r = *rank;
  if (r[kYear] < r[kMonth] && r[kMonth] < r[kDay]) return kYearMonthDay;
  if (r[kMonth] < r[kDay] && r[kDay] < r[kYear]) return kMonthDayYear;
  if (r[kDay] < r[kMonth] && r[kDay] < r[kYear]) return kDayMonthYear;
  return fallback;
}

std::string FormatOf(DateOrder order) {
  switch (order) {
    case kMonthDayYear:
      return "mm/dd/yyyy";
    case kDayMonthYear:
      return "dd/mm/yyyy";
    case kYearMonthDay:
      break;
  }
  return "yyyy/mm/dd";
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The bytes of the UTF-8 sequence that starts with lead.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::string SeparatorOf(const std::string& format) {
  bool quoted = false;
  for (std::size_t i = 0; i < format.size(); i += SequenceLength(static_cast<unsigned char>(format[i]))) {
    const char c = format[i];
    if (c == '\'') {
      quoted = !quoted;
    } else if (!quoted && !IsAsciiLetter(c)) {
      return format.substr(i, SequenceLength(static_cast<unsigned char>(c)));
    }
  }
  return {};
}

LocaleFormats& Installed() {
  static LocaleFormats formats;
  return formats;
}

}  // namespace

LocaleFormats NormaliseLocaleFormats(const SystemLocaleFormats& system) {
  LocaleFormats formats;
  formats.decimalSeparator = NormalisedDecimal(system.decimalSeparator);
  formats.listSeparator = NormalisedList(system.listSeparator, formats.decimalSeparator);
  formats.timeFormat = NormalisedTimeFormat(system.timeSeparator);

  std::string systemDate = system.shortDateFormat;
  formats.dateSeparator = system.dateSeparator;
  if (formats.dateSeparator != "-" && formats.dateSeparator != "." && formats.dateSeparator != "/") {
    ReplaceAll(systemDate, system.dateSeparator, "/");
    formats.dateSeparator = "/";
  }
  formats.dateOrder = OrderOf(systemDate, system.japanese);
  formats.shortDateFormat = FormatOf(formats.dateOrder);
  ReplaceAll(formats.shortDateFormat, "/", formats.dateSeparator);
  return formats;
}

SystemLocaleFormats SystemFormatsOf(const LocaleTexts& locale) {
  SystemLocaleFormats system;
  system.decimalSeparator = locale.decimalPoint;
  system.listSeparator.assign(1, system.decimalSeparator == "," ? ';' : ',');
  system.timeSeparator = SeparatorOf(locale.shortTimeFormat);
  system.dateSeparator = SeparatorOf(locale.shortDateFormat);
  system.shortDateFormat = locale.shortDateFormat;
  system.japanese = locale.japanese;
  return system;
}

const LocaleFormats& CurrentLocaleFormats() { return Installed(); }

void InstallLocaleFormats(const LocaleFormats& formats) { Installed() = formats; }
