#pragma once
// One data line of a clone image file. Its text is the hexadecimal form of its binary form:
// 4 address bytes (big-endian), the byte count n and n data bytes. The file digest is taken
// over the binary forms, so both views are kept as one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class QmfDataLine {
 public:
  static constexpr std::size_t kHeaderSize = 5;
  static constexpr std::size_t kMaxCount = 255;
  // Text lengths a reader accepts: address, count and 1 to 255 data bytes.
  static constexpr std::size_t kMinTextLength = 12;
  static constexpr std::size_t kMaxTextLength = 2 * (kHeaderSize + kMaxCount);

  // Takes the line's text without its line end. False (content unspecified) unless the text
  // has 12 to 520 hexadecimal digits of either case and its length is 10 + 2n for the count n.
  bool Parse(std::string_view text);

  // Becomes the line for data at address; data holds 1 to 255 bytes (fatal otherwise).
  void Assign(std::uint32_t address, std::span<const std::uint8_t> data);

  std::uint32_t Address() const;
  std::size_t Count() const { return binary_[4]; }
  std::span<const std::uint8_t> Data() const { return {binary_.data() + kHeaderSize, Count()}; }
  std::span<const std::uint8_t> BinaryForm() const { return {binary_.data(), kHeaderSize + Count()}; }

  // Appends the upper-case text, without a line end.
  void AppendText(std::string& out) const;

 private:
  std::array<std::uint8_t, kHeaderSize + kMaxCount> binary_{};
};
