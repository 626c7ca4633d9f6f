#pragma once
// The automatic correction of a document before it is saved for the radio or written to it:
// what the record checks of the current destination reject is replaced, blanked or removed,
// so that the radio never receives a setting it refuses.
//
// A rejected list entry is removed the way a user's Delete removes it (ListEntries.h): the
// later entries move up, and the list's counts and the references into it stay in step.
#include "memory/cmcEeprom.h"

// image is a generation-3, unpacked document; defaults the defaults image of the current
// destination, whose channel of the same number replaces a rejected channel. Answers true
// when a list entry was removed.
bool CorrectImage(cmcEeprom& image, const cmcEeprom& defaults);
