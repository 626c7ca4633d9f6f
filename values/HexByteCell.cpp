#include "values/HexByteCell.h"

#include "text/HexText.h"
#include "text/TextFields.h"

std::string HexByteCell::Display(std::uint8_t value) const { return HexText(std::span(&value, 1)); }

bool HexByteCell::Commit(std::string_view text, std::uint8_t& value) const {
  const std::string_view digits = TrimControlsAndSpaces(text);
  if (digits.empty() || digits.size() > 2) return false;
  int result = 0;
  for (char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return false;
    result = result * 16 + digit;
  }
  value = static_cast<std::uint8_t>(result);
  return true;
}

namespace {

constexpr int kByteShift = 18;  // flags 1 to 8 are bits 25 to 18
constexpr int kBitNumberLabels = 6;
constexpr int kLetterMarks = 0;

}  // namespace

bool HexByteCell::Pick(std::string_view text, std::uint8_t& value) const {
  const auto packed = ReadBitFieldValue(text);
  if (!packed) return false;
  const auto picked = static_cast<std::uint8_t>(*packed >> kByteShift);
  const bool changed = picked != value;
  value = picked;
  return changed;
}

KeyReply HexByteCell::Key(int key, std::uint8_t value) const {
  if (IsEnterKey(key)) {
    BitFieldPopup editor;
    editor.value = static_cast<std::uint32_t>(value) << kByteShift;
    editor.first = 1;
    editor.last = 8;
    editor.labelType = kBitNumberLabels;
    editor.markStyle = kLetterMarks;
    return KeyReply::Popup(editor);
  }
  if (key == kKeyF2) return KeyReply::EditSelected(Display(value), 2);
  const char c = TypedCharacter(key);
  return c != 0 && HexDigitValue(c) >= 0 ? KeyReply::EditTyped(std::string(1, c), 2) : KeyReply::None();
}
