#include "memory/Bcd.h"

std::uint8_t NibbleOf(std::span<const std::uint8_t> bytes, std::size_t n) {
  const std::uint8_t byte = bytes[n / 2];
  return static_cast<std::uint8_t>(n % 2 == 0 ? byte >> 4 : byte & 0x0F);
}

std::uint64_t BcdToInt(std::span<const std::uint8_t> bytes) {
  std::uint64_t value = 0;
  for (const std::uint8_t byte : bytes) value = value * 100 + (byte >> 4) * 10u + (byte & 0x0Fu);
  return value;
}

void IntToBcd(std::uint64_t value, std::span<std::uint8_t> bytes) {
  for (std::size_t i = bytes.size(); i-- > 0;) {
    const auto pair = static_cast<unsigned>(value % 100);
    bytes[i] = static_cast<std::uint8_t>((pair / 10) << 4 | pair % 10);
    value /= 100;
  }
}

bool IsValidBcd(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t byte : bytes) {
    if (byte >= 0xA0 || (byte & 0x0F) > 9) return false;
  }
  return true;
}
