#pragma once
// What differs between two documents as their pages show it: every list page of the
// navigation tree (memory channels, scan edges and names, call channels, bank names, scan
// links, broadcast memories and groups, DTMF memories, your and my call signs, messages,
// repeaters and groups, call records, GPS memories and groups) and every set-mode item, field
// by field, in the texts the cells show. Bank pages are left out: a channel's bank and bank
// slot are fields of the channel.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CellDocument;

struct FieldDifference {
  std::string_view list;     // "memory", "repeaters", "settings", ... (the names of dump)
  std::optional<int> index;  // the entry's number in its list; none for settings
  std::string entry;         // the entry as a user reads it: "channel 12", "bank A", "Common"
  std::string field;         // "frequency", "name", or a set-mode item ("AutoPowerOFF", "Squelch:1")
  std::string before;        // the cell's text in the first document (program code page)
  std::string after;         // and in the second
};

// The differences in page order, each field once. Both documents must use the same text
// table and have an event manager (a page answers its list's range through it, as an open
// sheet does; no timer needs to run); their images are only read.
std::vector<FieldDifference> DocumentDifferences(CellDocument& before, CellDocument& after);

// The differences in a few words: how many entries of each list differ, lists in the order of
// their first difference ("12 channels, 2 settings"); settings count by item. Empty when
// there are none.
std::string DifferenceSummary(const std::vector<FieldDifference>& differences);

// Whether the differences take in the page a tree sheet name opens.
bool IsComparedSheet(std::string_view sheetName);

// The field name a list page's cell identifier is compared under; empty for the cells that
// only number the rows.
std::string_view DifferenceFieldOf(unsigned cellId);
