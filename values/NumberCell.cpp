#include "values/NumberCell.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "platform/Fatal.h"
#include "text/TextFields.h"

namespace {

// Typed numbers are read from at most this many of the kept characters.
constexpr std::size_t kMaxNumberLength = 11;

// Beyond this the scaled value lies outside the signed 32-bit range for any decimals, and
// multiplying by 10^9 still fits 64 bits.
constexpr std::int64_t kIntegerPartCap = 3'000'000'000;

std::int64_t PowerOfTen(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text reduced to digits, "." and "-", cut to the length a number is read from.
std::string KeptNumberCharacters(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (IsDigit(c) || c == '.' || c == '-') kept.push_back(c);
  }
  kept.resize(std::min(kept.size(), kMaxNumberLength));
  return kept;
}

// The leading decimal number of text (an optional "-", digits, an optional point and
// digits; what follows is ignored, and no number reads as 0) times 10^decimals, rounded half
// away from zero.
std::int64_t ReadScaled(std::string_view text, int decimals) {
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  std::int64_t integerPart = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    integerPart = std::min(kIntegerPartCap, integerPart * 10 + (text[i] - '0'));
  }
  std::int64_t scaled = integerPart * PowerOfTen(decimals);
  if (i < text.size() && text[i] == '.') {
    ++i;
    std::int64_t unit = PowerOfTen(decimals);
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      const int digit = text[i] - '0';
      if (unit == 1) {
        if (digit >= 5) ++scaled;
        break;
      }
      unit /= 10;
      scaled += digit * unit;
    }
  }
  return negative ? -scaled : scaled;
}

std::int32_t ToInt32Range(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

// Removes up to count trailing "0"s after the point, and the point when it is reached.
void StripTrailingZeros(std::string& text, int count) {
  if (text.find('.') == std::string::npos) return;
  for (; count > 0 && text.back() == '0'; --count) text.pop_back();
  if (text.back() == '.') text.pop_back();
}

}  // namespace

NumberCell::NumberCell(const NumberCellFormat& format) : format_(format) {
  if (format.step < 1 || format.decimals < 0 || format.decimals > 9 || format.shownDecimals < 0 ||
      format.minimum > format.maximum) {
    Fatal("Invalid number cell format.");
  }
}

std::string NumberCell::Display(std::int32_t value) const {
  if (format_.zeroMeansNone && value == 0) return {};
  const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(value));
  const std::int64_t scale = PowerOfTen(format_.decimals);
  std::string text = value < 0 ? "-" : (format_.signShown && value > 0 ? "+" : "");
  text += std::to_string(magnitude / scale);
  if (static_cast<int>(text.size()) < format_.width) {
    text.insert(0, static_cast<std::size_t>(format_.width) - text.size(), ' ');
  }
  if (format_.shownDecimals > 0) {
    std::string fraction = std::to_string(magnitude % scale + scale).substr(1);
    fraction.resize(static_cast<std::size_t>(format_.shownDecimals), '0');
    text += '.' + fraction;
  }
  StripTrailingZeros(text, format_.zerosToStrip);
  return text;
}

bool NumberCell::Commit(std::string_view text, std::int32_t& value) const {
  const std::string kept = KeptNumberCharacters(text);
  if (std::none_of(kept.begin(), kept.end(), IsDigit)) {
    if (!format_.zeroMeansNone) return false;
    value = 0;
    return true;
  }
  value = FitToStepAndRange(ToInt32Range(ReadScaled(kept, format_.decimals)));
  return true;
}

std::int32_t NumberCell::FitToStepAndRange(std::int64_t value) const {
  value -= value % format_.step;
  if (value >= format_.maximum) return format_.maximum;
  if (value < format_.minimum) return format_.minimum;
  return static_cast<std::int32_t>(value);
}

std::int32_t NumberCell::Stepped(std::int32_t value, int direction) const {
  const std::int64_t next = static_cast<std::int64_t>(value) + direction * format_.step;
  if (next > format_.maximum) return format_.minimum;
  if (next < format_.minimum) return format_.maximum;
  return static_cast<std::int32_t>(next);
}

KeyReply NumberCell::OpenEditor(std::int32_t value) const {
  if (format_.editorStartsEmpty) return KeyReply::EditSelected({});
  return KeyReply::EditSelected(std::string(TrimSpacesAndTabs(Display(value))));
}

KeyReply NumberCell::OpenEditorAtPoint() const {
  if (!format_.editorStartsEmpty) return KeyReply::EditTyped(".");
  const std::string zero = "0." + std::string(static_cast<std::size_t>(format_.shownDecimals), '0');
  return KeyReply::EditWithCaret(zero, 2);
}

KeyReply NumberCell::Key(int key, std::int32_t& value) const {
  if (IsEnterKey(key) || key == kKeyF2) return OpenEditor(value);
  if (key == kKeySpace || key == kKeyBackspace) {
    if (!format_.stepping) return key == kKeySpace ? OpenEditor(value) : KeyReply::None();
    value = Stepped(value, key == kKeySpace ? 1 : -1);
    return KeyReply::Changed();
  }
  const char c = TypedCharacter(key);
  if (c == '.') return OpenEditorAtPoint();
  if (IsDigit(c) || c == '-' || (c == '+' && format_.signShown)) return KeyReply::EditTyped(std::string(1, c));
  return KeyReply::None();
}
