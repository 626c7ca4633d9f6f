#pragma once
// The time cell of GPS memories: the stamp's time of day in the radio's local time,
// "hh:nn:ss". Editing goes through the GPS text editor.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/GpsStamp.h"
#include "values/KeyReply.h"

class TimeCell {
 public:
  static constexpr int kEditorType = 3;

  explicit TimeCell(std::int16_t radioUtcOffset);

  // "hh:nn:ss", or "--:--:--" when unset.
  std::string Display(const GpsStamp& stamp) const;
  // The GPS text editor's "hh:nn:ss"; anything else changes nothing.
  bool Commit(std::string_view text, GpsStamp& stamp) const;
  // Enter, F2, Space, Backspace and digits open the GPS text editor on the time (blanks when
  // unset).
  KeyReply Key(int key, const GpsStamp& stamp) const;

 private:
  int utcOffset_;
};
