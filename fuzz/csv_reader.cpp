// Arbitrary bytes as a CSV file imported into one list of a new document; the first byte
// chooses the list and its scope. The import must never crash, and an import that stored
// nothing must leave the document exactly as it was.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/CsvTransfer.h"
#include "memory/DefaultImages.h"
#include "memory/LoadedImage.h"
#include "memory/ModelSettings.h"
#include "memory/PlainModelSettings.h"
#include "memory/indDestination.h"

namespace {

constexpr int kDestination = 2;

// The new document of a destination and the defaults image it is made from.
struct NewDocument {
  PlainModelSettings settings;
  cmcEeprom defaults;
  cmcEeprom document;

  NewDocument() {
    settings.destinationCode = kDestination;
    InstallModelSettings(&settings);
    indDestination(kDestination).ApplyDestination();
    BuildDefaultsImage(defaults);
    document.Assign(defaults);
    PrepareLoadedImage(document, defaults);
  }
};

struct Target {
  CsvList list;
  std::uint8_t scope;
};

constexpr std::array<Target, 13> kTargets{{
    {{CsvListKind::kMemoryChannels, 2}, 0},
    {{CsvListKind::kScanEdges, 0}, 0},
    {{CsvListKind::kBank, 3}, 0},
    {{CsvListKind::kCallChannels, 0}, 0},
    {{CsvListKind::kBroadcast, kCsvScopeAll}, kCsvScopeAll},
    {{CsvListKind::kBroadcast, 4}, 4},
    {{CsvListKind::kGps, kCsvScopeAll}, kCsvScopeAll},
    {{CsvListKind::kGps, 0}, 0},
    {{CsvListKind::kRepeaters, kCsvScopeAll}, kCsvScopeAll},
    {{CsvListKind::kRepeaters, 7}, 7},
    {{CsvListKind::kYourCalls, 0}, 0},
    {{CsvListKind::kReceivedCalls, 0}, 0},
    {{CsvListKind::kMemoryChannels, kCsvScopeAll}, kCsvScopeAll},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static NewDocument fresh;
  if (size == 0) return 0;
  const Target& target = kTargets[data[0] % kTargets.size()];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  cmcEeprom image;
  image.Assign(fresh.document);
  const CsvImportResult result =
      ImportCsvBytes(image, fresh.defaults, target.list, target.scope, bytes, [&] { return (size & 1) != 0; });
  if (!result.changed && !image.IsEqual(fresh.document)) std::abort();
  if (result.changed && result.tally.imported == 0) std::abort();
  return 0;
}
