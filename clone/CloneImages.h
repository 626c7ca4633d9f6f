#pragma once
// The image a clone write sends, made from the document with the defaults image of the
// current destination and the model settings in force (the radio's option flags). What a
// read brings becomes a document through PrepareLoadedImage, as a file does.
#include <functional>

#include "memory/cmcEeprom.h"

// Merges the fixed defaults into the document (the one change a write makes to it) and
// answers the image to send: a copy, corrected by correct when one is given (the document
// keeps what the user entered), with its list indexes packed.
using WriteImageCorrection = std::function<void(cmcEeprom& image)>;
cmcEeprom PrepareWriteImage(cmcEeprom& document, const cmcEeprom& defaults, const WriteImageCorrection& correct = {});
