#include "tools/radio-sim/RadioSimImage.h"

#include "files/DestinationSession.h"
#include "files/DocumentFile.h"
#include "files/DocumentOpen.h"
#include "files/cmcQmfFile.h"
#include "memory/DefaultImages.h"
#include "memory/Generation.h"

cmcEeprom NewRadioImage(int destination) {
  cmcEeprom image;
  image.SetSize(kDefaultImageSize);
  WriteDefaultImage(image, destination);
  return image;
}

int LoadRadioImage(const std::string& path, int destination, cmcEeprom& image) {
  const DestinationSession session(destination);
  DocumentOpenResult opened = OpenDocumentFile(path, destination, session.Converter(), {});
  if (opened.code == FileError::kNone) image = std::move(opened.image);
  return opened.code;
}

int SaveRadioImage(const std::string& path, const cmcEeprom& image, int destination) {
  cmcEeprom copy = image;
  cmcQmfFile file;
  ConfigureDocumentWriter(file, copy, {DocumentFile::kNewestGeneration, destination, true, DocumentComment(copy)});
  return file.WriteImage(path, CloneRangesOf(DocumentFile::kNewestGeneration));
}
