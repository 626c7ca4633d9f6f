#pragma once
// The conversion between the radio's list tables and the program's list order.
//
// The radio keeps the repeater list and the your-call-sign list through order tables, stores
// each distinct repeater gateway once and refers to it from later entries, and keeps GPS and
// broadcast groups as start and slot tables. The program edits the lists with list position
// equal to entry number and per-group counts. Unpack runs on every image that enters the
// program and normalises whatever tables it finds; pack runs on a copy before an image
// leaves the program.
#include "memory/cmcEeprom.h"

void UnpackImage(cmcEeprom& image);
void PackImage(cmcEeprom& image);
