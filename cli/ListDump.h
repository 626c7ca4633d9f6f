#pragma once
// The decoded records of one list of an opened document: as a readable table or as a JSON
// array with one object per entry. The lists and their keys are those "tessel-cli dump
// --help" describes.
#include <ostream>
#include <string_view>

#include "memory/cmcEeprom.h"

bool IsDumpList(std::string_view list);
// list must be one IsDumpList accepts.
void DumpList(cmcEeprom& image, std::string_view list, bool json, std::ostream& out);
