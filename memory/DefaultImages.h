#pragma once
// The memory image a new document starts from, one per destination: memory channels 0 (VHF)
// and 1 (UHF), three program scan edge pairs and the four call channels in use, every name
// area blank, the factory settings, the destination's band and broadcast templates, and the
// image's identity. Everything else is 0xFF, as in a radio cleared to its factory state.
#include <array>
#include <cstdint>

#include "memory/DestinationTables.h"
#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

// A default image covers the exchanged range.
inline constexpr std::int32_t kDefaultImageSize = MemoryMap::kExchangedEnd + 1;

struct DefaultChannel {
  Hertz frequency;
  Hertz offset;
  std::uint8_t tuningStep;
};

struct DestinationDefaults {
  DefaultChannel vhf;                       // channel 0, band template 1, call channels 0 and 1
  DefaultChannel uhf;                       // channel 1, band template 2, call channels 2 and 3
  std::array<FrequencyRange, 3> scanEdges;  // pairs 0 (whole range), 1 (VHF), 2 (UHF)
  Hertz fmBroadcastTemplate;
};

// The defaults of a destination; codes outside 0-15 take those of destination 0.
const DestinationDefaults& DefaultsOf(std::int32_t code);

// Writes the default image of the destination (codes outside 0-15: destination 0) over
// addresses 0 to kDefaultImageSize - 1 of image, which must be at least that large.
void WriteDefaultImage(cmcEeprom& image, std::int32_t code);

// The defaults image of the current destination, from which new documents are copied and
// templates are read: a blank image of the program's size holding the default image, the
// program-side extension (band and broadcast templates, free bank tables), the lists
// unpacked and the fixed defaults merged.
void BuildDefaultsImage(cmcEeprom& defaults);
