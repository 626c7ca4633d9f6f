#pragma once
// The document the cell behaviour works on for tessel-cli: the image under the destination in
// force, the English table, the program's default settings and the destination's defaults.
#include "memory/cmcEeprom.h"
#include "sheet/cells/StandaloneCellDocument.h"

class ScriptDocument {
 public:
  // image and events (none for a document that needs no events) must outlive the document.
  explicit ScriptDocument(cmcEeprom& image, cmcEvMan* events = nullptr);

  CellDocument& Document() { return document_; }

 private:
  cmcEeprom defaults_;
  StandaloneCellDocument document_;
};
