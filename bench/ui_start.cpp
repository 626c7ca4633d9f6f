// Start of the window program up to its first painted sheet, next to a minimal Qt window that
// shows an empty table of the same size, in one run. Settings live in a temporary folder, so
// every start is a first start with empty settings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QMainWindow>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/qt/QtTiming.h"
#include "ui/ApplicationWindow.h"
#include "ui/MainProcess.h"
#include "ui/cuiSheet.h"
#include "ui/indMain.h"

namespace {

// The memory channel sheet's grid: 22 columns, 105 rows.
constexpr int kRows = 105;
constexpr int kColumns = 22;

struct World {
  World() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string pattern = (std::filesystem::temp_directory_path() / "tessel-bench-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    for (const char* sub : {"home", "etc", "run"}) std::filesystem::create_directory(folder / sub);
    std::filesystem::permissions(folder / "run", std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (folder / "home").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (folder / "etc").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
    setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    app = std::make_unique<QApplication>(argc, argv);
  }
  // Static objects of Qt's own libraries may be gone when this one goes at exit: the
  // application is left to the end of the process instead of being destroyed after them.
  ~World() {
    static_cast<void>(app.release());
    std::filesystem::remove_all(folder);
  }

  std::filesystem::path folder;
  int argc = 1;
  char name[8] = "tessel";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
};

World& SharedWorld() {
  static World instance;
  return instance;
}

void RemoveSettings() { std::filesystem::remove_all(SharedWorld().folder / "home" / "Quor"); }

// The user's view of a start: the window is shown and everything in it has been painted once.
QImage Painted(QWidget& window) { return window.grab().toImage(); }

void BM_TesselStart(benchmark::State& state) {
  SharedWorld();
  QtTiming timing;
  for (auto _ : state) {
    auto process = std::make_unique<MainProcess>(std::vector<std::string>{"tessel"});
    process->Start();
    while (process->Controller().CurrentSheet() == nullptr) QCoreApplication::processEvents();
    benchmark::DoNotOptimize(Painted(*process->Controller().MainWindow()));
    state.PauseTiming();
    process->Controller().MainWindow()->close();
    process.reset();
    RemoveSettings();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TesselStart)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MinimalTableWindowStart(benchmark::State& state) {
  SharedWorld();
  for (auto _ : state) {
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QTableWidget(kRows, kColumns));
    window->resize(720, 540);  // the size Tessel takes on the 800 x 600 offscreen screen
    window->show();
    benchmark::DoNotOptimize(Painted(*window));
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MinimalTableWindowStart)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
