#pragma once
// Moving a frequency onto the nearest point of the rasters the radio can store: 5 kHz,
// 6.25 kHz and, where allowed, 8.33 kHz (25 kHz / 3). Every frequency entered or imported
// passes through it.
#include "memory/DestinationTables.h"

// The nearest raster point to f within its 50 kHz block; on equal distance 5 kHz wins over
// 6.25 kHz, and 6.25 kHz over 8.33 kHz.
Hertz SnapFrequency(Hertz f, bool allow8_33kHz);

// The band rule: the 8.33 kHz raster belongs to the air band (band number 0) only. Offsets
// follow the band of their channel's frequency.
bool Allows8p33kHzRaster(Hertz channelFrequency);

// SnapFrequency under the band rule of f itself.
Hertz SnapChannelFrequency(Hertz f);
