#include "values/GpsEditorText.h"

#include <algorithm>
#include <optional>

#include "platform/Fatal.h"
#include "values/GpsStamp.h"
#include "values/ZeroPadded.h"

namespace {

constexpr std::size_t kPositionLength = 11;
constexpr int kLatitudeLimit = 900000;  // 90 degrees, no minutes, no seconds
constexpr int kLongitudeLimit = 1800000;

bool IsDate(int editType) { return editType >= kGpsDateYearFirst && editType <= kGpsDateDayFirst; }
bool IsLatitude(int editType) { return editType == kGpsLatitudeSeconds || editType == kGpsLatitudeMinutes; }
bool InSeconds(int editType) { return editType == kGpsLatitudeSeconds || editType == kGpsLongitudeSeconds; }

std::string BlanksAsZeros(std::string_view text) {
  std::string zeros(text);
  std::replace(zeros.begin(), zeros.end(), ' ', '0');
  return zeros;
}

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

GpsEditProblem CheckPosition(std::string_view text, int editType) {
  if (text.size() < kPositionLength) return GpsEditProblem::kNotANumber;
  const auto degrees = DigitsAt(text, 0, 3);
  const auto minutes = DigitsAt(text, 4, 2);
  const auto fraction = DigitsAt(text, 7, 2);
  if (!degrees || !minutes || !fraction) return GpsEditProblem::kNotANumber;
  const bool latitude = IsLatitude(editType);
  if (*degrees * 10000 + *minutes * 100 + *fraction > (latitude ? kLatitudeLimit : kLongitudeLimit)) {
    return latitude ? GpsEditProblem::kLatitudeRange : GpsEditProblem::kLongitudeRange;
  }
  if (*minutes >= 60) return GpsEditProblem::kMinutes;
  if (InSeconds(editType) && *fraction >= 60) return GpsEditProblem::kSeconds;
  const char hemisphere = UpperCase(text[10]);
  if (latitude && hemisphere != 'N' && hemisphere != 'S') return GpsEditProblem::kLatitudeHemisphere;
  if (!latitude && hemisphere != 'E' && hemisphere != 'W') return GpsEditProblem::kLongitudeHemisphere;
  return GpsEditProblem::kNone;
}

}  // namespace

GpsEditPlaces GpsEditPlacesOf(int editType) {
  switch (editType) {
    case kGpsDateYearFirst:
      return {2, 9};
    case kGpsDateMonthFirst:
    case kGpsDateDayFirst:
      return {0, 9};
    case kGpsTime:
      return {0, 7};
    case kGpsLatitudeSeconds:
    case kGpsLatitudeMinutes:
      return {1, 10};
    case kGpsLongitudeSeconds:
    case kGpsLongitudeMinutes:
      return {0, 10};
    default:
      Fatal("Invalid GPS edit type.");
  }
}

std::string GpsEditorTextOf(std::string_view cellText, int editType) {
  if (!IsDate(editType) || editType == kGpsDateYearFirst || cellText.size() != 10) return std::string(cellText);
  const std::string_view year = cellText.substr(0, 4), month = cellText.substr(5, 2), day = cellText.substr(8, 2);
  const std::string_view firstPart = editType == kGpsDateMonthFirst ? month : day;
  const std::string_view secondPart = editType == kGpsDateMonthFirst ? day : month;
  return std::string(firstPart) + '/' + std::string(secondPart) + '/' + std::string(year);
}

std::string GpsCellTextOf(std::string_view editorText, int editType) {
  const std::string text = BlanksAsZeros(editorText);
  if (!IsDate(editType) || editType == kGpsDateYearFirst || text.size() != 10) return text;
  const std::string year = text.substr(6, 4);
  const std::string month = editType == kGpsDateMonthFirst ? text.substr(0, 2) : text.substr(3, 2);
  const std::string day = editType == kGpsDateMonthFirst ? text.substr(3, 2) : text.substr(0, 2);
  return year + '/' + month + '/' + day;
}

GpsEditProblem CheckGpsEditorText(std::string_view editorText, int editType) {
  const std::string text = GpsCellTextOf(editorText, editType);
  if (IsDate(editType)) return ReadEnteredDate(text) ? GpsEditProblem::kNone : GpsEditProblem::kDate;
  if (editType == kGpsTime) return ReadEnteredTime(text) ? GpsEditProblem::kNone : GpsEditProblem::kTime;
  GpsEditPlacesOf(editType);  // a type outside the table is a defect
  return CheckPosition(text, editType);
}
