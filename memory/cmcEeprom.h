#pragma once
// The program's copy of everything the radio stores: one flat, byte-addressed block that
// knows nothing of what its bytes mean. Images are values: copies are deep, and two images
// never share a block.
#include <cstdint>
#include <span>
#include <vector>

class cmcEeprom {
 public:
  cmcEeprom() = default;

  // Resizes to n bytes (nothing for n <= 0) and clears every byte to 0; with the current
  // length it only clears.
  void SetSize(std::int32_t n);
  std::int32_t GetSize() const { return static_cast<std::int32_t>(data_.size()); }
  bool IsValidAddress(std::int32_t address) const;

  void Fill(std::uint8_t value);

  // An address outside the image is a defect of the caller and fatal.
  void SetByte(std::int32_t address, std::uint8_t value);
  std::uint8_t GetByte(std::int32_t address) const;

  // Copy n bytes in or out at address. A range that does not lie wholly inside the image, or
  // n < 1, changes nothing on either side; the answer says whether the copy was made.
  bool WriteBlock(std::int32_t address, const std::uint8_t* source, std::int32_t n);
  bool ReadBlock(std::int32_t address, std::uint8_t* destination, std::int32_t n) const;

  // Becomes a deep copy of other (an empty image when other is empty).
  void Assign(const cmcEeprom& other);
  bool IsEqual(const cmcEeprom& other) const { return data_ == other.data_; }
  bool IsDifferent(const cmcEeprom& other) const { return !IsEqual(other); }

  std::span<std::uint8_t> Bytes() { return data_; }
  std::span<const std::uint8_t> Bytes() const { return data_; }

 private:
  bool IsAcceptedBlock(std::int32_t address, std::int32_t n) const;

  std::vector<std::uint8_t> data_;
};
