#pragma once
// The simulated radio's memory: the default image of a new document, or the content of a
// clone image file; and what a write delivered, saved as a clone image file. Images stay as
// the radio holds them (list indexes packed), generation 3.
#include <string>

#include "memory/cmcEeprom.h"

// The memory of a radio of destination code 0-15 fresh from the factory.
cmcEeprom NewRadioImage(int destination);

// Reads a clone image file of any generation into image, converted to generation 3. Answers
// the file error code (0 when read); image is unchanged on failure.
int LoadRadioImage(const std::string& path, int destination, cmcEeprom& image);

// Writes image as a generation-3 clone image file of the destination, with a digest line.
// Answers the file error code (0 when written).
int SaveRadioImage(const std::string& path, const cmcEeprom& image, int destination);
