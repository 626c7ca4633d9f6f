#pragma once
// Saving a document as a clone image file, the same way for the window and the command-line
// program: a packed copy of the document, converted to the file's generation, written with
// the document's comment through the save that never destroys a good file.
#include <string>

#include "files/DocumentFile.h"
#include "files/FileError.h"
#include "memory/cmcEeprom.h"

struct DocumentSaveSettings {
  int generation = DocumentFile::kNewestGeneration;
  int destination = 0;  // 0-16
  bool digest = true;   // set when the radio may load the file
};

// What a file of generation holds for document (a generation-3, unpacked image): a packed
// copy converted to that generation with the destination's defaults image.
cmcEeprom DocumentFileImage(const cmcEeprom& document, int generation, const cmcEeprom& defaults);

// Writes document to path; the document is not changed. Answers the file error code, which
// is reported once through report; on failure the target keeps its old bytes.
int SaveDocumentFile(const cmcEeprom& document, const std::string& path, const DocumentSaveSettings& settings,
                     const cmcEeprom& defaults, const FileErrorReporter& report);
