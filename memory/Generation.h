#pragma once
// Facts that depend only on the radio generation: 1 "Vanta", 2 "Vanta II", 3 "Vanta III".
// Every function first normalises its generation: 0 and anything above 3 mean 3.
#include <cstdint>
#include <string>

#include "memory/AddressRange.h"
#include "memory/cmcEeprom.h"

int NormaliseGeneration(int generation);

std::int32_t ImageSizeOf(int generation);

// A blank image of the generation: its size, every byte 0xFF.
void PrepareImage(cmcEeprom& image, int generation);

// The ranges a complete image of the generation consists of for clone and file exchange,
// ended by kAddressRangeEnd.
AddressRangeList CloneRangesOf(int generation);

std::string GenerationName(int generation);

// File dialogs list the generations newest first: position 1 is generation 3.
int GenerationFromListPosition(int position);
int ListPositionOfGeneration(int generation);

// True when the image carries map revision 1 and, if asked, the format signature at the
// generation's identity block. An image too small to hold the block fails.
bool CheckImageIdentity(const cmcEeprom& image, int generation, bool checkSignature);
