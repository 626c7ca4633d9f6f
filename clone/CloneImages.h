#pragma once
// The images at both ends of a clone session: what a document becomes when a read has
// brought the radio's memory, and what a write sends. Both use the defaults image of the
// current destination and the model settings in force (the radio's option flags).
#include <functional>

#include "memory/cmcEeprom.h"

// Makes the image a read received (the program's full size, the radio's memory at its
// start) a document: the program-side templates from defaults, the list indexes unpacked,
// the fixed defaults merged.
void AdoptReadImage(cmcEeprom& image, const cmcEeprom& defaults);

// Merges the fixed defaults into the document (the one change a write makes to it) and
// answers the image to send: a copy, corrected by correct when one is given (the document
// keeps what the user entered), with its list indexes packed.
using WriteImageCorrection = std::function<void(cmcEeprom& image)>;
cmcEeprom PrepareWriteImage(cmcEeprom& document, const cmcEeprom& defaults,
                            const WriteImageCorrection& correct = {});
