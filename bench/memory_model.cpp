// Decoding the two big lists of a full image, and the unpack and pack that every image
// entering and leaving the program goes through.
#include <benchmark/benchmark.h>

#include <random>

#include "memory/Generation.h"
#include "memory/ListPacking.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"

namespace {

// A full image: random contents, unpacked, so that all 750 repeater positions are counted.
cmcEeprom FullImage() {
  cmcEeprom image;
  PrepareImage(image, 3);
  std::mt19937 random(2024);
  for (std::uint8_t& byte : image.Bytes()) byte = static_cast<std::uint8_t>(random());
  for (int position = 0; position < MemoryMap::kRepeaterCount; ++position) {
    image.SetByte(MemoryMap::kRepeaterOrder + 2 * position, static_cast<std::uint8_t>(position >> 8));
    image.SetByte(MemoryMap::kRepeaterOrder + 2 * position + 1, static_cast<std::uint8_t>(position));
  }
  for (int group = 0; group < MemoryMap::kRepeaterGroupCount; ++group) {
    const int start = 25 * group;
    image.SetByte(MemoryMap::kRepeaterGroupStarts + 2 * group, static_cast<std::uint8_t>(start >> 8));
    image.SetByte(MemoryMap::kRepeaterGroupStarts + 2 * group + 1, static_cast<std::uint8_t>(start));
  }
  UnpackImage(image);
  return image;
}

void DecodeMemoryChannels(benchmark::State& state) {
  cmcEeprom image = FullImage();
  datCh record(image);
  for (auto _ : state) {
    for (int index = 0; index < MemoryMap::kMemoryChannelCount; ++index) {
      record.Load(RecordKind::kChannel, index);
      benchmark::DoNotOptimize(record.frequency);
    }
  }
  state.SetItemsProcessed(state.iterations() * MemoryMap::kMemoryChannelCount);
}
BENCHMARK(DecodeMemoryChannels);

void DecodeRepeaters(benchmark::State& state) {
  cmcEeprom image = FullImage();
  datCh record(image);
  for (auto _ : state) {
    for (int index = 0; index < MemoryMap::kRepeaterCount; ++index) {
      record.Load(RecordKind::kRepeater, index);
      benchmark::DoNotOptimize(record.frequency);
    }
  }
  state.SetItemsProcessed(state.iterations() * MemoryMap::kRepeaterCount);
}
BENCHMARK(DecodeRepeaters);

void UnpackAndPack(benchmark::State& state) {
  const cmcEeprom full = FullImage();
  cmcEeprom image;
  for (auto _ : state) {
    image.Assign(full);
    UnpackImage(image);
    PackImage(image);
    benchmark::DoNotOptimize(image.Bytes().data());
  }
}
BENCHMARK(UnpackAndPack);

}  // namespace
