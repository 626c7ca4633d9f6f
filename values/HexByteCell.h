#pragma once
// The hex byte cell: one byte shown in hexadecimal (a CI-V address); Enter opens the
// bit-field editor on it, a typed hexadecimal digit the in-place editor.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"

class HexByteCell {
 public:
  // Two upper-case hexadecimal digits.
  std::string Display(std::uint8_t value) const;
  // One or two hexadecimal digits (either case, spaces around them allowed) replace the
  // value; anything else changes nothing.
  bool Commit(std::string_view text, std::uint8_t& value) const;
  // The bit-field editor's value: the byte's bits 7 to 0 are its flags 1 to 8.
  bool Pick(std::string_view text, std::uint8_t& value) const;
  // Enter opens the bit-field editor (flags B7 to B0), F2 and a hexadecimal digit the
  // in-place editor.
  KeyReply Key(int key, std::uint8_t value) const;
};
