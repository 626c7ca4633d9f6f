#pragma once
// What the list columns share around their codecs: greyed and read-only looks, marks from the
// record checks, a list cell over a one-byte field, and the settings bytes that choose how
// values show.
#include <cstdint>

#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "sheet/cells/ActiveCellFrame.h"
#include "sheet/cells/ListCell.h"

// Fields that do not apply to the record's settings are drawn light grey, editable as usual.
inline void Grey(ActiveCellFrame& frame, bool greyed) {
  if (greyed) frame.request.fontColor = kClSilver;
}

// Values the user may see but not change: olive, and the keys that would edit do nothing.
inline void IgnoreKeys(ActiveCellFrame& frame) {
  frame.request.fontColor = kClOlive;
  if (frame.request.key > 0 && frame.request.key < 127) frame.request.key = 0;
}

// A column that does not apply to the record at all shows "---" and takes nothing.
inline void ShowNotApplicable(ActiveCellFrame& frame) {
  IgnoreKeys(frame);
  frame.request.outputText = "---";
}

inline void MarkWhen(ActiveCellFrame& frame, bool fails, std::uint8_t bit, int32_t position = kMarkAutomatic) {
  if (fails) frame.SetMark(bit, position);
}

// A list cell over a one-byte field; true when an action changed it.
inline bool UpdateListField(ActiveCellFrame& frame, const ListCellTraits& traits, std::uint8_t& field) {
  int value = field;
  if (!AnswerListCell(frame, traits, value)) return false;
  field = static_cast<std::uint8_t>(value);
  return true;
}

// The key column of a counted list on its new-entry row: a key that starts an entry adds one
// (true: the key goes on to the new entry); otherwise, or when the list is full, the row
// stays empty (false). Rows of entries answer true.
bool EnterRow(ActiveCellFrame& frame, bool keyStartsEntry);

// Byte k of the settings block.
inline std::uint8_t SettingsByte(const ActiveCellFrame& frame, int offset) {
  return frame.Image().GetByte(MemoryMap::kSettings + offset);
}

// The radio's UTC offset in minutes (0x7FFF not set), which the stamps it keeps in UTC are
// shown with.
inline std::int16_t RadioUtcOffset(const ActiveCellFrame& frame) {
  return static_cast<std::int16_t>(ReadU16(frame.Image(), MemoryMap::kRadioUtcOffset));
}
