#include "memory/AddressCoverage.h"

#include <algorithm>

AddressCoverage::AddressCoverage(std::int32_t size)
    : size_(std::max(size, 0)), bits_((static_cast<std::size_t>(size_) + 7) / 8) {}

// Whole bytes of the map are set at once: the ranges of a complete image span 130,000 bits.
void AddressCoverage::Mark(std::int64_t first, std::int64_t last) {
  std::int64_t address = std::max<std::int64_t>(first, 0);
  const std::int64_t end = std::min<std::int64_t>(last + 1, size_);
  if (address >= end) return;
  const auto markOne = [this](std::int64_t a) {
    bits_[static_cast<std::size_t>(a / 8)] |= static_cast<std::uint8_t>(1U << (a % 8));
  };
  for (; address < end && address % 8 != 0; ++address) markOne(address);
  const std::int64_t wholeBytes = (end - address) / 8;
  std::fill_n(bits_.begin() + address / 8, wholeBytes, std::uint8_t{0xFF});
  for (address += 8 * wholeBytes; address < end; ++address) markOne(address);
}

bool AddressCoverage::IsMarked(std::int32_t address) const {
  if (address < 0 || address >= size_) return false;
  return (bits_[static_cast<std::size_t>(address) / 8] >> (address % 8) & 1) != 0;
}

AddressCoverage::Difference AddressCoverage::Against(const AddressCoverage& expected) const {
  bool missing = false;
  const std::size_t n = std::max(bits_.size(), expected.bits_.size());
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t got = i < bits_.size() ? bits_[i] : 0;
    const std::uint8_t want = i < expected.bits_.size() ? expected.bits_[i] : 0;
    if (got & ~want) return Difference::Outside;
    missing |= (want & ~got) != 0;
  }
  return missing ? Difference::Missing : Difference::None;
}
