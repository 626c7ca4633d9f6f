// CSV export and re-import of a full memory (500 channels, five pages of 100, and one file of
// all 500 in the generic channel layout) and of a full repeater list (750 entries), through
// the engine the window and tessel-cli use, without the file system.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "files/CsvTransfer.h"
#include "files/DestinationSession.h"
#include "memory/FixedDefaults.h"
#include "memory/ListEntries.h"
#include "memory/LoadedImage.h"
#include "memory/RepeaterList.h"
#include "memory/datCh.h"

namespace {

constexpr int kPages = 5;

struct FullDocument {
  DestinationSession session{2};
  cmcEeprom image;

  FullDocument() {
    image.Assign(session.Defaults());
    PrepareLoadedImage(image, session.Defaults());
  }
};

void FillChannels(FullDocument& document) {
  datCh record(document.image);
  for (int channel = 0; channel < 500; ++channel) {
    record.LoadFrom(const_cast<cmcEeprom&>(document.session.Defaults()), RecordKind::kBandTemplate, 1);
    record.SetUsed(true);
    record.frequency = 144'000'000u + static_cast<std::uint32_t>(channel) * 12'500u;
    record.name = MakeFixedText<16>("CHANNEL " + std::to_string(channel));
    record.Store(RecordKind::kChannel, channel);
  }
}

void FillRepeaters(FullDocument& document) {
  datCh record(document.image);
  for (int n = 0; n < 750; ++n) {
    const int group = n % 30;
    const int position = GroupStart(document.image, group) + GroupCount(document.image, group);
    InsertRepeater(document.image, group, position);
    record.Load(RecordKind::kNewRepeater, position);
    record.SetUsed(true);
    record.callSign = MakeFixedText<8>("JR1V" + std::to_string(n));
    record.name = MakeFixedText<16>("Relay " + std::to_string(n));
    record.frequency = 439'000'000u + static_cast<std::uint32_t>(n % 200) * 25'000u;
    record.duplex = 1;
    record.offset = 5'000'000;
    record.latitude = GpsPosition{35, static_cast<std::uint16_t>(n * 61), 'N'};
    record.longitude = GpsPosition{139, static_cast<std::uint16_t>(n * 13), 'E'};
    record.Store(RecordKind::kRepeater, position);
  }
}

std::vector<std::string> ExportPages(const FullDocument& document) {
  std::vector<std::string> pages;
  for (int page = 0; page < kPages; ++page) {
    pages.push_back(
        CsvExportText(document.image, document.session.Defaults(), {CsvListKind::kMemoryChannels, page}, 0));
  }
  return pages;
}

void BM_ExportFullMemory(benchmark::State& state) {
  FullDocument document;
  FillChannels(document);
  for (auto _ : state) benchmark::DoNotOptimize(ExportPages(document));
}
BENCHMARK(BM_ExportFullMemory)->Unit(benchmark::kMillisecond);

void BM_ImportFullMemory(benchmark::State& state) {
  FullDocument source;
  FillChannels(source);
  const std::vector<std::string> pages = ExportPages(source);
  FullDocument target;
  for (auto _ : state) {
    for (int page = 0; page < kPages; ++page) {
      const CsvImportResult result =
          ImportCsvBytes(target.image, target.session.Defaults(), {CsvListKind::kMemoryChannels, page}, 0,
                         pages[static_cast<std::size_t>(page)], [] { return true; });
      if (result.tally.imported != 100) state.SkipWithError("a page was not imported whole");
    }
  }
}
BENCHMARK(BM_ImportFullMemory)->Unit(benchmark::kMillisecond);

const CsvList kWholeMemory{CsvListKind::kMemoryChannels, kCsvScopeAll};

std::string ExportGeneric(const FullDocument& document) {
  return CsvExportText(document.image, document.session.Defaults(), kWholeMemory, kCsvScopeAll, CsvLayout::kGeneric);
}

void BM_ExportGenericFullMemory(benchmark::State& state) {
  FullDocument document;
  FillChannels(document);
  for (auto _ : state) benchmark::DoNotOptimize(ExportGeneric(document));
}
BENCHMARK(BM_ExportGenericFullMemory)->Unit(benchmark::kMillisecond);

void BM_ImportGenericFullMemory(benchmark::State& state) {
  FullDocument source;
  FillChannels(source);
  const std::string file = ExportGeneric(source);
  FullDocument target;
  for (auto _ : state) {
    const CsvImportResult result =
        ImportCsvBytes(target.image, target.session.Defaults(), kWholeMemory, kCsvScopeAll, file, [] { return true; });
    if (result.tally.imported != 500) state.SkipWithError("the file was not imported whole");
  }
}
BENCHMARK(BM_ImportGenericFullMemory)->Unit(benchmark::kMillisecond);

void BM_ExportFullRepeaterList(benchmark::State& state) {
  FullDocument document;
  FillRepeaters(document);
  for (auto _ : state) {
    benchmark::DoNotOptimize(CsvExportText(document.image, document.session.Defaults(),
                                           {CsvListKind::kRepeaters, kCsvScopeAll}, kCsvScopeAll));
  }
}
BENCHMARK(BM_ExportFullRepeaterList)->Unit(benchmark::kMillisecond);

void BM_ImportFullRepeaterList(benchmark::State& state) {
  FullDocument source;
  FillRepeaters(source);
  const std::string text =
      CsvExportText(source.image, source.session.Defaults(), {CsvListKind::kRepeaters, kCsvScopeAll}, kCsvScopeAll);
  FullDocument target;
  FillRepeaters(target);
  for (auto _ : state) {
    const CsvImportResult result =
        ImportCsvBytes(target.image, target.session.Defaults(), {CsvListKind::kRepeaters, kCsvScopeAll}, kCsvScopeAll,
                       text, [] { return true; });
    if (result.tally.imported != 750) state.SkipWithError("the list was not imported whole");
  }
}
BENCHMARK(BM_ImportFullRepeaterList)->Unit(benchmark::kMillisecond);

}  // namespace
