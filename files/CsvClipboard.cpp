#include "files/CsvClipboard.h"

#include <algorithm>

namespace {
constexpr char kTab = '\t';
}  // namespace

std::string ClipboardRowsText(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list,
                              std::uint8_t scope, int firstRow, int rowCount) {
  const auto all = CsvExportRows(image, defaults, list, scope, kTab);
  // Row 0 is the header.
  const auto size = static_cast<int>(all.size());
  const int first = std::clamp(firstRow + 1, 1, size);
  const int last = std::clamp(firstRow + 1 + rowCount, first, size);
  std::vector<std::vector<std::string>> rows{all.front()};
  rows.insert(rows.end(), all.begin() + first, all.begin() + last);
  return CsvRowsText(rows, kTab);
}

CsvImportResult ReadClipboardRows(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                                  std::string_view text) {
  // A pasted repeater list keeps the RPT1 use its rows carry.
  return ImportCsvBytes(
      image, defaults, list, scope, text, [] { return false; }, kTab);
}
