#include "files/DocumentFile.h"

#include <array>

#include "files/cmcQmfFile.h"
#include "memory/EtcData.h"
#include "memory/MemoryMap.h"

namespace {

bool IsDocumentGeneration(int generation) {
  return generation >= DocumentFile::kOldestGeneration && generation <= DocumentFile::kNewestGeneration;
}

bool AcceptDocumentExtraData(std::uint32_t extraData, int& destinationCode) {
  const auto fields = UnpackEtcData(extraData);
  if (!fields || fields->destination > DocumentFile::kNoDestination) return false;
  destinationCode = fields->destination;
  return true;
}

}  // namespace

void ConfigureDocumentReader(cmcQmfFile& file) {
  file.SetModelCode(DocumentFile::kModelCode);
  file.SetGeneration(DocumentFile::kNewestGeneration);
  file.SetDigest(false, DocumentFile::kDigestSeed);
  file.SetRevisionCheck(IsDocumentGeneration);
  file.SetMapRevisionCheck([](int revision) { return revision == DocumentFile::kMapRevision; });
  file.SetExtraDataCheck(AcceptDocumentExtraData);
}

void ConfigureDocumentWriter(cmcQmfFile& file, cmcEeprom& image, const DocumentWriteSettings& settings) {
  file.SetImage(image);
  file.SetModelCode(DocumentFile::kModelCode);
  file.SetGeneration(settings.generation);
  file.SetLineSize(DocumentFile::kLineSize);
  file.SetDigest(settings.digest, DocumentFile::kDigestSeed);
  file.SetMapRevision(DocumentFile::kMapRevision);
  file.SetExtraData(PackEtcData(settings.destination, false));
  file.SetComment(settings.comment);
}

std::string DocumentComment(const cmcEeprom& image) {
  std::array<std::uint8_t, MemoryMap::kNameLength> bytes{};
  if (!image.ReadBlock(MemoryMap::kImageComment, bytes.data(), MemoryMap::kNameLength)) return {};
  std::string comment;
  for (const std::uint8_t byte : bytes) {
    comment.push_back(byte >= 32 && byte <= 126 ? static_cast<char>(byte) : ' ');
  }
  comment.erase(comment.find_last_not_of(' ') + 1);
  return comment;
}
