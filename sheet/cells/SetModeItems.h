#pragma once
// The radio's menu settings that the four set-mode pages show: where each item's value lives
// in the settings block of the image, how it is stored, and the rows the pages show the items
// in. The cell behaviour of the items (AnswerSetModeCell) works from the same table;
// tessel-cli and the comparison of two documents walk the rows and read the stored values here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CellDocument;

// The elements of an item: 1 for a single setting, 2 for the per-band items (A, B), 4 for
// the remote microphone keys; 0 for an identifier that is no set-mode item.
int SettingElementCount(unsigned cellId);

// An item's stored value: a number (a byte, a 16- or 32-bit field, the bits of a bank link)
// or a text (text fields, symbols); none where the item stores nothing for the document's
// destination or the element is outside the item. Positions have no plain form: their value
// is the text the cell shows.
struct StoredSetting {
  std::optional<long long> number;
  std::optional<std::string> text;  // the field's bytes, trailing blanks removed
  bool shownTextIsValue = false;
};
StoredSetting ReadStoredSetting(CellDocument& document, unsigned cellId, int index);

// What an item takes as typed text, in words (English), for messages about text it refused.
std::string SettingTypedInput(unsigned cellId);

// The set-mode items in the order the Digital, GPS, Common and A/B Band pages show them for
// the document's destination, each with the caption of its row.
struct SetModeRow {
  std::string_view page;  // "Digital", "GPS", "Common", "AB_Band"
  std::string sheetName;  // the full sheet name the navigation tree opens
  unsigned cellId = 0;
  int index = 0;
  std::string label;  // the row's caption in the document's text table
};

std::vector<SetModeRow> SetModeRows(CellDocument& document);
