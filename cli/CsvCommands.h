#pragma once
// The CSV commands of tessel-cli: which list and scope the arguments name, and the export and
// import of that list through the window's engine, with its messages on standard error.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "files/CsvTransfer.h"

class cmcEeprom;

struct CsvTarget {
  CsvList list;
  std::uint8_t scope = kCsvScopeAll;
};

// The list names ("memory", "repeaters", ...) and scopes ("all", "group:N", "bank:X") that
// "tessel-cli export --help" describes; none with error set when they do not fit. The memory
// list needs its scope: a page, or "all" for the whole memory.
std::optional<CsvTarget> ParseCsvTarget(const std::string& list, const std::optional<std::string>& scope,
                                        std::string& error);

// The layout "--layout" names ("tessel", the default, or "generic"); none with error set when
// it is unknown or the list is not written in it.
std::optional<CsvLayout> ParseCsvLayout(const std::optional<std::string>& layout, const CsvTarget& target,
                                        std::string& error);

// Writes the list to path in the layout, each value the layout could not carry as a warning
// on err; the exit status (0, or 2 after the message on err).
int ExportCsvList(const cmcEeprom& document, const cmcEeprom& defaults, const CsvTarget& target, CsvLayout layout,
                  const std::string& path, std::ostream& err);

enum class CsvImportOutcome {
  kFileError,  // nothing was imported; the document is as it was
  kImported,   // rows were stored
  kRefused,    // rows were stored, and some rows were refused
};

// Imports path into the document; the messages and every row note go to err.
CsvImportOutcome ImportCsvList(cmcEeprom& document, const cmcEeprom& defaults, const CsvTarget& target,
                               const std::string& path, std::ostream& err);
