#include "memory/GenerationConversion.h"

#include <algorithm>
#include <array>
#include <utility>

#include "memory/ConversionSteps.h"
#include "memory/Generation.h"

namespace {

struct NeighbourSteps {
  ConversionStep down;
  ConversionStep up;
};

// By source generation 1-3; nullptr where no step exists.
constexpr std::array<NeighbourSteps, 3> kSteps{{
    {nullptr, &ConvertStep1To2},
    {&ConvertStep2To1, &ConvertStep2To3},
    {&ConvertStep3To2, nullptr},
}};

// A copy of source with the size of its generation's image.
cmcEeprom FittedCopy(const cmcEeprom& source, int generation) {
  cmcEeprom copy;
  PrepareImage(copy, generation);
  copy.WriteBlock(0, source.Bytes().data(), std::min(source.GetSize(), copy.GetSize()));
  return copy;
}

}  // namespace

void ConvertGeneration(cmcEeprom& destination, const cmcEeprom& source, int targetGeneration, int sourceGeneration,
                       const cmcEeprom& defaults) {
  const int target = NormaliseGeneration(targetGeneration);
  int generation = NormaliseGeneration(sourceGeneration);
  if (generation == target) {
    destination.Assign(source);
    return;
  }
  cmcEeprom work = FittedCopy(source, generation);
  while (generation != target) {
    const NeighbourSteps& steps = kSteps[static_cast<std::size_t>(generation - 1)];
    const ConversionStep step = target < generation ? steps.down : steps.up;
    if (step == nullptr) break;
    cmcEeprom next;
    step(work, defaults, next);
    work = std::move(next);
    generation += target < generation ? -1 : 1;
  }
  destination = std::move(work);
}
