#pragma once
// Rows of a list as tab-separated text for the system clipboard, and such text read back:
// the CSV layout of the list with a tab for the separator, so a text editor or spreadsheet
// sees the columns of an export and a pasted text passes the checks of an import.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/CsvTransfer.h"

// The header and the export rows firstRow .. firstRow + rowCount - 1 of the scope (rows
// counted as the export writes them), in the program's code page.
std::string ClipboardRowsText(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list,
                              std::uint8_t scope, int firstRow, int rowCount);

// Imports the text into the scope of image as a tab-separated file; the image changes only
// when a row was stored. Used on a scratch copy, from which a paste takes the records.
CsvImportResult ReadClipboardRows(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                                  std::string_view text);
