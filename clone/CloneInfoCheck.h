#pragma once
// The checks of what a radio reported, made when a session has ended without a fault of its
// own: whether the radio that answered is one this program may clone, and whether a read
// image is a memory image of this radio.
#include <cstdint>
#include <span>

#include "memory/cmcEeprom.h"

// What the program expects of the radio that answers an information request.
struct CloneInfoExpectation {
  std::uint16_t modelWord = 0;
  std::uint16_t generation = 0;
  // The first session of a command learns the radio's destination instead of comparing it.
  bool firstPass = true;
  std::int32_t currentDestination = 16;  // 16: none known yet
  // False while the initial setup runs: then any destination is taken.
  bool mainWindowVisible = true;
};

// The result code for the words and information bytes of a successful information reply:
// 0 when the radio passes; 5 another model (answered like silence), 14 another generation, a
// block of an unknown format or a destination above 15, 11 a block of the wrong length, 13 a
// destination other than the current one.
int CheckCloneInformation(std::uint16_t wordA, std::uint16_t wordB, std::span<const std::uint8_t> information,
                          const CloneInfoExpectation& expected);

// The result code for the image of a successful read: 0 when its identity block carries the
// map revision and format signature of the newest generation, 15 otherwise.
int CheckReadImage(const cmcEeprom& image);
