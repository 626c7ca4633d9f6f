#pragma once
// The set-mode items in the order the Digital, GPS, Common and A/B Band pages show them for
// the document's destination, each with the caption of its row.
#include <string>
#include <string_view>
#include <vector>

class CellDocument;

struct SetModeRow {
  std::string_view page;  // "Digital", "GPS", "Common", "AB_Band"
  std::string sheetName;  // the full sheet name the navigation tree opens
  unsigned cellId = 0;
  int index = 0;
  std::string label;  // the row's caption in the document's text table
};

std::vector<SetModeRow> SetModeRows(CellDocument& document);
