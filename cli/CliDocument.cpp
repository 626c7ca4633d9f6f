#include "cli/CliDocument.h"

#include "files/DocumentFile.h"
#include "files/DocumentOpen.h"
#include "files/DocumentSave.h"
#include "files/cmcQmfFile.h"
#include "memory/Generation.h"
#include "memory/LoadedImage.h"

QmfHeaderFacts ReadQmfHeader(const std::string& path, const FileErrorReporter& report) {
  cmcEeprom scratch;
  PrepareImage(scratch, DocumentFile::kNewestGeneration);
  cmcQmfFile file;
  ConfigureDocumentReader(file);
  file.SetImage(scratch);
  file.SetErrorReporter(report);
  QmfHeaderFacts facts;
  facts.code = file.ReadImage(path);
  if (facts.code != FileError::kNone) return facts;
  facts.code = file.CheckCoverage(CloneRangesOf(file.GetGeneration()));
  if (facts.code != FileError::kNone) {
    if (report) report(facts.code);
    return facts;
  }
  facts.generation = file.GetGeneration();
  facts.mapRevision = file.GetMapRevision();
  facts.destination = file.GetDestinationCode();
  return facts;
}

int OpenCliDocument(const std::string& path, const DestinationSession& session, cmcEeprom& image,
                    const FileErrorReporter& report) {
  DocumentOpenResult opened = OpenDocumentFile(path, session.Destination(), session.Converter(), report);
  if (opened.code != FileError::kNone) return opened.code;
  PrepareLoadedImage(opened.image, session.Defaults());
  image = std::move(opened.image);
  return FileError::kNone;
}

int SaveCliDocument(const cmcEeprom& document, const std::string& path, const DestinationSession& session,
                    const CliSaveSettings& settings, const FileErrorReporter& report) {
  return SaveDocumentFile(document, path, {settings.generation, session.Destination(), settings.digest},
                          session.Defaults(), report);
}
