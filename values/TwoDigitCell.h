#pragma once
// The two-digit cell: a value 0-99 such as the digital code, shown with two digits.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"

class TwoDigitCell {
 public:
  std::string Display(std::uint8_t value) const;
  // One or two digits (spaces around them allowed) store their value; anything else changes
  // nothing.
  bool Commit(std::string_view text, std::uint8_t& value) const;
  // Space adds 1 and Backspace subtracts 1, wrapping between 0 and 99.
  KeyReply Key(int key, std::uint8_t& value) const;
};
