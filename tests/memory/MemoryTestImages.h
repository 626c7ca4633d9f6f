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
