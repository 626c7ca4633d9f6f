#pragma once
// CSV import and export of one list, as the window's File menu and tessel-cli run them: the
// list a page shows, the file written atomically, and an import that changes the document
// only when it stored rows (an import that stores nothing leaves even the list it would have
// cleared as it was).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/CsvListFormat.h"

class cmcEeprom;
class cmcGTex;

// The layouts a file is written in: the program's own, one per list, or the generic channel
// layout of other programming tools (memory channels only). An import recognises the layout
// by the file's header.
enum class CsvLayout { kTessel, kGeneric };

// The CSV list of a page by its sheet number in the navigation tree; none for pages without.
std::optional<CsvList> CsvListOfSheet(int sheetNumber);

// The header and the rows of the scope, each as its fields, in the image's number and date
// forms (the separator matters only to the field forms that avoid it).
std::vector<std::vector<std::string>> CsvExportRows(const cmcEeprom& image, const cmcEeprom& defaults,
                                                    const CsvList& list, std::uint8_t scope, char separator);
// Rows joined by the separator, CR LF after every line, fields that hold the separator, a
// quote or a line break quoted with their quotes doubled.
std::string CsvRowsText(const std::vector<std::vector<std::string>>& rows, char separator);

// The file's bytes: the header and the rows of the scope, CR LF after every line, fields that
// hold the separator, a quote or a line break quoted; in code page 932 and the document's CSV
// format, or for the generic layout in UTF-8 without a byte-order mark, "," and ".". The
// image is read from a copy with the fixed defaults merged, as it would be saved. A value the
// layout cannot carry is written as near as it can be and noted in warnings (when given).
std::string CsvExportText(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                          CsvLayout layout = CsvLayout::kTessel, std::vector<std::string>* warnings = nullptr);
// Writes CsvExportText through the atomic save; false when the file could not be written
// (the target then keeps what it held).
bool ExportCsvFile(const cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                   const std::string& path, CsvLayout layout = CsvLayout::kTessel,
                   std::vector<std::string>* warnings = nullptr);
// Whether a list can be written in a layout.
bool WritesLayout(CsvListKind kind, CsvLayout layout);

enum class CsvImportStatus {
  kOpenError,    // the file could not be read (missing, unreadable, too large)
  kIllegalData,  // the header is of no layout the list reads, or the list takes no import
  kRead,         // the rows were read
};

struct CsvImportResult {
  CsvImportStatus status = CsvImportStatus::kOpenError;
  CsvImportTally tally;
  bool packed = false;   // the messages of the packed lists apply
  bool changed = false;  // rows were stored and the image took them
  std::string refusal;   // why a file of illegal data was refused whole, when there is more to say
};

// Imports a file into image (defaults: the defaults image of the destination). The rows go
// into a copy first; the image takes the copy, with the fixed defaults merged, only when at
// least one row was stored. Memory channels and repeater groups also read the generic
// channel layout, recognised by its header.
CsvImportResult ImportCsvFile(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                              const std::string& path, const KeepRpt1UseQuestion& keepRpt1Use);
// The same for the bytes of a file; separator 0 takes the image's own.
CsvImportResult ImportCsvBytes(cmcEeprom& image, const cmcEeprom& defaults, const CsvList& list, std::uint8_t scope,
                               std::string_view bytes, const KeepRpt1UseQuestion& keepRpt1Use, char separator = 0);

// The text keys of the messages an import ends with, in the order they are shown.
std::vector<std::string> ImportMessageKeys(const CsvImportResult& result);

// The texts of those messages, the last followed by the reason of a refusal or by the row
// notes (the first ten).
std::vector<std::string> ImportMessages(const CsvImportResult& result, cmcGTex& texts);

// "Line n: reason" for the first `limit` notes (refused rows first), and how many more.
std::string RowNotesText(const CsvImportTally& tally, std::size_t limit);

// Whether a File menu entry of import or export shows and can be chosen on the page of
// sheetNumber (the entries CL_Menu_File_Import ... CL_Menu_File_Export_SubMenu_All): the
// plain entries for lists without groups, the sub-menus with their All entry and the Group
// or Bank entry for lists with groups; an export needs something to write.
struct CsvMenuState {
  bool visible = false;
  bool enabled = false;
};
CsvMenuState CsvMenuItemState(unsigned cellId, int sheetNumber, const cmcEeprom& image);
// The list and scope an import or export entry works on; none on a page without a list.
std::optional<std::pair<CsvList, std::uint8_t>> CsvTargetOfSheet(int sheetNumber, bool all);
