#pragma once
// The "Etc Data" value: the destination code and the receive-expansion flag packed into one
// 32-bit value with five check bits, so that a damaged value is recognised. The settings
// store it, and clone image files carry it (with the flag clear) in their "EtcData" line.
#include <cstdint>
#include <optional>

struct EtcDataFields {
  int destination = 0;            // bits 18-22
  bool receiveExpansion = false;  // bit 2
};

// The value of destination (0-31) and the flag. A destination outside 0-31 is a defect of
// the caller and fatal.
std::uint32_t PackEtcData(int destination, bool receiveExpansion);

// The fields of value, or none when its check bits do not match the other bits.
std::optional<EtcDataFields> UnpackEtcData(std::uint32_t value);
