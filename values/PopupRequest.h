#pragma once
// The pop-up a cell asks its sheet to open after an action: a selection list, a generated
// integer list, the bit-field editor or the GPS text editor. The cell behaviour only
// describes it; the user interface opens the window at the cell and hands what the user
// picks back to the same cell as a pick (input kind 2): the picked entry's index in the
// parent request's cell for lists, the value or text in the input text for the editors.
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "text/CellIds.h"

struct SelectionListPopup {
  std::string listKey;  // "GI_Sheet_Sel_" + name
  unsigned entryId = Flex0;
  std::int32_t value = 0;  // the cursor starts on its entry; none when the list has no such entry
};

// A list of the integers minimum, minimum + step, ..., maximum; an entry shows value + offset
// (times step), with "+" before positive numbers when signedText.
struct IntegerListPopup {
  std::int32_t value = 0;
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  std::int32_t offset = 0;
  std::int32_t step = 1;
  bool rightAligned = false;
  int rowsPerColumn = 0;  // 0: one column
  bool reversed = false;
  bool signedText = false;
  std::string prefix;
  std::string suffix;
};

// Flag k (from 1) of the editor is bit (26 - k) of value: flags are packed from bit 25 down.
struct BitFieldPopup {
  std::uint32_t value = 0;
  int first = 1;
  int last = 1;
  int labelType = 0;     // 1 hex, 2 digits with 0 for 10, 3 letters, 4 and 5 NMEA names, 6 "B" bits
  int markStyle = 1;     // 0 the letter "o", 1 a drawn check mark
  std::string sheetKey;  // a sheet definition of the caller's; empty: the editor makes its own
};

// Edit types: 0-2 dates (year, month, day first), 3 time, 4/5 latitude/longitude in degrees,
// minutes and seconds, 6/7 in degrees and decimal minutes. Dates travel as "yyyy/mm/dd".
struct GpsTextPopup {
  std::string text;
  int editType = 0;
  std::int32_t openingKey = 0;  // a digit that opened the editor replaces the first editable place
};

using PopupRequest = std::variant<std::monostate, SelectionListPopup, IntegerListPopup, BitFieldPopup, GpsTextPopup>;

inline bool HasPopup(const PopupRequest& popup) { return !std::holds_alternative<std::monostate>(popup); }

// The bit-field editor's packing of a flag set whose flag k (from 0) is bit k.
constexpr int kBitFieldTopBit = 25;
inline std::uint32_t PackBitFieldFlags(std::uint32_t flags, int count) {
  std::uint32_t packed = 0;
  for (int k = 0; k < count; ++k) {
    if ((flags >> k) & 1u) packed |= 1u << (kBitFieldTopBit - k);
  }
  return packed;
}
inline std::uint32_t UnpackBitFieldFlags(std::uint32_t packed, int count) {
  std::uint32_t flags = 0;
  for (int k = 0; k < count; ++k) {
    if ((packed >> (kBitFieldTopBit - k)) & 1u) flags |= 1u << k;
  }
  return flags;
}

// The value the bit-field editor hands back: an unsigned decimal number, nothing else.
inline std::optional<std::uint32_t> ReadBitFieldValue(std::string_view text) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}
