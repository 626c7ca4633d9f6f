#pragma once
// The bit set cell: a set of flags named by consecutive characters, such as the banks "A" to
// "J" of a bank link or the digits "1" to "9" and "0". Bit k of the value belongs to the k-th
// character.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"

class BitSetCell {
 public:
  // The characters run from first to last: letters in alphabetical order, digits from first
  // on with "0" after "9" (so "1" to "0" names ten flags). Characters that name no such run
  // are a defect (fatal).
  BitSetCell(char first, char last);

  // One character per flag, the flag's own when set, "_" when not, then a line end.
  std::string Display(std::uint32_t bits) const;
  // The bit-field editor's value (decimal, flags packed from bit 25 down) replaces this
  // cell's flags and keeps every other bit; anything else changes nothing.
  bool Pick(std::string_view text, std::uint32_t& bits) const;
  // A flag's character (letters in either case) toggles it; Space sets every flag when none
  // is set and clears them all otherwise; Backspace inverts them; Enter and F2 open the
  // bit-field editor labelled with the flags' characters.
  KeyReply Key(int key, std::uint32_t& bits) const;

  std::uint32_t Mask() const;

 private:
  BitFieldPopup Editor(std::uint32_t bits) const;

  std::string characters_;
};
