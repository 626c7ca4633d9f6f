#include "values/PositionCell.h"

#include <algorithm>
#include <optional>

#include "values/GpsEditorText.h"
#include "values/MinuteParts.h"
#include "values/ZeroPadded.h"

namespace {

// The GPS text editor's masks write the degree sign as byte 0xB0.
constexpr char kEditorDegreeSign = '\xB0';

// Degrees, minutes and seconds with 60 seconds carried into the minute and 60 minutes into
// the degree.
struct Sexagesimal {
  int degrees;
  int minutes;
  int seconds;
};

Sexagesimal ToSexagesimal(const GpsPosition& position) {
  Sexagesimal s{position.degrees, position.milliMinutes / 1000, RoundedSecondsOf(position.milliMinutes)};
  if (s.seconds == 60) {
    s.seconds = 0;
    ++s.minutes;
  }
  if (s.minutes == 60) {
    s.minutes = 0;
    ++s.degrees;
  }
  return s;
}

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

PositionCell::PositionCell(PositionAxis axis, bool inSeconds, const CodecSettings& settings)
    : axis_(axis), inSeconds_(inSeconds), settings_(settings) {}

std::string PositionCell::Layout(const GpsPosition& stored, char degreeSign) const {
  const int degreeDigits = axis_ == PositionAxis::kLatitude ? 2 : 3;
  const GpsPosition position = stored.IsSet() ? stored : GpsPosition{};
  std::string text;
  if (inSeconds_) {
    const Sexagesimal s = ToSexagesimal(position);
    text = ZeroPadded(s.degrees, degreeDigits) + degreeSign + ZeroPadded(s.minutes, 2) + '\'' +
           ZeroPadded(s.seconds, 2) + '"';
  } else {
    text = ZeroPadded(position.degrees, degreeDigits) + degreeSign + ZeroPadded(position.milliMinutes / 1000, 2) + '.' +
           ZeroPadded(HundredthsOf(position.milliMinutes), 2) + '\'';
  }
  if (stored.IsSet()) return text + position.hemisphere;
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }, '-');
  return text + '-';
}

std::string PositionCell::Display(const GpsPosition& position) const {
  return Layout(position, DegreeSign(settings_.japaneseDisplay));
}

int PositionCell::EditorType() const {
  const int latitudeType = inSeconds_ ? 4 : 6;
  return axis_ == PositionAxis::kLatitude ? latitudeType : latitudeType + 1;
}

KeyReply PositionCell::Key(int key, const GpsPosition& position) const {
  if (!OpensGpsEditor(key)) return KeyReply::None();
  std::string text = Layout(position, kEditorDegreeSign);
  if (axis_ == PositionAxis::kLatitude) text.insert(0, 1, ' ');
  if (!position.IsSet()) std::replace(text.begin(), text.end(), '-', ' ');
  return KeyReply::GpsEditor(text, EditorType());
}

bool PositionCell::Commit(std::string_view text, GpsPosition& position) const {
  if (CheckGpsEditorText(text, EditorType()) != GpsEditProblem::kNone) return false;
  const std::string digits = GpsCellTextOf(text, EditorType());
  const auto degrees = DigitsAt(digits, 0, 3);
  const auto minutes = DigitsAt(digits, 4, 2);
  const auto fraction = DigitsAt(digits, 7, 2);
  const char hemisphere = UpperCase(digits[10]);
  const int fractionMilli = inSeconds_ ? MilliMinutesOfSeconds(*fraction) : *fraction * 10;
  position = {static_cast<std::uint8_t>(*degrees), static_cast<std::uint16_t>(*minutes * 1000 + fractionMilli),
              hemisphere};
  return true;
}
