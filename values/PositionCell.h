#pragma once
// The position cell: a latitude or longitude (degrees, minutes x 1000, hemisphere letter)
// shown in degrees and decimal minutes or in degrees, minutes and seconds after the position
// format setting. Editing goes through the GPS text editor, whose text it shows and reads.
#include <string>
#include <string_view>

#include "memory/GpsPosition.h"
#include "values/CodecSettings.h"
#include "values/KeyReply.h"

enum class PositionAxis { kLatitude, kLongitude };

class PositionCell {
 public:
  // inSeconds: the position format setting (image byte 109254) is not 0.
  PositionCell(PositionAxis axis, bool inSeconds, const CodecSettings& settings);

  // "35°41.12'N" / "139°41'07"E" with the display's degree sign; dashes in place of every
  // digit and of the letter when the position is not set.
  std::string Display(const GpsPosition& position) const;
  // The GPS text editor's text: degrees in characters 1-3, minutes in 5-6, hundredths of a
  // minute or seconds in 8-9, the hemisphere letter in 11 (blanks count as 0). A text that is
  // no valid position changes nothing.
  bool Commit(std::string_view text, GpsPosition& position) const;
  // Enter, F2, Space, Backspace and digits open the GPS text editor on the position.
  KeyReply Key(int key, const GpsPosition& position) const;

 private:
  std::string Layout(const GpsPosition& position, char degreeSign) const;
  int EditorType() const;

  PositionAxis axis_;
  bool inSeconds_;
  CodecSettings settings_;
};
