#include "clone/CloneInfoCheck.h"

#include <optional>

#include "clone/CloneCheckCodes.h"
#include "clone/CloneInfoBlock.h"
#include "memory/Generation.h"

namespace {

constexpr std::int32_t kLastDestination = 15;

bool DestinationAccepted(const CloneInfoBlock& block, const CloneInfoExpectation& expected) {
  if (expected.firstPass || !expected.mainWindowVisible) return true;
  return expected.currentDestination <= kLastDestination && expected.currentDestination == block.destination;
}

}  // namespace

int CheckCloneInformation(std::uint16_t wordA, std::uint16_t wordB, std::span<const std::uint8_t> information,
                          const CloneInfoExpectation& expected) {
  if (wordA != expected.modelWord) return CloneResult::kNoAnswer;
  if (wordB != expected.generation) return CloneResult::kIncompatibleModel;
  const std::optional<CloneInfoBlock> block = DecodeCloneInfoBlock(information);
  if (!block) return CloneResult::kIllegalInformation;
  if (block->format != CloneInfoBlock::kKnownFormat || block->destination > kLastDestination) {
    return CloneResult::kIncompatibleModel;
  }
  return DestinationAccepted(*block, expected) ? CloneResult::kOk : CloneResult::kVersionMismatch;
}

int CheckReadImage(const cmcEeprom& image) {
  constexpr int kNewestGeneration = 3;
  return CheckImageIdentity(image, kNewestGeneration, true) ? CloneResult::kOk : CloneResult::kIllegalImage;
}
