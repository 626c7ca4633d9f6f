#pragma once
// Documents as the command-line program opens and saves them: the way the window does, under
// the destination the file names (or the one given) instead of the window's settings.
#include <optional>
#include <string>

#include "files/DestinationSession.h"
#include "files/FileError.h"
#include "memory/cmcEeprom.h"

// What a file's header says, after the document reader accepted the whole file and found it
// covers exactly its generation's exchanged range.
struct QmfHeaderFacts {
  int code = FileError::kFileOpen;  // 0 when the file was read
  int generation = 0;
  int mapRevision = 0;
  int destination = 0;
};

QmfHeaderFacts ReadQmfHeader(const std::string& path, const FileErrorReporter& report);

// Opens path as a generation-3 document of the session's destination, unpacked and with the
// fixed defaults merged. Answers the file error code; image is only set on success.
int OpenCliDocument(const std::string& path, const DestinationSession& session, cmcEeprom& image,
                    const FileErrorReporter& report);

struct CliSaveSettings {
  int generation = 3;
  bool digest = true;
};

// Saves a document of the session's destination as a file of the chosen generation: a
// packed copy, converted, written with the document's comment. The document is not changed;
// on failure the target keeps its old bytes.
int SaveCliDocument(const cmcEeprom& document, const std::string& path, const DestinationSession& session,
                    const CliSaveSettings& settings, const FileErrorReporter& report);
