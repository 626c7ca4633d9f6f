#pragma once
// The UTC offset cell: signed minutes east of UTC in steps of 5, at most 14 hours either way;
// 0x7FFF means not set.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"

class UtcOffsetCell {
 public:
  static constexpr std::int16_t kNotSet = 0x7FFF;
  static constexpr int kLimit = 840;  // 14:00

  // notSetAllowed: an empty entry, or one starting with "--:--", stores kNotSet.
  explicit UtcOffsetCell(bool notSetAllowed);

  // "--:--" when not set, else "+h:mm", "-h:mm" or "0:00".
  std::string Display(std::int16_t offset) const;
  // Takes "[+|-]h[:mm]" with at most five characters after the sign; the minutes are rounded
  // to a multiple of 5. Text that does not read as an offset within 14:00 changes nothing.
  bool Commit(std::string_view text, std::int16_t& offset) const;
  // Space adds and Backspace subtracts 5 minutes, wrapping between -14:00 and +14:00.
  KeyReply Key(int key, std::int16_t& offset) const;

 private:
  bool notSetAllowed_;
};
