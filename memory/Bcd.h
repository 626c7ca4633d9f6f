#pragma once
// Binary-coded decimal and nibble helpers for image fields.
#include <cstddef>
#include <cstdint>
#include <span>

// Nibble n of bytes: byte n / 2, the high nibble for even n. n must lie inside bytes.
std::uint8_t NibbleOf(std::span<const std::uint8_t> bytes, std::size_t n);

// The decimal value of BCD bytes, most significant byte first. Digits above 9 count with
// their nibble value, as the radio's own arithmetic does; callers that must reject them
// test IsValidBcd first. At most 9 bytes (18 digits) are meaningful.
std::uint64_t BcdToInt(std::span<const std::uint8_t> bytes);

// Writes value into bytes as BCD, most significant byte first; digits that do not fit are
// dropped from the top.
void IntToBcd(std::uint64_t value, std::span<std::uint8_t> bytes);

// True when every byte is below 0xA0 and has a low nibble of at most 9.
bool IsValidBcd(std::span<const std::uint8_t> bytes);
