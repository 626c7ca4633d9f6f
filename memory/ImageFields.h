#pragma once
// Reading and writing the field forms of the image: big-endian numbers, bit maps (entry n is
// bit n mod 8 of byte n div 8), fixed texts, packed call signs and positions. Every access
// goes through the image's checked byte operations.
#include <cstdint>

#include "memory/FixedText.h"
#include "memory/GpsPosition.h"
#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

using MemoryMap::Address;

std::uint16_t ReadU16(const cmcEeprom& image, Address address);
void WriteU16(cmcEeprom& image, Address address, std::uint16_t value);
std::uint32_t ReadU32(const cmcEeprom& image, Address address);
void WriteU32(cmcEeprom& image, Address address, std::uint32_t value);

bool ReadBit(const cmcEeprom& image, Address map, int n);
void WriteBit(cmcEeprom& image, Address map, int n, bool set);

// Eight 7-bit characters in 7 bytes, most significant bit first.
CallSignText ReadPackedCallSign(const cmcEeprom& image, Address address);
void WritePackedCallSign(cmcEeprom& image, Address address, const CallSignText& call);

GpsPosition ReadPosition(const cmcEeprom& image, Address address);
void WritePosition(cmcEeprom& image, Address address, const GpsPosition& position);

template <std::size_t N>
FixedText<N> ReadText(const cmcEeprom& image, Address address) {
  FixedText<N> text;
  for (std::size_t i = 0; i < N; ++i) {
    text[i] = static_cast<char>(image.GetByte(address + static_cast<Address>(i)));
  }
  return text;
}

template <std::size_t N>
void WriteText(cmcEeprom& image, Address address, const FixedText<N>& text) {
  for (std::size_t i = 0; i < N; ++i) {
    image.SetByte(address + static_cast<Address>(i), static_cast<std::uint8_t>(text[i]));
  }
}

template <std::size_t N>
std::array<std::uint8_t, N> ReadBytes(const cmcEeprom& image, Address address) {
  std::array<std::uint8_t, N> bytes;
  for (std::size_t i = 0; i < N; ++i) bytes[i] = image.GetByte(address + static_cast<Address>(i));
  return bytes;
}

template <std::size_t N>
void WriteBytes(cmcEeprom& image, Address address, const std::array<std::uint8_t, N>& bytes) {
  for (std::size_t i = 0; i < N; ++i) image.SetByte(address + static_cast<Address>(i), bytes[i]);
}
