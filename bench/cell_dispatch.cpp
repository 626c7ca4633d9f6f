// One full repaint of a 100-row memory channel sheet: every cell of the 19 data columns asked
// through the cell behaviour, as the grid asks it when it paints.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "memory/ChannelValues.h"
#include "memory/DefaultImages.h"
#include "memory/PlainModelSettings.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "sheet/CellDocument.h"
#include "sheet/CellTextMeasure.h"
#include "sheet/cmcSheetLayout.h"
#include "sheet/indActiveCell.h"
#include "shell/cmcRecent.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"

namespace {

constexpr int kDestination = 2;

class NoMeasure final : public CellTextMeasure {
 public:
  int Width(const CellFont&, std::string_view) override { return 8; }
  int Height(const CellFont&, std::string_view) override { return 12; }
};

// A document without events and commands: painting asks only.
class PaintedDocument final : public CellDocument {
 public:
  PaintedDocument() {
    settings.destinationCode = kDestination;
    BuildDefaultsImage(defaults);
    image.Assign(defaults);
  }
  cmcEeprom& Image() override { return image; }
  cmcEeprom& DefaultsImage() override { return defaults; }
  indEnvironSettings& Settings() override { return settings; }
  const cmcRecent& RecentFiles() const override { return recent; }
  bool SystemLanguageJapanese() const override { return false; }
  int DateOrder() const override { return 0; }
  cmcGTex& Texts() override { return applicationTexts(); }
  std::string VersionText() const override { return {}; }
  std::string YearText() const override { return {}; }
  cmcEvMan* Events() override { return nullptr; }
  std::int32_t ColumnCutMask() const override { return 127; }
  void SetColumnCutMask(std::int32_t) override {}
  void NoteEdit() override {}
  void RunCommand(unsigned, std::int32_t) override {}
  void OpenSheet(const std::string&) override {}
  bool MainWindowEnabled() const override { return true; }
  bool CurrentSheetPrintable() const override { return true; }
  bool ClipboardAccepts(int) const override { return false; }
  bool ConfirmLanguageChange() override { return false; }
  void ShowNoFreeChannel() override {}

  cmcEeprom image;
  cmcEeprom defaults;
  indEnvironSettings settings;
  cmcRecent recent{10};
};

// Every channel of the page in use, half of them DV with call signs.
void FillChannels(cmcEeprom& image) {
  datCh record(image);
  for (int i = 0; i < 100; ++i) {
    record.Load(RecordKind::kChannel, i);
    record.SetUsed(true);
    record.frequency = (i % 2 == 0 ? 144000000u : 430000000u) + 12500u * static_cast<unsigned>(i);
    record.mode = i % 2 == 0 ? ChannelMode::kDv : ChannelMode::kFm;
    record.duplex = static_cast<std::uint8_t>(i % 3);
    record.offset = 600000;
    record.toneMode = static_cast<std::uint8_t>(i % 12);
    record.name = MakeFixedText<16>("Channel " + std::to_string(i));
    record.yourCall = MakeFixedText<8>("CQCQCQ");
    record.rpt1 = MakeFixedText<8>("JR1VB  A");
    record.bank = static_cast<std::uint8_t>(i % 26);
    record.bankChannel = static_cast<std::uint8_t>(i);
    record.Commit();
  }
}

void QueryMemoryChannelSheet(benchmark::State& state) {
  PlainModelSettings model;
  model.destinationCode = kDestination;
  InstallModelSettings(&model);
  indDestination(kDestination).ApplyDestination();
  applicationTexts().Reset();
  applicationTexts().SelectLineTable(lineTable(TableLanguage::English));

  PaintedDocument document;
  FillChannels(document.image);
  NoMeasure measure;
  cmcSheetLayout sheet(SheetEnvironment{applicationTexts(), measure});
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
  InstallModelSettings(nullptr);
}

BENCHMARK(QueryMemoryChannelSheet)->Unit(benchmark::kMillisecond);

}  // namespace
