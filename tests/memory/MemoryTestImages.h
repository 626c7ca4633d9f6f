#pragma once
// Images for the memory model tests.
#include <cstdint>
#include <random>

#include "memory/Generation.h"
#include "memory/cmcEeprom.h"

// A blank generation-3 image: every byte 0xFF.
inline cmcEeprom BlankImage() {
  cmcEeprom image;
  PrepareImage(image, 3);
  return image;
}

// A generation-3 image of random bytes.
inline cmcEeprom GarbageImage(std::uint32_t seed) {
  cmcEeprom image = BlankImage();
  std::mt19937 random(seed);
  for (std::uint8_t& byte : image.Bytes()) byte = static_cast<std::uint8_t>(random());
  return image;
}

// The first address at which two images differ; -1 when they are equal.
inline std::int32_t FirstDifference(const cmcEeprom& a, const cmcEeprom& b) {
  if (a.GetSize() != b.GetSize()) return 0;
  for (std::int32_t address = 0; address < a.GetSize(); ++address) {
    if (a.GetByte(address) != b.GetByte(address)) return address;
  }
  return -1;
}
