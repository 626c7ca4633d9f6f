#include "memory/SnapFrequency.h"

#include <array>
#include <cstdint>

#include "memory/indDestination.h"

namespace {

constexpr std::uint64_t kBlock = 50000;

// Raster points per 50 kHz block: 5 kHz, 6.25 kHz, 8.33 kHz.
constexpr std::array<std::uint64_t, 3> kPointsPerBlock{10, 8, 6};

// The point of an n-point raster nearest to remainder (rounded in tenths of a step, as the
// radio does); it may be the end of the block.
std::uint64_t NearestPoint(std::uint64_t remainder, std::uint64_t n) {
  return (remainder * n * 10 / kBlock + 5) / 10 * kBlock / n;
}

std::uint64_t Distance(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

}  // namespace

Hertz SnapFrequency(Hertz f, bool allow8_33kHz) {
  const std::uint64_t remainder = f % kBlock;
  const std::uint64_t base = f - remainder;
  const std::size_t rasters = allow8_33kHz ? kPointsPerBlock.size() : kPointsPerBlock.size() - 1;
  std::uint64_t best = NearestPoint(remainder, kPointsPerBlock[0]);
  for (std::size_t i = 1; i < rasters && best != remainder; ++i) {
    const std::uint64_t point = NearestPoint(remainder, kPointsPerBlock[i]);
    if (Distance(point, remainder) < Distance(best, remainder)) best = point;
  }
  // The last block of the scale holds only 17,296 Hz, too few to round up past its end.
  return static_cast<Hertz>(base + best);
}

bool Allows8p33kHzRaster(Hertz channelFrequency) { return indDestination::BandNumber(channelFrequency) == 0; }

Hertz SnapChannelFrequency(Hertz f) { return SnapFrequency(f, Allows8p33kHzRaster(f)); }
