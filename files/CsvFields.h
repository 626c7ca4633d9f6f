#pragma once
// The text forms of the values in CSV files, shared by every list layout: numbers with the
// file's decimal character, value tables, fixed-width texts, call signs, positions,
// altitudes, dates, times and UTC offsets. Readers never fail: a text that does not read
// answers the form's "missing" or "not found" value, and a reader that had to change a value
// to store it says so through `corrected`.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "memory/FixedText.h"
#include "memory/GpsPosition.h"
#include "values/GpsStamp.h"

class cmcEeprom;

// How a file writes its fields: the separator between them, the decimal character of its
// numbers and the order of its dates ("/" between the parts).
struct CsvFileFormat {
  char separator = ',';
  char decimal = '.';
  int dateOrder = 0;  // 0 yyyy/mm/dd, 1 mm/dd/yyyy, 2 dd/mm/yyyy
};

// The format the image's "Import/Export - CSV Format" settings choose (separator and decimal
// in settings byte 155: 0 "," and ".", 1 ";" and ".", 2 ";" and ","; the date order in byte
// 156). A value outside its list counts as its first entry.
CsvFileFormat CsvFileFormatOf(const cmcEeprom& image);

// --- Value tables ---

inline constexpr std::uint16_t kCsvNotFound = 0xFFFF;

// Pairs of text and value in table order. Export writes the first text with the value,
// import takes every text, trimmed and without regard to letter case.
class CsvValueTable {
 public:
  explicit CsvValueTable(std::vector<std::pair<std::string, std::uint16_t>> entries, bool withDecimal = false);

  // "NOT_FOUND" for a value without a text.
  std::string Text(std::uint16_t value, const CsvFileFormat& format) const;
  // kCsvNotFound when no text matches.
  std::uint16_t Value(std::string_view text) const;

 private:
  std::vector<std::pair<std::string, std::uint16_t>> entries_;
  bool withDecimal_;  // texts hold a "." that files write as their decimal character
};

namespace CsvTables {
const CsvValueTable& Duplex();
const CsvValueTable& TuningStep();
const CsvValueTable& ChannelMode();
const CsvValueTable& RepeaterMode();
const CsvValueTable& ChannelSkip();
const CsvValueTable& ChannelTone();
const CsvValueTable& RepeaterTone();
const CsvValueTable& ToneFrequency();  // "67.0Hz" ... "254.1Hz"
const CsvValueTable& DtcsCode();       // "023" ... "754"
const CsvValueTable& DtcsPolarity();
const CsvValueTable& DigitalSquelch();
const CsvValueTable& BankLetter();     // "A" ... "Z"
const CsvValueTable& BroadcastMode();  // "FM" 0, "AM" 1
const CsvValueTable& BroadcastSkip();
const CsvValueTable& GpsGroup();  // "OFF" 0, "A" 1 ... "Z" 26
const CsvValueTable& OnOff();     // the GPS alarm
const CsvValueTable& YesNo();     // RPT1USE
const CsvValueTable& Position();
}  // namespace CsvTables

// --- Numbers ---

// A trimmed number of digits, at most one decimal character and a "-" only in front.
// Absent when the text is empty; unreadable when it holds anything else.
struct CsvNumber {
  enum class State { kEmpty, kUnreadable, kNumber };
  State state = State::kEmpty;
  double value = 0;
};
CsvNumber ReadCsvNumber(std::string_view text, const CsvFileFormat& format);

inline constexpr std::uint32_t kCsvMissingOffset = 0xFFFFFFFF;

// Hertz as megahertz with six decimals.
std::string FrequencyText(std::uint32_t hertz, const CsvFileFormat& format);
// Megahertz to hertz, rounded half up; empty, unreadable, negative or too large reads 0.
std::uint32_t ReadFrequency(std::string_view text, const CsvFileFormat& format);
// As ReadFrequency, but an empty or unreadable text is kCsvMissingOffset.
std::uint32_t ReadOffset(std::string_view text, const CsvFileFormat& format);
// A trimmed decimal integer (digits only), else kCsvNotFound.
std::uint16_t ReadDecimalInteger(std::string_view text);

// --- Texts ---

// The stored bytes up to the first NUL without trailing spaces (names and call signs).
std::string FieldText(std::string_view field);
// A name of width bytes: trailing spaces removed, cut without splitting a character
// (corrected when cut), padded with spaces.
std::string ReadName(std::string_view text, std::size_t width, bool& corrected);
template <std::size_t N>
FixedText<N> ReadNameField(std::string_view text, bool& corrected) {
  return MakeFixedText<N>(ReadName(text, N, corrected));
}
// A call sign: full-width characters to half width (corrected when that changed the text or
// it is longer than 8 bytes), the first 8 bytes padded with spaces.
CallSignText ReadCallSign(std::string_view text, bool& corrected);
// Every byte that is not "/", a digit, an upper-case letter or a space: a lower-case letter
// becomes upper-case, anything else a space. True when a byte was replaced.
bool CleanCallSign(CallSignText& call);
// Double-byte characters with a valid second byte stay, printable ASCII and half-width
// katakana stay, every other byte becomes a space (a lead byte in the last position stays).
// True when a byte was replaced.
bool CleanNameBytes(char* bytes, std::size_t size);
template <std::size_t N>
bool CleanName(FixedText<N>& name) {
  return CleanNameBytes(name.data(), N);
}

// --- Positions, altitude, stamps, UTC offsets ---

enum class CsvAxis { kLatitude, kLongitude };

// Degrees with six decimals, "-" for south and west; empty when not set.
std::string PositionText(const GpsPosition& position, const CsvFileFormat& format);
// Not set (all bytes 0xFF) when empty, unreadable or out of range.
GpsPosition ReadPosition(std::string_view text, CsvAxis axis, const CsvFileFormat& format);
// Degrees, letter and minutes within their ranges.
bool IsValidPosition(const GpsPosition& position, CsvAxis axis);

inline constexpr std::int32_t kCsvNoAltitude = 0x7FFFFFFF;
// Tenths of a foot as metres with one decimal, a space in front of a value that is not
// negative; empty when not set.
std::string AltitudeText(std::int32_t tenthsOfFoot, const CsvFileFormat& format);
// Metres to tenths of a foot; no altitude when empty or unreadable, and (corrected) when
// 10,000 m or more either way.
std::int32_t ReadAltitude(std::string_view text, const CsvFileFormat& format, bool& corrected);

// The stamp in the radio's local time: the date in the file's date order and the time
// "hh:nn:ss", each empty when unset.
std::string StampDateText(const GpsStamp& stamp, std::int16_t radioUtcOffset, const CsvFileFormat& format);
std::string StampTimeText(const GpsStamp& stamp, std::int16_t radioUtcOffset);
// A local date and time as the stamp keeps them in UTC. Missing or unreadable parts become
// unset (corrected when a text was there but could not be used; a date without a time
// also counts as corrected, since there is no time of day to convert it with).
GpsStamp ReadStamp(std::string_view date, std::string_view time, std::int16_t radioUtcOffset,
                   const CsvFileFormat& format, bool& corrected);

inline constexpr std::int16_t kCsvNoUtcOffset = 0x7FFF;
// "--:--" for none, else "+h:mm", "-h:mm" or "0:00".
std::string UtcOffsetText(std::int16_t minutes);
// "--:--" is none; "[+|-]h:mm" is minutes; anything else is not found (nothing).
std::optional<int> ReadUtcOffset(std::string_view text, bool& none);
