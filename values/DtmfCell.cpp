#include "values/DtmfCell.h"

#include <algorithm>

#include "text/HexText.h"

namespace {

constexpr std::string_view kCodeCharacters = "0123456789ABCD*#";
constexpr std::uint8_t kEnd = 0xFF;

// The code a typed character stands for, or kEnd for a character that is no DTMF digit.
std::uint8_t CodeOf(char c) {
  if (c == '*') return 14;
  if (c == '#') return 15;
  const int digit = HexDigitValue(c);
  return digit < 0 ? kEnd : static_cast<std::uint8_t>(digit);
}

}  // namespace

std::string DtmfCell::Display(std::span<const std::uint8_t> codes) const {
  std::string text;
  for (std::uint8_t code : codes) {
    if (code == kEnd) break;
    text.push_back(code < kCodeCharacters.size() ? kCodeCharacters[code] : '?');
  }
  return text;
}

bool DtmfCell::Commit(std::string_view text, std::span<std::uint8_t> codes) const {
  std::fill(codes.begin(), codes.end(), kEnd);
  std::size_t n = 0;
  for (char c : text) {
    const std::uint8_t code = CodeOf(c);
    if (code != kEnd && n < codes.size()) codes[n++] = code;
  }
  return true;
}

KeyReply DtmfCell::Key(int key, std::span<const std::uint8_t> codes) const {
  const int maxLength = static_cast<int>(codes.size());
  if (IsEnterKey(key) || key == kKeyF2 || key == kKeySpace || key == kKeyBackspace) {
    return KeyReply::EditSelected(Display(codes), maxLength);
  }
  const char c = TypedCharacter(key);
  if (c == 0 || CodeOf(c) == kEnd) return KeyReply::None();
  return KeyReply::EditTyped(std::string(1, c), maxLength);
}
