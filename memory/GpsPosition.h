#pragma once
// A latitude or longitude as the image keeps it in 4 bytes: whole degrees, minutes x 1000
// (16-bit big-endian) and the hemisphere letter. Degrees 0xFF means no position.
#include <cstdint>

struct GpsPosition {
  std::uint8_t degrees = 0;
  std::uint16_t milliMinutes = 0;
  char hemisphere = ' ';

  static constexpr std::uint8_t kNotSet = 0xFF;
  bool IsSet() const { return degrees != kNotSet; }
  bool operator==(const GpsPosition&) const = default;
};
