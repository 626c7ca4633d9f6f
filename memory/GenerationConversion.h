#pragma once
// Conversion of memory images between the radio generations. The program edits only
// current-generation images; older ones are converted when a file is opened and when the
// document is saved in an older generation's format.
#include "memory/cmcEeprom.h"

// Makes destination the image of targetGeneration that holds what the target layout can of
// source, an image of sourceGeneration. Both generations are normalised first; equal
// generations copy the source. Otherwise the chain of single steps runs one generation at a
// time on work copies; source is never changed (destination may be source itself). defaults is the
// default image of the current destination: the steps up take the settings the older generation
// lacks from it, and leave those bytes as they find them where defaults does not hold them.
//
// There is no failure: every byte of source is data, never an index that is followed
// unchecked, and a source whose size is not its generation's is read as that size (bytes it
// lacks are blank, 0xFF; bytes beyond are ignored).
void ConvertGeneration(cmcEeprom& destination, const cmcEeprom& source, int targetGeneration, int sourceGeneration,
                       const cmcEeprom& defaults);
