#pragma once
// The switch behind the "use all as RPT1" commands of the repeater list sheets.
#include "memory/cmcEeprom.h"

// Sets (on) or clears the RPT1-use flag of the used repeater entries at list positions
// first to last (inclusive; positions outside the list are passed over). An entry is given
// the flag only when it can serve as an access repeater: a frequency that is not 0, inside
// the repeater bands, allowed for the current destination and above the air band, and a
// duplex that fits the entry type (DV Repeater: a duplex; DV Simplex: none; FM entries:
// either). Other entries keep their flag. Answers the number of entries changed; the caller
// refreshes the sheet.
int SetRepeaterUse(bool on, cmcEeprom& image, int first, int last);
