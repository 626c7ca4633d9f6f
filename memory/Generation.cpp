#include "memory/Generation.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "memory/MemoryMap.h"

namespace {

struct GenerationFacts {
  const char* name;
  std::int32_t imageSize;
  std::int32_t mapRevisionAddress;
  std::int32_t signatureAddress;
};

constexpr std::array<GenerationFacts, 3> kGenerations{{
    {"Vanta", 136387, 0x1A300, 0x1A310},
    {"Vanta II", 136397, MemoryMap::kMapRevision, MemoryMap::kFormatSignature},
    {"Vanta III", 136397, MemoryMap::kMapRevision, MemoryMap::kFormatSignature},
}};

constexpr std::int32_t kMinimumImageSize = 0x20000;

const GenerationFacts& FactsOf(int generation) {
  return kGenerations[static_cast<std::size_t>(NormaliseGeneration(generation) - 1)];
}

}  // namespace

int NormaliseGeneration(int generation) { return generation < 1 || generation > 3 ? 3 : generation; }

std::int32_t ImageSizeOf(int generation) { return std::max(kMinimumImageSize, FactsOf(generation).imageSize); }

void PrepareImage(cmcEeprom& image, int generation) {
  image.SetSize(ImageSizeOf(generation));
  image.Fill(0xFF);
}

AddressRangeList CloneRangesOf(int /*generation*/) { return {{0, MemoryMap::kExchangedEnd}, kAddressRangeEnd}; }

std::string GenerationName(int generation) { return FactsOf(generation).name; }

int GenerationFromListPosition(int position) { return position >= 1 && position <= 3 ? 4 - position : 3; }

int ListPositionOfGeneration(int generation) {
  for (int position = 1; position <= 3; ++position) {
    if (GenerationFromListPosition(position) == NormaliseGeneration(generation)) return position;
  }
  return 1;
}

bool CheckImageIdentity(const cmcEeprom& image, int generation, bool checkSignature) {
  const GenerationFacts& facts = FactsOf(generation);
  std::uint8_t revision = 0;
  if (!image.ReadBlock(facts.mapRevisionAddress, &revision, 1) || revision != 1) return false;
  if (!checkSignature) return true;
  std::array<std::uint8_t, MemoryMap::kFormatSignatureText.size()> signature{};
  if (!image.ReadBlock(facts.signatureAddress, signature.data(), static_cast<std::int32_t>(signature.size()))) {
    return false;
  }
  return std::memcmp(signature.data(), MemoryMap::kFormatSignatureText.data(), signature.size()) == 0;
}
