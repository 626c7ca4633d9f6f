#include "files/DocumentSave.h"

#include "files/cmcQmfFile.h"
#include "memory/Generation.h"
#include "memory/GenerationConversion.h"
#include "memory/ListPacking.h"

cmcEeprom DocumentFileImage(const cmcEeprom& document, int generation, const cmcEeprom& defaults) {
  cmcEeprom packed = document;
  PackImage(packed);
  cmcEeprom image;
  ConvertGeneration(image, packed, generation, DocumentFile::kNewestGeneration, defaults);
  return image;
}

int SaveDocumentFile(const cmcEeprom& document, const std::string& path, const DocumentSaveSettings& settings,
                     const cmcEeprom& defaults, const FileErrorReporter& report) {
  cmcEeprom image = DocumentFileImage(document, settings.generation, defaults);
  cmcQmfFile file;
  ConfigureDocumentWriter(file, image,
                          {settings.generation, settings.destination, settings.digest, DocumentComment(document)});
  file.SetErrorReporter(report);
  return file.WriteImage(path, CloneRangesOf(settings.generation));
}
