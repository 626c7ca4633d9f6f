#pragma once
// The DTMF cell: a DTMF memory of up to n digit codes, one code per byte (0-15), 0xFF after
// the last one. Codes show as "0123456789ABCD*#".
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "values/KeyReply.h"

class DtmfCell {
 public:
  // One character per code up to the first 0xFF; a code above 15 shows "?".
  std::string Display(std::span<const std::uint8_t> codes) const;
  // "*" is code 14, "#" code 15, digits and the letters A-F (either case) their values; other
  // characters are ignored. The field is filled with 0xFF and the codes stored from its start,
  // as many as fit. Always answers true.
  bool Commit(std::string_view text, std::span<std::uint8_t> codes) const;
  KeyReply Key(int key, std::span<const std::uint8_t> codes) const;
};
