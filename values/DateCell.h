#pragma once
// The date cell of GPS memories: the stamp's date in the radio's local time, in the
// application's date order. Editing goes through the GPS text editor, which hands the date
// back as "yyyy/mm/dd".
#include <cstdint>
#include <string>
#include <string_view>

#include "values/CodecSettings.h"
#include "values/GpsStamp.h"
#include "values/KeyReply.h"

class DateCell {
 public:
  // yearFirst: the cell shows "yyyy/mm/dd" whatever the date order.
  DateCell(const CodecSettings& settings, std::int16_t radioUtcOffset, bool yearFirst = false);

  // "yyyy/mm/dd", "mm/dd/yyyy" or "dd/mm/yyyy"; dashes in place of the digits when unset.
  std::string Display(const GpsStamp& stamp) const;
  // The GPS text editor's "yyyy/mm/dd", a date within 2000/01/02-2099/12/30; anything else
  // changes nothing.
  bool Commit(std::string_view text, GpsStamp& stamp) const;
  // Enter, F2, Space, Backspace and digits open the GPS text editor with the date as
  // "yyyy/mm/dd" (blanks when unset) and the edit type of the date order.
  KeyReply Key(int key, const GpsStamp& stamp) const;

 private:
  int order_;  // 0 year first, 1 month first, 2 day first
  int utcOffset_;
};
