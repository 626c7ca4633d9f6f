#pragma once
// The record check findings of a document as tessel-cli lists them: one line per failed
// check, "LIST INDEX FIELD: error|warning (CHECK)".
#include <ostream>

#include "memory/cmcEeprom.h"

struct CheckCounts {
  int errors = 0;
  int warnings = 0;
};

// The image is only read.
CheckCounts ReportFindings(cmcEeprom& document, std::ostream& out);
