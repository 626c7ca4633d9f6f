// Generation conversion costs: a full generation-1 image (every repeater entry, GPS memory
// and received call in use) opened as generation 3, and a full generation-3 image saved as
// generation 1.
#include <benchmark/benchmark.h>

#include <random>

#include "memory/DefaultImages.h"
#include "memory/Generation.h"
#include "memory/GenerationConversion.h"

namespace {

cmcEeprom RandomImage(int generation) {
  cmcEeprom image;
  PrepareImage(image, generation);
  std::mt19937 random(7);
  for (std::uint8_t& byte : image.Bytes()) byte = static_cast<std::uint8_t>(random());
  return image;
}

void PutU16(cmcEeprom& image, int address, int value) {
  image.SetByte(address, static_cast<std::uint8_t>(value >> 8));
  image.SetByte(address + 1, static_cast<std::uint8_t>(value));
}

// Generation 1 keeps the repeater order at 103936, the received call positions at 105686
// and the GPS order at 105766.
cmcEeprom FullGeneration1Image() {
  cmcEeprom image = RandomImage(1);
  for (int p = 0; p < 750; ++p) PutU16(image, 103936 + 2 * p, p);
  for (int s = 0; s < 50; ++s) image.SetByte(105686 + s, static_cast<std::uint8_t>(s));
  for (int p = 0; p < 200; ++p) image.SetByte(105766 + p, static_cast<std::uint8_t>(p));
  return image;
}

// Every repeater entry in the list, half of them FM, which generation 1 drops.
cmcEeprom FullGeneration3Image() {
  cmcEeprom image = RandomImage(3);
  for (int p = 0; p < 750; ++p) {
    PutU16(image, 107008 + 2 * p, p);
    image.SetByte(43200 + 50 * p + 7, p % 2 == 0 ? 0x00 : 0x40);
  }
  PutU16(image, 108508, 0);
  for (int s = 0; s < 50; ++s) image.SetByte(108768 + s, static_cast<std::uint8_t>(s));
  return image;
}

cmcEeprom Defaults() {
  cmcEeprom defaults;
  PrepareImage(defaults, 3);
  WriteDefaultImage(defaults, 0);
  return defaults;
}

void BM_ConvertFullGeneration1ImageTo3(benchmark::State& state) {
  const cmcEeprom source = FullGeneration1Image();
  const cmcEeprom defaults = Defaults();
  cmcEeprom destination;
  for (auto _ : state) {
    ConvertGeneration(destination, source, 3, 1, defaults);
    benchmark::DoNotOptimize(destination.Bytes().data());
  }
  state.SetBytesProcessed(state.iterations() * source.GetSize());
}
BENCHMARK(BM_ConvertFullGeneration1ImageTo3)->Unit(benchmark::kMicrosecond);

void BM_ConvertFullGeneration3ImageTo1(benchmark::State& state) {
  const cmcEeprom source = FullGeneration3Image();
  const cmcEeprom defaults = Defaults();
  cmcEeprom destination;
  for (auto _ : state) {
    ConvertGeneration(destination, source, 1, 3, defaults);
    benchmark::DoNotOptimize(destination.Bytes().data());
  }
  state.SetBytesProcessed(state.iterations() * source.GetSize());
}
BENCHMARK(BM_ConvertFullGeneration3ImageTo1)->Unit(benchmark::kMicrosecond);

}  // namespace
