#pragma once
// The radio's menu settings that the four set-mode pages show: where each item's value lives
// in the settings block of the image and how it is stored. The cell behaviour of the items
// (AnswerSetModeCell) works from the same table; tessel-cli reads the stored values here.
#include <cstdint>
#include <optional>
#include <string>

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
