#pragma once
// The single steps between neighbouring generations. Each step builds target from scratch
// (a blank image of the target generation) out of source, which has its own generation's
// size and is never changed. defaults is the default image of the current destination; the
// steps up read a few settings from it that the older generation lacks, the steps down
// ignore it.
#include "memory/cmcEeprom.h"

using ConversionStep = void (*)(const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target);

void ConvertStep1To2(const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target);
void ConvertStep2To3(const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target);
void ConvertStep3To2(const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target);
void ConvertStep2To1(const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target);
