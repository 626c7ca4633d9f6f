#pragma once
// The radio's factory settings: what the setting area (image addresses 109184-110399) of
// every default image holds before the destination's band and broadcast templates are put
// in. The same for every destination.
#include "memory/cmcEeprom.h"

// Writes the factory settings into the setting area of image (full size).
void WriteFactorySettings(cmcEeprom& image);
