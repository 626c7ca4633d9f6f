#pragma once
// The automatic correction of a document before it is saved for the radio or written to it:
// what the record checks of the current destination reject is replaced, blanked or removed,
// so that the radio never receives a setting it refuses.
//
// Removing a list entry moves the later entries up one position and gives the freed last
// position the list's new-entry template, keeping the list's counts and the remembered
// repeater position in step.
#include "memory/cmcEeprom.h"

// image is a generation-3, unpacked document; defaults the defaults image of the current
// destination, whose channel of the same number replaces a rejected channel. Answers true
// when a list entry was removed.
bool CorrectImage(cmcEeprom& image, const cmcEeprom& defaults);
