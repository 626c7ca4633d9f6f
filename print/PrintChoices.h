#pragma once
// What the Print All dialog offers first: bank channels when a channel in a bank could be
// printed as one (used, in a bank, at most 479 MHz), all memory channels otherwise.
#include "sheet/layout/SheetModel.h"

class cmcEeprom;

PrintAllChoices InitialPrintAllChoices(cmcEeprom& image);
