#pragma once
// tessel-cli's side of the set-mode items: changing them by name as typing into the window
// would (the listing is the "settings" list of dump, cli/DumpTable.h).
#include <ostream>
#include <string>
#include <vector>

#include "memory/cmcEeprom.h"

// Applies ITEM[:INDEX]=TEXT assignments in order to a document under the destination in
// force, through the cell behaviour of the set-mode pages. The first assignment refused
// ends the run with a message naming the item and what it accepts; false then, and the
// image must be dropped.
bool ApplySettings(cmcEeprom& image, const std::vector<std::string>& assignments, std::ostream& err);
