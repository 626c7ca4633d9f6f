#pragma once
// The hex byte cell: one byte shown in hexadecimal (a CI-V address); Enter opens the
// bit-field editor on it, a typed hexadecimal digit the in-place editor.
#include <cstdint>
#include <string>
#include <string_view>

#include "sheet/KeyReply.h"

class HexByteCell {
 public:
  // Two upper-case hexadecimal digits.
  std::string Display(std::uint8_t value) const;
  // One or two hexadecimal digits (either case, spaces around them allowed) replace the
  // value; anything else changes nothing.
  bool Commit(std::string_view text, std::uint8_t& value) const;
  KeyReply Key(int key, std::uint8_t value) const;
};
