#pragma once
// Opening a clone image file as a document: read it into a blank work image, check the
// image's identity block and that it covers exactly the generation's exchanged range, cut
// it to the generation's size, convert it to generation 3, and compare the destination it
// names with the current one. The window's Open command, the initial setup from a file and
// the command-line program all open files this way.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "files/FileError.h"
#include "memory/cmcEeprom.h"

// Converts source, an image of sourceGeneration, into destination as an image of
// targetGeneration; source is never changed.
using GenerationConverter =
    std::function<void(cmcEeprom& destination, const cmcEeprom& source, int targetGeneration, int sourceGeneration)>;

struct DocumentOpenResult {
  int code = FileError::kFileOpen;  // 0 when the document opened
  // What the file's header lines said, once the file was read.
  int generation = 0;
  int destination = 0;          // the destination code its "Etc Data" value names
  std::uint32_t extraData = 0;  // its "Etc Data" value
  // True when the file names a destination other than the current one; a file without a
  // destination (16) never differs.
  bool destinationDiffers = false;
  cmcEeprom image;  // the content as a generation-3 image, when opened
};

// Each failure is reported once through report (which may be empty) and answered with its
// code; then image is empty. convert must be given.
DocumentOpenResult OpenDocumentFile(const std::string& path, int currentDestination, const GenerationConverter& convert,
                                    const FileErrorReporter& report);
DocumentOpenResult OpenDocumentBytes(std::span<const char> bytes, int currentDestination,
                                     const GenerationConverter& convert, const FileErrorReporter& report);
