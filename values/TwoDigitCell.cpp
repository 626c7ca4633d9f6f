#include "values/TwoDigitCell.h"

#include <algorithm>

#include "text/TextFields.h"
#include "values/ZeroPadded.h"

namespace {

constexpr int kMaximum = 99;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string TwoDigitCell::Display(std::uint8_t value) const { return ZeroPadded(value, 2); }

bool TwoDigitCell::Commit(std::string_view text, std::uint8_t& value) const {
  const std::string_view digits = TrimControlsAndSpaces(text);
  if (digits.empty() || digits.size() > 2 || !std::all_of(digits.begin(), digits.end(), IsDigit)) return false;
  value = static_cast<std::uint8_t>(digits.size() == 1 ? digits[0] - '0' : (digits[0] - '0') * 10 + digits[1] - '0');
  return true;
}

KeyReply TwoDigitCell::Key(int key, std::uint8_t& value) const {
  if (key == kKeySpace) {
    value = static_cast<std::uint8_t>(value >= kMaximum ? 0 : value + 1);
    return KeyReply::Changed();
  }
  if (key == kKeyBackspace) {
    value = static_cast<std::uint8_t>(value == 0 || value > kMaximum ? kMaximum : value - 1);
    return KeyReply::Changed();
  }
  if (IsEnterKey(key) || key == kKeyF2) return KeyReply::EditSelected(Display(value), 2);
  const char c = TypedCharacter(key);
  return IsDigit(c) ? KeyReply::EditTyped(std::string(1, c), 2) : KeyReply::None();
}
