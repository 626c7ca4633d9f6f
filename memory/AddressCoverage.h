#pragma once
// Which addresses of an image a transfer has delivered, from the radio or from an image
// file: one bit per address, bit a % 8 of byte a / 8. What was delivered is then compared
// with the addresses the transfer should have covered.
#include <cstdint>
#include <span>
#include <vector>

class AddressCoverage {
 public:
  enum class Difference {
    None,
    Outside,  // an address was delivered that was not expected (whether or not one is missing)
    Missing,  // an expected address was not delivered
  };

  AddressCoverage() = default;
  // An image of size addresses, none of them delivered.
  explicit AddressCoverage(std::int32_t size);

  // Marks first .. last as delivered; the part outside the image is ignored.
  void Mark(std::int64_t first, std::int64_t last);
  bool IsMarked(std::int32_t address) const;

  // How what was delivered differs from expected, an image of the same size.
  Difference Against(const AddressCoverage& expected) const;

  std::span<const std::uint8_t> Bits() const { return bits_; }

 private:
  std::int32_t size_ = 0;
  std::vector<std::uint8_t> bits_;
};
