// Opening the 100-row memory channel sheet and repainting it while it scrolls, next to a
// plain table widget of the same size doing the same, in one run; one full repaint of the
// sheet grown to show every row, each cell asked through the cell behaviour; and the time
// from a key on a cell to its painted pop-up list (the 104 DTCS codes, the 75 APRS symbols).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTableWidget>
#include <cstdlib>
#include <functional>
#include <memory>

#include "PaintedDocument.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "platform/InstanceLock.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/SheetDisplayStore.h"
#include "support/ManualTiming.h"
#include "support/MemoryKeyValueStore.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "ui/cuiFlector.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"

namespace {

constexpr int kRows = 105;
constexpr int kColumns = 22;
const std::string kSheet = "[St_ColCut]GI_Sheet_MemoryCH,0,0";
constexpr int kDestination = 2;
const std::string kSettingsKey = "Software\\Quor\\Tessel";

class FreeLock final : public InstanceLock {
 public:
  bool TryLock(const std::string&) override { return true; }
  void Unlock() override {}
};

// The process-wide pieces a sheet needs, made once.
struct World {
  World() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app = std::make_unique<QApplication>(argc, argv);
    ApplicationTexts().Reset();
    ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
  }
  int argc = 1;
  char name[8] = "bench";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
  ManualTiming timing;
  cmcEvMan events;
  MemoryKeyValueStore user;
  MemoryKeyValueStore machine;
  FreeLock lock;
  indEnviron environ{indEnviron::Names{"Tessel bench", kSettingsKey, kSettingsKey},
                     indEnviron::Stores{user, machine},
                     lock,
                     {"tessel"},
                     {1280, 800}};
  SheetDisplayStore display{environ, kSettingsKey, ApplicationTexts()};
  PaintedDocument document{kDestination};
  indActiveCell behaviour{document};
};

World& SharedWorld() {
  static World instance;
  return instance;
}

std::unique_ptr<cuiSheet> OpenSheet(CellBehaviourCallback behaviour = SharedWorld().behaviour.Callback(),
                                    QSize size = {1200, 700}) {
  auto sheet = std::make_unique<cuiSheet>(nullptr, ApplicationTexts(), &SharedWorld().display, SharedWorld().events);
  sheet->Layout().SetName(kSheet);
  sheet->SetCallback(behaviour);
  sheet->resize(size);
  sheet->Build();
  return sheet;
}

std::unique_ptr<QTableWidget> OpenTable() {
  auto table = std::make_unique<QTableWidget>(kRows, kColumns);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      table->setItem(row, column, new QTableWidgetItem(QStringLiteral("9999.999999")));
    }
  }
  table->resize(1200, 700);
  return table;
}

void BM_OpenMemorySheet(benchmark::State& state) {
  SharedWorld();
  for (auto _ : state) benchmark::DoNotOptimize(OpenSheet());
}

void BM_OpenTableWidget(benchmark::State& state) {
  SharedWorld();
  for (auto _ : state) benchmark::DoNotOptimize(OpenTable());
}

// One full repaint per step while the rows scroll down and back.
void RenderScrolling(benchmark::State& state, QWidget& widget, const std::function<void(int)>& scrollTo) {
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  int step = 0;
  for (auto _ : state) {
    scrollTo(step % 60);
    widget.render(&image);
    ++step;
  }
}

void BM_RepaintScrollingMemorySheet(benchmark::State& state) {
  SharedWorld();
  const auto sheet = OpenSheet();
  cuiGrid& grid = sheet->Grid();
  RenderScrolling(state, *sheet, [&grid](int step) { grid.SetTopLeft(grid.LeftCol(), grid.FixedRows() + step); });
}

void BM_RepaintScrollingTableWidget(benchmark::State& state) {
  SharedWorld();
  const auto table = OpenTable();
  RenderScrolling(state, *table,
                  [&table](int step) { table->scrollToItem(table->item(step, 0), QAbstractItemView::PositionAtTop); });
}

// Passes every request to the cell behaviour and counts the memory channel data cells asked.
struct CountingBehaviour {
  indActiveCell& behaviour;
  long dataCells = 0;

  static int Handle(cmcCellCapsule& request, int op, void* object) {
    auto& self = *static_cast<CountingBehaviour*>(object);
    const cmcCellObj& cell = *request.cell;
    if (cell.category == CT_Conv && cell.cellId >= CL_Mch_Select_ChNo && cell.cellId <= CL_Mch_Scan_Skip) {
      ++self.dataCells;
    }
    return self.behaviour.HandleCellRequest(request, op);
  }
};

// The sheet large enough that one repaint draws all 100 rows and every column.
void BM_FullRepaintMemorySheetThroughDispatcher(benchmark::State& state) {
  SharedWorld();
  CountingBehaviour counting{SharedWorld().behaviour};
  const auto sheet = OpenSheet({&CountingBehaviour::Handle, &counting}, {1200, 700});
  sheet->resize(sheet->GetWantedWidth() + 40, sheet->GetWantedHeight() + 40);
  QImage image(sheet->size(), QImage::Format_ARGB32_Premultiplied);
  sheet->render(&image);
  counting.dataCells = 0;
  for (auto _ : state) sheet->render(&image);
  state.counters["data cells per repaint"] =
      static_cast<double>(counting.dataCells) / static_cast<double>(std::max<std::int64_t>(1, state.iterations()));
}

// Opens the list, paints it once and closes it.
void PaintAndClose(cuiFlector& list) {
  QImage image(list.size(), QImage::Format_ARGB32_Premultiplied);
  list.render(&image);
  list.Cancel();
  delete &list;
}

void BM_EnterToPaintedDtcsList(benchmark::State& state) {
  SharedWorld();
  const auto sheet = OpenSheet();
  cuiGrid& grid = sheet->Grid();
  for (int column = 0; column < sheet->Layout().ColumnCount(); ++column) {
    if (sheet->Layout().GetCell(column, grid.FixedRows()).cellId == CL_Mch_DTCS)
      grid.TrySelectCell(column, grid.FixedRows());
  }
  for (auto _ : state) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(&grid, &enter);
    auto* list = grid.findChild<cuiFlector*>();
    if (list == nullptr) {
      state.SkipWithError("Enter opened no list");
      return;
    }
    PaintAndClose(*list);
  }
}

void BM_OpenPaintedSymbolList(benchmark::State& state) {
  SharedWorld();
  const auto sheet = OpenSheet();
  CellPopupContext context;
  context.ownerGrid = &sheet->Grid();
  context.texts = &ApplicationTexts();
  context.events = &SharedWorld().events;
  context.document = &SharedWorld().document;
  context.behaviour = SharedWorld().behaviour.Callback();
  cmcCellCapsule request;
  sheet->PrepareRequest(sheet->Grid().Col(), sheet->Grid().Row(), request);
  for (auto _ : state) {
    PaintAndClose(*new cuiFlector(context, request, SelectionListPopup{"GI_Sheet_Sel_Common_APRS_Symbol", Flex0, 0}));
  }
}

}  // namespace

BENCHMARK(BM_EnterToPaintedDtcsList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPaintedSymbolList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaintMemorySheetThroughDispatcher)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMemorySheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTableWidget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintScrollingMemorySheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintScrollingTableWidget)->Unit(benchmark::kMillisecond);
