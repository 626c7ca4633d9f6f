#pragma once
// The rules of the GPS text editor, in which dates, times and positions are typed into a
// fixed pattern: where the cursor may go, how a date is arranged for the date order, and
// whether the typed text is a value (and if not, which field is wrong). Blank places count as
// zeros. Dates travel between cell and editor as "yyyy/mm/dd"; positions as
// " dd\xB0mm'ss\"H" (latitude) or "ddd\xB0mm.hh'H" (longitude, decimal minutes), the degree sign
// being byte 0xB0.
#include <string>
#include <string_view>

enum GpsEditType {
  kGpsDateYearFirst = 0,
  kGpsDateMonthFirst = 1,
  kGpsDateDayFirst = 2,
  kGpsTime = 3,
  kGpsLatitudeSeconds = 4,
  kGpsLongitudeSeconds = 5,
  kGpsLatitudeMinutes = 6,
  kGpsLongitudeMinutes = 7,
};

// The places the cursor may stand on, counted from 0; a type outside 0-7 is a defect (fatal).
struct GpsEditPlaces {
  int first;
  int last;
};
GpsEditPlaces GpsEditPlacesOf(int editType);

// What is wrong with a typed text: the line of "GI_AppMess_GpsEditProblem" that says so.
enum class GpsEditProblem {
  kNone = -1,
  kDate = 0,
  kTime = 1,
  kLatitudeRange = 2,
  kLongitudeRange = 3,
  kMinutes = 4,
  kSeconds = 5,
  kLatitudeHemisphere = 6,
  kLongitudeHemisphere = 7,
  kNotANumber = 8,
};

// The cell's text as the editor shows it: dates in the type's order.
std::string GpsEditorTextOf(std::string_view cellText, int editType);
// The editor's text as the cell takes it: blanks as zeros, dates year first.
std::string GpsCellTextOf(std::string_view editorText, int editType);
// Checks the editor's text.
GpsEditProblem CheckGpsEditorText(std::string_view editorText, int editType);
