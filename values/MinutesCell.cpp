#include "values/MinutesCell.h"

#include <optional>

#include "text/TextFields.h"
#include "values/MinuteParts.h"
#include "values/ZeroPadded.h"

namespace {

constexpr int kFirstHundredths = 8;    // 0.08'
constexpr int kLastHundredths = 5999;  // 59.99'
constexpr int kFirstSeconds = 5;
constexpr int kLastSeconds = 3599;  // 59'59"

// Digits only, at least one and at most maxDigits.
std::optional<int> ReadDigits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

int TotalHundredths(int milliMinutes) { return milliMinutes / 1000 * 100 + HundredthsOf(milliMinutes); }

int TotalSeconds(int milliMinutes) { return milliMinutes / 1000 * 60 + RoundedSecondsOf(milliMinutes); }

std::uint16_t FromHundredths(int hundredths) {
  return static_cast<std::uint16_t>(hundredths / 100 * 1000 + hundredths % 100 * 10);
}

std::uint16_t FromSeconds(int seconds) {
  return static_cast<std::uint16_t>(seconds / 60 * 1000 + MilliMinutesOfSeconds(seconds % 60));
}

// "m.mm" (or "m", "m.m") as hundredths of a minute.
std::optional<int> ReadHundredths(std::string_view text) {
  const std::size_t point = text.find('.');
  const auto minutes = ReadDigits(text.substr(0, point), 2);
  if (point == std::string_view::npos) return minutes ? std::optional(*minutes * 100) : std::nullopt;
  const std::string_view fractionText = text.substr(point + 1);
  const auto fraction = ReadDigits(fractionText, 2);
  if (!minutes || !fraction) return std::nullopt;
  return *minutes * 100 + (fractionText.size() == 1 ? *fraction * 10 : *fraction);
}

// "m'ss" as seconds, the seconds below 60.
std::optional<int> ReadSeconds(std::string_view text) {
  const std::size_t mark = text.find('\'');
  if (mark == std::string_view::npos) return std::nullopt;
  const auto minutes = ReadDigits(text.substr(0, mark), 2);
  const auto seconds = ReadDigits(text.substr(mark + 1), 2);
  if (!minutes || !seconds || *seconds >= 60) return std::nullopt;
  return *minutes * 60 + *seconds;
}

int Wrapped(int value, int first, int last) { return value > last ? first : (value < first ? last : value); }

}  // namespace

MinutesCell::MinutesCell(bool inSeconds) : inSeconds_(inSeconds) {}

std::string MinutesCell::Display(std::uint16_t milliMinutes) const {
  if (!inSeconds_) return ZeroPadded(milliMinutes / 1000, 2) + '.' + ZeroPadded(HundredthsOf(milliMinutes), 2) + '\'';
  const int seconds = TotalSeconds(milliMinutes);
  return ZeroPadded(seconds / 60, 2) + '\'' + ZeroPadded(seconds % 60, 2) + '"';
}

bool MinutesCell::Commit(std::string_view text, std::uint16_t& milliMinutes) const {
  std::string_view entry = TrimControlsAndSpaces(text);
  if (entry.ends_with(inSeconds_ ? '"' : '\'')) entry.remove_suffix(1);
  if (inSeconds_) {
    const auto seconds = ReadSeconds(entry);
    if (!seconds || *seconds < kFirstSeconds || *seconds > kLastSeconds) return false;
    milliMinutes = FromSeconds(*seconds);
    return true;
  }
  const auto hundredths = ReadHundredths(entry);
  if (!hundredths || *hundredths < kFirstHundredths || *hundredths > kLastHundredths) return false;
  milliMinutes = FromHundredths(*hundredths);
  return true;
}

KeyReply MinutesCell::Key(int key, std::uint16_t& milliMinutes) const {
  if (key == kKeySpace || key == kKeyBackspace) {
    const int direction = key == kKeySpace ? 1 : -1;
    milliMinutes =
        inSeconds_
            ? FromSeconds(Wrapped(TotalSeconds(milliMinutes) + direction, kFirstSeconds, kLastSeconds))
            : FromHundredths(Wrapped(TotalHundredths(milliMinutes) + direction, kFirstHundredths, kLastHundredths));
    return KeyReply::Changed();
  }
  if (IsEnterKey(key) || key == kKeyF2) return KeyReply::EditSelected(Display(milliMinutes));
  const char c = TypedCharacter(key);
  if ((c >= '0' && c <= '9') || c == '.' || c == '\'') return KeyReply::EditTyped(std::string(1, c));
  return KeyReply::None();
}
