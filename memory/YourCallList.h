#pragma once
// The your-call-sign list: entries 0 to YourCallCount - 1 are in use. Look-ups answer
// kNoYourCall when nothing matches; what an entry stores is read through datCh.h.
#include "memory/FixedText.h"
#include "memory/cmcEeprom.h"

// The count of the program-side extension, clamped to 0-200.
int YourCallCount(const cmcEeprom& image);
void SetYourCallCount(cmcEeprom& image, int count);

int FindYourCallByName(const cmcEeprom& image, const NameText& name);
// Exact 8-character match.
int FindYourCall(const cmcEeprom& image, const CallSignText& call);
// First 7 characters equal and the eighth equal or a space in the entry; a call sign that
// starts with "/" or is blank finds nothing.
int FindYourCallLoose(const cmcEeprom& image, const CallSignText& call);
