#pragma once
// The radio's factory settings: what the setting area (image addresses 109184-110399) of
// every default image holds before the destination's band and broadcast templates are put
// in. A new document written into a radio leaves it as it leaves the factory: no setting
// surprises its user.
#include <cstdint>
#include <span>
#include <string_view>

#include "memory/cmcEeprom.h"

// One set-mode item's factory value. value is the stored byte (a list's entry index, a
// number), written into count bytes from offset (one per band or key for per-element items);
// an item of several bytes of its own (a text, a position) has a pattern instead, repeated
// over its count bytes.
struct FactorySetting {
  static constexpr int kSameEverywhere = -1;

  std::string_view items;  // the item's name as tessel-cli names it; items sharing the bytes
                           // are listed together, separated by ", "
  int offset = 0;          // from the start of the setting area
  int count = 1;
  int value = 0;
  int usValue = kSameEverywhere;  // the US destinations' value where it differs
  std::string_view pattern = {};  // bytes in place of value
  std::string_view reason = {};
};

// Every set-mode item, in the order of the pages; bytes no row names hold 0.
std::span<const FactorySetting> FactorySettings();

// Writes the factory settings of destination code into the setting area of image (full
// size).
void WriteFactorySettings(cmcEeprom& image, std::int32_t code);
