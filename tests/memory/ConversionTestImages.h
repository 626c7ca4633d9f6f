#pragma once
// Images and byte helpers for the generation conversion tests.
#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

#include "memory/Generation.h"
#include "memory/GenerationConversion.h"
#include "memory/cmcEeprom.h"

using Bytes = std::vector<std::uint8_t>;

inline cmcEeprom BlankImageOf(int generation) {
  cmcEeprom image;
  PrepareImage(image, generation);
  return image;
}

// Every byte differs from its neighbours and none is 0xFF, so a moved block is told apart
// from a shifted one and from an untouched one.
inline std::uint8_t PatternAt(int address) { return static_cast<std::uint8_t>((address * 7 + address / 251) % 251); }

inline cmcEeprom PatternImageOf(int generation) {
  cmcEeprom image = BlankImageOf(generation);
  for (int address = 0; address < image.GetSize(); ++address) {
    image.SetByte(address, PatternAt(address));
  }
  return image;
}

inline cmcEeprom GarbageImageOf(int generation, std::uint32_t seed) {
  cmcEeprom image = BlankImageOf(generation);
  std::mt19937 random(seed);
  for (std::uint8_t& byte : image.Bytes()) byte = static_cast<std::uint8_t>(random());
  return image;
}

inline void Put(cmcEeprom& image, int address, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) image.SetByte(address + static_cast<int>(i), bytes[i]);
}

inline void PutText(cmcEeprom& image, int address, std::string_view text) {
  Put(image, address, Bytes(text.begin(), text.end()));
}

inline void PutU16(cmcEeprom& image, int address, int value) {
  Put(image, address, {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

inline Bytes Get(const cmcEeprom& image, int address, int length) {
  Bytes bytes;
  for (int i = 0; i < length; ++i) bytes.push_back(image.GetByte(address + i));
  return bytes;
}

inline int GetU16(const cmcEeprom& image, int address) {
  return image.GetByte(address) << 8 | image.GetByte(address + 1);
}

inline Bytes Repeated(std::uint8_t value, int length) { return Bytes(static_cast<std::size_t>(length), value); }

inline Bytes TextBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// A default image whose settings are told apart from every pattern byte (0xFB to 0xFE).
inline cmcEeprom TestDefaults() {
  cmcEeprom defaults = BlankImageOf(3);
  for (int address = 109330; address <= 109342; ++address) {
    defaults.SetByte(address, static_cast<std::uint8_t>(0xFB + address % 4));
  }
  return defaults;
}

inline cmcEeprom Converted(const cmcEeprom& source, int from, int to, const cmcEeprom& defaults = TestDefaults()) {
  cmcEeprom destination;
  ConvertGeneration(destination, source, to, from, defaults);
  return destination;
}

// first, first + 1, ... (below 0xFF, so never taken for a blank byte).
inline Bytes Counting(int first, int length) {
  Bytes bytes;
  for (int i = 0; i < length; ++i) bytes.push_back(static_cast<std::uint8_t>((first + i) % 0xF0));
  return bytes;
}

// A field of a record in both generations' layouts.
struct MovedField {
  const char* field;
  int from;
  int to;
  int length;
};
