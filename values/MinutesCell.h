#pragma once
// The minutes cell of the GPS settings: minutes x 1000 in 16 bits, shown and typed as minutes
// with hundredths ("m.mm") or as minutes and seconds ("m'ss") after the position format.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"

class MinutesCell {
 public:
  explicit MinutesCell(bool inSeconds);

  // "05.30'" or "05'18"".
  std::string Display(std::uint16_t milliMinutes) const;
  // "m.mm" from 0.08 to 59.99 minutes (one fraction digit counts as tenths), or "m'ss" from
  // 5 seconds to 59'59"; anything else changes nothing.
  bool Commit(std::string_view text, std::uint16_t& milliMinutes) const;
  // Space and Backspace step by 0.01 minute or 1 second, wrapping at both ends of the range.
  KeyReply Key(int key, std::uint16_t& milliMinutes) const;

 private:
  bool inSeconds_;
};
