// Printing all 500 memory channels (every channel in use, names and call signs filled) to a
// PDF file: the layout of the five memory pages into bands, every page drawn through the
// cell behaviour and the cell painter, and the file written through its temporary.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "memory/DefaultImages.h"
#include "memory/PlainModelSettings.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "sheet/cells/StandaloneCellDocument.h"
#include "sheet/cells/indActiveCell.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "ui/PrintOutput.h"

namespace {

constexpr int kDestination = 2;

struct PrintFixture {
  PrintFixture() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "bench_ui_print";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
    ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
    model.destinationCode = kDestination;
    InstallModelSettings(&model);
    indDestination(kDestination).ApplyDestination();
    BuildDefaultsImage(defaults);
    image.Assign(defaults);
    datCh record(image);
    for (int i = 0; i < 500; ++i) {
      record.Load(RecordKind::kChannel, i);
      record.SetUsed(true);
      record.frequency = (i % 2 == 0 ? 144000000u : 430000000u) + 12500u * static_cast<unsigned>(i % 100);
      record.mode = i % 2 == 0 ? ChannelMode::kDv : ChannelMode::kFm;
      record.name = MakeFixedText<16>("Channel " + std::to_string(i));
      record.yourCall = MakeFixedText<8>("CQCQCQ");
      record.Commit();
    }
  }
  ~PrintFixture() { InstallModelSettings(nullptr); }

  std::unique_ptr<QGuiApplication> app;
  PlainModelSettings model;
  cmcEeprom image;
  cmcEeprom defaults;
};

void BM_PrintAllMemoryChannelsToPdf(benchmark::State& state) {
  static PrintFixture fixture;
  StandaloneCellDocument document(fixture.image, fixture.defaults, ApplicationTexts());
  indActiveCell behaviour(document);
  PdfJob job;
  for (int block = 0; block < 5; ++block) {
    job.sheets.push_back("[St_ColCut]GI_Sheet_MemoryCH," + std::to_string(block) + "," + std::to_string(block * 100));
  }
  job.path = (std::filesystem::temp_directory_path() / "tessel-bench-print.pdf").string();
  int pages = 0;
  for (auto _ : state) {
    if (WritePdf({ApplicationTexts(), document, behaviour.Callback(), nullptr}, job, &pages) != PrintResult::Done) {
      state.SkipWithError("the PDF was not written");
      break;
    }
  }
  state.counters["pages"] = pages;
  std::filesystem::remove(job.path);
}

}  // namespace

BENCHMARK(BM_PrintAllMemoryChannelsToPdf)->Unit(benchmark::kMillisecond);
