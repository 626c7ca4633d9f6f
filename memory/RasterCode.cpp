#include "memory/RasterCode.h"

namespace {

struct RasterFit {
  bool on5kHz;
  bool on6_25kHz;
  bool on8_33kHz;
};

RasterFit FitOf(std::uint32_t hertz, bool allow8_33kHz) {
  return {hertz % 5000 == 0, hertz % 6250 == 0, allow8_33kHz && hertz % 25000 % 8333 == 0};
}

std::uint8_t FirstFit(const RasterFit& fit) {
  if (fit.on5kHz) return RasterCode::k5kHz;
  if (fit.on6_25kHz) return RasterCode::k6p25kHz;
  if (fit.on8_33kHz) return RasterCode::k8p33kHz;
  return RasterCode::k5kHz;
}

}  // namespace

std::uint32_t DecodeRaster(std::uint32_t count, std::uint8_t code) {
  const std::uint64_t steps = count;
  switch (code) {
    case RasterCode::k6p25kHz:
      return static_cast<std::uint32_t>(steps * 6250);
    case RasterCode::k8p33kHz:
      return static_cast<std::uint32_t>(steps * 25000 / 3);
    default:
      return static_cast<std::uint32_t>(steps * 5000);
  }
}

std::uint32_t EncodeRaster(std::uint32_t hertz, std::uint8_t code) {
  switch (code) {
    case RasterCode::k6p25kHz:
      return hertz / 6250;
    case RasterCode::k8p33kHz: {
      const std::uint64_t triple = static_cast<std::uint64_t>(hertz) * 3;
      return static_cast<std::uint32_t>(triple / 25000 + (triple % 25000 > 12500 ? 1 : 0));
    }
    default:
      return hertz / 5000;
  }
}

RasterCodes ChooseRasterCodes(std::uint32_t frequency, std::uint32_t offset, bool allow8_33kHz) {
  const RasterFit f = FitOf(frequency, allow8_33kHz);
  const RasterFit o = FitOf(offset, allow8_33kHz);
  if (f.on5kHz && o.on5kHz) return {RasterCode::k5kHz, RasterCode::k5kHz};
  if (f.on6_25kHz && o.on6_25kHz) return {RasterCode::k6p25kHz, RasterCode::k6p25kHz};
  if (f.on8_33kHz && o.on8_33kHz) return {RasterCode::k8p33kHz, RasterCode::k8p33kHz};
  return {FirstFit(f), FirstFit(o)};
}
