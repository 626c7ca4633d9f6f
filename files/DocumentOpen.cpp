#include "files/DocumentOpen.h"

#include <algorithm>

#include "files/DocumentFile.h"
#include "files/cmcQmfFile.h"
#include "memory/Generation.h"
#include "platform/Fatal.h"

namespace {

using FileRead = std::function<int(cmcQmfFile&)>;

DocumentOpenResult Failed(DocumentOpenResult result, int code, const FileErrorReporter& report) {
  result.code = code;
  if (report) report(code);
  return result;
}

// The first size-of-generation bytes of the work image.
cmcEeprom CutToGeneration(const cmcEeprom& work, int generation) {
  cmcEeprom image;
  image.SetSize(ImageSizeOf(generation));
  image.WriteBlock(0, work.Bytes().data(), std::min(image.GetSize(), work.GetSize()));
  return image;
}

DocumentOpenResult OpenDocument(const FileRead& read, int currentDestination, const GenerationConverter& convert,
                                const FileErrorReporter& report) {
  if (!convert) Fatal("No generation converter (OpenDocument).");
  cmcEeprom work;
  work.SetSize(ImageSizeOf(DocumentFile::kNewestGeneration));
  cmcQmfFile file;
  ConfigureDocumentReader(file);
  file.SetImage(work);
  file.SetErrorReporter(report);

  DocumentOpenResult result;
  result.code = read(file);
  if (result.code != FileError::kNone) return result;
  result.generation = file.GetGeneration();
  result.destination = file.GetDestinationCode();
  result.extraData = file.GetExtraData();

  if (!CheckImageIdentity(work, result.generation, true)) {
    return Failed(std::move(result), FileError::kData, report);
  }
  if (const int code = file.CheckCoverage(CloneRangesOf(result.generation)); code != FileError::kNone) {
    return Failed(std::move(result), code, report);
  }
  convert(result.image, CutToGeneration(work, result.generation), DocumentFile::kNewestGeneration, result.generation);
  result.destinationDiffers =
      result.destination != DocumentFile::kNoDestination && result.destination != currentDestination;
  return result;
}

}  // namespace

DocumentOpenResult OpenDocumentFile(const std::string& path, int currentDestination, const GenerationConverter& convert,
                                    const FileErrorReporter& report) {
  return OpenDocument([&](cmcQmfFile& file) { return file.ReadImage(path); }, currentDestination, convert, report);
}

DocumentOpenResult OpenDocumentBytes(std::span<const char> bytes, int currentDestination,
                                     const GenerationConverter& convert, const FileErrorReporter& report) {
  return OpenDocument([&](cmcQmfFile& file) { return file.ReadImageFrom(bytes); }, currentDestination, convert, report);
}
