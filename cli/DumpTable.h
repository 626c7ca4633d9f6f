#pragma once
// The output of "tessel-cli dump": entries of named fields, written as a JSON array with one
// object per entry or as a tab-separated table with the keys as its first row.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "memory/cmcEeprom.h"

// One decoded field: its JSON value and its table text.
struct DumpField {
  std::string_view key;
  std::string json;
  std::string plain;
};

using DumpEntry = std::vector<DumpField>;

void WriteDumpEntries(const std::vector<DumpEntry>& entries, bool json, std::ostream& out);

// The set-mode items of a document under the destination in force, page by page.
std::vector<DumpEntry> SettingEntries(cmcEeprom& image);
