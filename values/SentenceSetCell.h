#pragma once
// The sentence set cell: the NMEA sentences the radio sends or logs, one bit each in the low
// six bits of a byte (bit 0 GGA, 1 GLL, 2 GSA, 3 GSV, 4 RMC, 5 VTG; the two high bits belong
// to nobody and are kept). Shown as the names of the set bits joined by commas, "OFF" when
// none; edited in the bit-field editor, whose NMEA labels come in an order of their own.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"

inline constexpr std::array<std::string_view, 6> kNmeaSentences{"GGA", "GLL", "GSA", "GSV", "RMC", "VTG"};

class SentenceSetCell {
 public:
  std::string Display(std::uint8_t bits) const;
  // The bit-field editor's value (decimal, flags packed from bit 25 down) replaces the
  // sentence bits; anything else changes nothing. True when the byte changed.
  bool Pick(std::string_view text, std::uint8_t& bits) const;
  // Typed text is not taken: the sentences are chosen in the editor.
  bool Commit(std::string_view, std::uint8_t&) const { return false; }
  // Enter and F2 open the bit-field editor.
  KeyReply Key(int key, std::uint8_t bits) const;

  // The editor's packed value for a sentence byte and back.
  static std::uint32_t EditorValue(std::uint8_t bits);
  static std::uint8_t SentencesOf(std::uint32_t editorValue);
};
