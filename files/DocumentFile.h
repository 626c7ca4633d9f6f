#pragma once
// How the document commands set up clone image files: the model code and digest seed of this
// radio family, map revision 1, 32-byte data lines, and the header checks a file must pass
// before its content is taken.
#include <cstdint>
#include <string>
#include <string_view>

#include "memory/cmcEeprom.h"

class cmcQmfFile;

namespace DocumentFile {
inline constexpr int kModelCode = 0x3390;
inline constexpr std::string_view kDigestSeed = "581024776143";
inline constexpr int kMapRevision = 1;
inline constexpr int kLineSize = 32;
// Generations a file may carry, and the destination code that stands for none.
inline constexpr int kOldestGeneration = 1;
inline constexpr int kNewestGeneration = 3;
inline constexpr int kNoDestination = 16;
}  // namespace DocumentFile

// Model code, generation 3, the digest seed and the checks: a generation from 1 to 3, map
// revision 1, and an "Etc Data" value with valid check bits whose destination code is 0 to
// 16 (the code it names is the destination found).
void ConfigureDocumentReader(cmcQmfFile& file);

struct DocumentWriteSettings {
  int generation = DocumentFile::kNewestGeneration;
  int destination = 0;  // 0-16, written with the receive-expansion flag clear
  bool digest = false;  // set when the radio may load the file
  std::string comment;  // see DocumentComment
};

// Model code, line size, map revision, digest seed and the settings, for writing the image
// (already in the file's generation).
void ConfigureDocumentWriter(cmcQmfFile& file, cmcEeprom& image, const DocumentWriteSettings& settings);

// The comment a saved document carries: the 16-byte image comment of a generation-3 image,
// every byte outside 32-126 replaced by a space, trailing spaces removed.
std::string DocumentComment(const cmcEeprom& image);
