#include "memory/LoadedImage.h"

#include <vector>

#include "memory/FixedDefaults.h"
#include "memory/ListPacking.h"
#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

namespace {

// The band and broadcast templates: the radio does not hold them, the program keeps them
// beyond the radio's memory.
void CopyProgramSideTemplates(cmcEeprom& image, const cmcEeprom& defaults) {
  constexpr std::int32_t kStart = MemoryMap::kBandTemplates;
  constexpr std::int32_t kLength = MemoryMap::kBankTables - MemoryMap::kBandTemplates;
  std::vector<std::uint8_t> templates(kLength);
  if (defaults.ReadBlock(kStart, templates.data(), kLength)) image.WriteBlock(kStart, templates.data(), kLength);
}

}  // namespace

void PrepareLoadedImage(cmcEeprom& image, const cmcEeprom& defaults) {
  CopyProgramSideTemplates(image, defaults);
  UnpackImage(image);
  MergeFixedDefaults(image, defaults);
}
