#pragma once
// Frequencies and offsets of channel and repeater records are stored as step counts on a
// raster: code 0 = 5 kHz, 1 = 6.25 kHz, 2 = 8.33 kHz (25 kHz / 3).
#include <cstdint>

namespace RasterCode {
inline constexpr std::uint8_t k5kHz = 0;
inline constexpr std::uint8_t k6p25kHz = 1;
inline constexpr std::uint8_t k8p33kHz = 2;
}  // namespace RasterCode

// Hertz of count steps; codes other than 1 and 2 decode on the 5 kHz raster.
std::uint32_t DecodeRaster(std::uint32_t count, std::uint8_t code);
// Step count of hertz on the raster of code (codes other than 1 and 2: 5 kHz); the 8.33 kHz
// raster rounds to the nearest step, the others truncate.
std::uint32_t EncodeRaster(std::uint32_t hertz, std::uint8_t code);

struct RasterCodes {
  std::uint8_t frequency = 0;
  std::uint8_t offset = 0;
};

// The codes a frequency and its offset are stored with: a raster both lie on, 5 kHz before
// 6.25 kHz before 8.33 kHz (when allowed); otherwise each its own first raster, 5 kHz when
// none fits.
RasterCodes ChooseRasterCodes(std::uint32_t frequency, std::uint32_t offset, bool allow8_33kHz);
