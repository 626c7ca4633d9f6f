// The undo history of 1,000 single-cell edits: a frequency typed into the frequency cell of
// each of the 500 memory channels, twice over with other frequencies, through the cell
// behaviour, each edit committed as one step. The counter held_bytes is the memory
// the history keeps after the last step (the image copy it compares against included); the
// time is that of the whole series, edits and commits.
#include <benchmark/benchmark.h>

#include <string>

#include "PaintedDocument.h"
#include "sheet/cells/indActiveCell.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"
#include "workflows/EditHistory.h"

namespace {

constexpr int kDestination = 2;
constexpr int kSteps = 1000;

// 144.005 MHz and up in 5 kHz steps, a megahertz higher the second time round.
std::string FrequencyText(int row) {
  const int kilohertz = 144'005 + (row % 500) * 5 + (row >= 500 ? 1'000 : 0);
  std::string fraction = std::to_string(kilohertz % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return std::to_string(kilohertz / 1000) + "." + fraction;
}

void TypeFrequency(indActiveCell& behaviour, int row) {
  cmcCellObj cell;
  cell.category = CT_Conv;
  cell.cellId = CL_Mch_Freq;
  cell.index = row % 500;
  cmcCellCapsule request;
  request.cell = &cell;
  request.actionGrid = &cell;
  request.inputKind = kInputCommitted;
  request.inputText = FrequencyText(row);
  behaviour.HandleCellRequest(request, kCellAction);
}

void UndoHistoryOf1000CellEdits(benchmark::State& state) {
  ApplicationTexts().Reset();
  ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
  PaintedDocument document(kDestination);
  const cmcEeprom blank = document.image;
  indActiveCell behaviour(document);
  std::size_t held = 0;
  int steps = 0;
  for (auto _ : state) {
    document.image.Assign(blank);
    EditHistory history;
    history.Reset(document.image);
    steps = 0;
    for (int row = 0; row < kSteps; ++row) {
      TypeFrequency(behaviour, row);
      if (history.Commit(document.image)) ++steps;
    }
    held = history.HeldBytes();
    benchmark::DoNotOptimize(held);
  }
  state.counters["steps"] = static_cast<double>(steps);
  state.counters["held_bytes"] = static_cast<double>(held);
}

}  // namespace

BENCHMARK(UndoHistoryOf1000CellEdits)->Unit(benchmark::kMillisecond);
