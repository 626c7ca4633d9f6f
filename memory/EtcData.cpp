#include "memory/EtcData.h"

#include <array>
#include <bit>

#include "platform/Fatal.h"

namespace {

// Bits 0-4 of the check value live at these bit positions of the packed value.
constexpr std::array<int, 5> kCheckBitPositions{0, 4, 6, 11, 17};
constexpr std::uint32_t kCheckBitMask = [] {
  std::uint32_t mask = 0;
  for (const int position : kCheckBitPositions) mask |= 1U << position;
  return mask;
}();
constexpr int kDestinationShift = 18;
constexpr std::uint32_t kDestinationMask = 0x1F;
constexpr std::uint32_t kReceiveExpansionBit = 1U << 2;

// The check value of a packed value: the set bits outside the check positions, modulo 32.
std::uint32_t CheckValueOf(std::uint32_t value) {
  return static_cast<std::uint32_t>(std::popcount(value & ~kCheckBitMask)) & 0x1F;
}

std::uint32_t SpreadCheckValue(std::uint32_t check) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < kCheckBitPositions.size(); ++i) {
    if (check >> i & 1U) bits |= 1U << kCheckBitPositions[i];
  }
  return bits;
}

std::uint32_t GatherCheckValue(std::uint32_t value) {
  std::uint32_t check = 0;
  for (std::size_t i = 0; i < kCheckBitPositions.size(); ++i) {
    if (value >> kCheckBitPositions[i] & 1U) check |= 1U << i;
  }
  return check;
}

}  // namespace

std::uint32_t PackEtcData(int destination, bool receiveExpansion) {
  if (destination < 0 || static_cast<std::uint32_t>(destination) > kDestinationMask) {
    Fatal("Destination code out of range (PackEtcData).");
  }
  const std::uint32_t fields =
      static_cast<std::uint32_t>(destination) << kDestinationShift | (receiveExpansion ? kReceiveExpansionBit : 0U);
  return fields | SpreadCheckValue(CheckValueOf(fields));
}

std::optional<EtcDataFields> UnpackEtcData(std::uint32_t value) {
  if (GatherCheckValue(value) != CheckValueOf(value)) return std::nullopt;
  return EtcDataFields{static_cast<int>(value >> kDestinationShift & kDestinationMask),
                       (value & kReceiveExpansionBit) != 0};
}
