#pragma once
// tessel-cli sort: the list and scope of the CSV commands sorted as the window's Edit > Sort
// sorts a page.
#include <string>

#include "cli/CsvCommands.h"
#include "memory/ListSort.h"

class cmcEeprom;

// Sorts the memory channel page, the bank, the repeater or GPS group (each group on its own
// for the whole list) or the your-call list the target names, and rebuilds the bank tables.
// False with error set, the document unchanged, for a list that does not sort or a key its
// entries lack.
bool SortCliList(cmcEeprom& document, const CsvTarget& target, SortOrder order, std::string& error);
