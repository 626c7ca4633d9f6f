#include "values/UtcOffsetCell.h"

#include <cstdlib>
#include <optional>

#include "values/ZeroPadded.h"

namespace {

constexpr std::size_t kMaxLengthAfterSign = 5;  // "hh:mm"
constexpr int kStep = 5;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits only (an empty text reads as 0); at most 3 digits are meaningful here.
std::optional<int> ReadDigits(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// "h:mm" or "h" (no sign) as minutes, or none when it is no offset within 14:00.
std::optional<int> ReadMagnitude(std::string_view text) {
  const std::size_t colon = text.find(':');
  const auto hours = ReadDigits(text.substr(0, colon));
  const auto minutes = colon == std::string_view::npos ? std::optional<int>(0) : ReadDigits(text.substr(colon + 1));
  if (!hours || !minutes) return std::nullopt;
  const int rounded = (*minutes * 2 + kStep) / (2 * kStep) * kStep;
  if (rounded >= 60) return std::nullopt;
  const int total = *hours * 60 + rounded;
  if (total > UtcOffsetCell::kLimit) return std::nullopt;
  return total;
}

}  // namespace

UtcOffsetCell::UtcOffsetCell(bool notSetAllowed) : notSetAllowed_(notSetAllowed) {}

std::string UtcOffsetCell::Display(std::int16_t offset) const {
  if (offset == kNotSet) return "--:--";
  const int magnitude = std::abs(static_cast<int>(offset));
  const char* sign = offset > 0 ? "+" : (offset < 0 ? "-" : "");
  return sign + std::to_string(magnitude / 60) + ':' + ZeroPadded(magnitude % 60, 2);
}

bool UtcOffsetCell::Commit(std::string_view text, std::int16_t& offset) const {
  std::string kept;
  for (char c : text) {
    if (IsDigit(c) || c == '+' || c == '-' || c == ':') kept.push_back(c);
  }
  if (notSetAllowed_ && (kept.empty() || kept.starts_with("--:--"))) {
    offset = kNotSet;
    return true;
  }
  if (kept.find_first_of("0123456789") == std::string::npos) return false;
  const bool negative = kept.front() == '-';
  std::string_view body(kept);
  if (negative || kept.front() == '+') body.remove_prefix(1);
  if (body.size() > kMaxLengthAfterSign) return false;
  const auto magnitude = ReadMagnitude(body);
  if (!magnitude) return false;
  offset = static_cast<std::int16_t>(negative ? -*magnitude : *magnitude);
  return true;
}

KeyReply UtcOffsetCell::Key(int key, std::int16_t& offset) const {
  if (key == kKeySpace || key == kKeyBackspace) {
    const int next = offset + (key == kKeySpace ? kStep : -kStep);
    offset = static_cast<std::int16_t>(next > kLimit ? -kLimit : (next < -kLimit ? kLimit : next));
    return KeyReply::Changed();
  }
  if (IsEnterKey(key) || key == kKeyF2) return KeyReply::EditSelected(Display(offset));
  const char c = TypedCharacter(key);
  if (IsDigit(c) || c == '+' || c == '-' || c == ':') return KeyReply::EditTyped(std::string(1, c));
  return KeyReply::None();
}
