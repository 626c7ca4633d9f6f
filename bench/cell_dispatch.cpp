// One full repaint of a 100-row memory channel sheet: every cell of the 19 data columns asked
// through the cell behaviour, as the grid asks it when it paints.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "PaintedDocument.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetLayout.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"

namespace {

constexpr int kDestination = 2;

class NoMeasure final : public CellTextMeasure {
 public:
  int Width(const CellFont&, std::string_view) override { return 8; }
  int Height(const CellFont&, std::string_view) override { return 12; }
};

void QueryMemoryChannelSheet(benchmark::State& state) {
  ApplicationTexts().Reset();
  ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
  PaintedDocument document(kDestination);
  NoMeasure measure;
  SheetLayout sheet(SheetEnvironment{ApplicationTexts(), measure});
  sheet.SetName("[St_ColCut]GI_Sheet_MemoryCH,0,0");
  sheet.Build();
  std::vector<cmcCellObj*> dataCells;
  for (int row = 0; row < sheet.RowCount(); ++row) {
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
      cmcCellObj& cell = sheet.GetCell(column, row);
      if (cell.category == CT_Conv && cell.cellId >= CL_Mch_Select_ChNo && cell.cellId <= CL_Mch_Scan_Skip) {
        dataCells.push_back(&cell);
      }
    }
  }
  indActiveCell behaviour(document);
  for (auto _ : state) {
    for (cmcCellObj* cell : dataCells) {
      cmcCellCapsule request;
      request.cell = cell;
      request.sheetArgument = sheet.GetArgument();
      behaviour.HandleCellRequest(request, kCellQuery);
      benchmark::DoNotOptimize(request.outputText);
    }
  }
  state.counters["cells"] = static_cast<double>(dataCells.size());
}

BENCHMARK(QueryMemoryChannelSheet)->Unit(benchmark::kMillisecond);

}  // namespace
