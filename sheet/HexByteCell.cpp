#include "sheet/HexByteCell.h"

#include "text/TextFields.h"

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  const std::size_t at = kHexDigits.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

std::string HexByteCell::Display(std::uint8_t value) const {
  return {kHexDigits[value >> 4], kHexDigits[value & 0x0F]};
}

bool HexByteCell::Commit(std::string_view text, std::uint8_t& value) const {
  const std::string_view digits = trimControlsAndSpaces(text);
  if (digits.empty() || digits.size() > 2) return false;
  int result = 0;
  for (char c : digits) {
    const int digit = HexValue(c);
    if (digit < 0) return false;
    result = result * 16 + digit;
  }
  value = static_cast<std::uint8_t>(result);
  return true;
}

KeyReply HexByteCell::Key(int key, std::uint8_t value) const {
  if (IsEnterKey(key)) return KeyReply::Popup(Display(value));
  if (key == kKeyF2) return KeyReply::EditSelected(Display(value), 2);
  const char c = TypedCharacter(key);
  return c != 0 && HexValue(c) >= 0 ? KeyReply::EditTyped(std::string(1, c), 2) : KeyReply::None();
}
