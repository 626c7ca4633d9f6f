// The recovery copy the window writes while a document has unsaved changes, for a full
// document: every list filled, packed, written as a generation-3 clone file behind the copy's
// header through the atomic save (flush to disk and rename included). The figure is the CPU
// time of one write, which stalls typing since the window writes on its own thread; the wait
// for the disk is not CPU time.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "files/RecoveryStore.h"
#include "memory/DefaultImages.h"
#include "memory/Generation.h"
#include "memory/LoadedImage.h"
#include "memory/PlainModelSettings.h"
#include "memory/indDestination.h"
#include "platform/Processes.h"

namespace {

constexpr int kDestination = 2;

void BM_RecoveryWriteFullDocument(benchmark::State& state) {
  PlainModelSettings model;
  model.destinationCode = kDestination;
  InstallModelSettings(&model);
  indDestination(kDestination).ApplyDestination();
  cmcEeprom defaults;
  BuildDefaultsImage(defaults);
  // Arbitrary bytes in every list, unpacked as a loaded document is.
  cmcEeprom document;
  PrepareImage(document, 3);
  std::mt19937 random(2026);
  for (std::uint8_t& byte : document.Bytes()) byte = static_cast<std::uint8_t>(random());
  PrepareLoadedImage(document, defaults);

  std::string pattern = (std::filesystem::temp_directory_path() / "tessel-bench-XXXXXX").string();
  const std::filesystem::path folder = mkdtemp(pattern.data());
  {
    RecoveryStore store((folder / "recovery").string(), CurrentProcessId(), 1);
    const RecoveryHeader header{"/home/ham/radio.qmf", 1797000000, 0, 3};
    for (auto _ : state) {
      if (!store.WriteOwnCopy(header, document, kDestination, defaults)) state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(store.OwnCopyPath()));
  }
  std::filesystem::remove_all(folder);
  InstallModelSettings(nullptr);
}
BENCHMARK(BM_RecoveryWriteFullDocument)->Unit(benchmark::kMillisecond);

}  // namespace
