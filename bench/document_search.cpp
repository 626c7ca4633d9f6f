// One Find step across the whole document: 500 memory channels in use, full repeater, GPS and
// your-call lists, and a text that no cell shows, so the step walks every cell of every list
// page before it gives up. The figure to keep: within 20 ms of CPU.
#include <benchmark/benchmark.h>

#include <string>

#include "base/cmcEvMan.h"
#include "cli/ScriptDocument.h"
#include "files/DestinationSession.h"
#include "memory/ChannelList.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "platform/FrozenTiming.h"
#include "sheet/cells/DocumentSearch.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"

namespace {

using namespace MemoryMap;

void FillEveryList(cmcEeprom& image) {
  datCh record(image);
  for (int i = 0; i < kMemoryChannelCount; ++i) {
    record.Load(RecordKind::kChannel, i);
    record.SetUsed(true);
    record.frequency = 144000000u + 12500u * static_cast<unsigned>(i);
    record.name = MakeFixedText<kNameLength>("Channel " + std::to_string(i));
    record.Commit();
  }
  RebuildBankTables(image);
  for (int group = 0; group < kRepeaterGroupCount; ++group) SetGroupCount(image, group, kRepeaterCount / 30);
  for (int i = 0; i < kRepeaterCount; ++i) {
    datCh entry(image);
    entry.Load(RecordKind::kNewRepeater, i);
    entry.name = MakeFixedText<kNameLength>("Repeater " + std::to_string(i));
    entry.Store(RecordKind::kRepeater, i);
  }
  for (int i = 0; i < kGpsMemoryCount; ++i) image.SetByte(kGpsOrder + i, static_cast<std::uint8_t>(i));
  for (int g = 0; g < kGpsGroupCount; ++g) image.SetByte(kGpsGroupStarts + g, 0xFF);
  image.SetByte(kGpsGroupStarts + 1, 0);
  for (int i = 0; i < kYourCallCount; ++i) {
    datCh entry(image);
    entry.Load(RecordKind::kNewYourCall, i);
    entry.Store(RecordKind::kYourCall, i);
  }
  SetYourCallCount(image, kYourCallCount);
}

void FindStepAcrossTheWholeDocument(benchmark::State& state) {
  ApplicationTexts().Reset();
  ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
  const FrozenTiming timing;  // the pages ask their list ranges through events; nothing waits
  const DestinationSession session(2);
  cmcEeprom image = session.Defaults();
  FillEveryList(image);
  cmcEvMan events;
  ScriptDocument document(image, &events);
  const std::vector<std::string> sheets = SearchedSheets(document.Document().Texts());
  const SearchPlace from{sheets.front(), 0, 0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindStep(document.Document(), "no cell shows this", from, true, true));
  }
  if (FindStep(document.Document(), "Repeater 749", from, true, true) == std::nullopt) {
    state.SkipWithError("the last repeater was not found");
  }
}

BENCHMARK(FindStepAcrossTheWholeDocument)->Unit(benchmark::kMillisecond);

}  // namespace
