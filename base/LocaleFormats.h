#pragma once
// The number, time and date formats that values are shown and read in (frequencies, dates
// and times in cells, CSV files). They come from the system's locale once at start, held to
// the few forms the value codecs understand, and are then the same for the whole process.
#include <cstdint>
#include <string>

// The system's formats as the locale reports them. The short date format uses the letters y,
// M and d (either case) for its fields, text in single quotes for literals ("''" inside
// quotes is one quote); it may hold code page 932 double-byte characters.
struct SystemLocaleFormats {
  std::string decimalSeparator;
  std::string listSeparator;
  std::string timeSeparator;
  std::string dateSeparator;
  std::string shortDateFormat;
  bool japanese = false;  // the system's default language is Japanese
};

// What the system's locale says, as its locale service gives it: the decimal point and the
// short time and date formats in UTF-8 (letters are fields, text in single quotes is literal).
struct LocaleTexts {
  std::string decimalPoint;
  std::string shortTimeFormat;
  std::string shortDateFormat;
  bool japanese = false;  // the system's default language is Japanese
};

// The separators of the locale's formats: the first character of a format that is neither an
// ASCII letter nor quoted (any other character, the whole of its UTF-8 sequence, separates).
// The locale names no list separator: the one that cannot clash with the decimal point.
SystemLocaleFormats SystemFormatsOf(const LocaleTexts& locale);

enum DateOrder : std::int32_t { kYearMonthDay = 0, kMonthDayYear = 1, kDayMonthYear = 2 };

struct LocaleFormats {
  std::string decimalSeparator = ".";   // "." or ","
  std::string listSeparator = ",";      // "," or ";", never the decimal separator
  std::string timeFormat = "hh:nn:ss";  // fields hh, nn (minutes), ss; separator ":" or "."
  DateOrder dateOrder = kYearMonthDay;
  std::string dateSeparator = "/";             // "-", "." or "/"
  std::string shortDateFormat = "yyyy/mm/dd";  // the date order's fields with that separator
};

LocaleFormats NormaliseLocaleFormats(const SystemLocaleFormats& system);

// The formats in force; the defaults above until the program installs the system's.
const LocaleFormats& CurrentLocaleFormats();
void InstallLocaleFormats(const LocaleFormats& formats);
