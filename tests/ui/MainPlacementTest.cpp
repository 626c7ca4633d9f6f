// The main window lands wholly on a screen's work area, whatever screens there were when its
// place was stored.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "MainTestSupport.h"
#include "platform/qt/QtKeyValueStore.h"
#include "support/IsolatedUserFolders.h"
#include "ui/WindowPlacement.h"

namespace {

bool WhollyOnOneArea(const QRect& form, const QList<QRect>& areas) {
  return std::ranges::any_of(areas, [&](const QRect& area) { return area.contains(form); });
}

struct PlacementCase {
  const char* name;
  QRect stored;
  QList<QRect> areas;
  QRect expected;
};

TEST(MainPlacementTest, CornersArePulledBackOntoTheWorkAreas) {
  const QRect full(0, 0, 1920, 1040);
  const QRect right(1920, 0, 1280, 984);
  const PlacementCase cases[] = {
      {"inside stays", {100, 50, 800, 600}, {full}, {100, 50, 800, 600}},
      {"over the right edge", {1500, 50, 800, 600}, {full}, {1120, 50, 800, 600}},
      {"above and left of the screen", {-300, -40, 800, 600}, {full}, {0, 0, 800, 600}},
      {"larger than the screen", {-10, -10, 2500, 1300}, {full}, {0, 0, 1920, 1040}},
      {"on a monitor that was unplugged", {2200, 100, 800, 600}, {full}, {1120, 100, 800, 600}},
      {"on the second monitor", {2200, 100, 800, 600}, {full, right}, {2200, 100, 800, 600}},
      {"below the shorter monitor", {2200, 700, 800, 600}, {full, right}, {2200, 384, 800, 600}},
  };
  for (const PlacementCase& c : cases) {
    const QRect placed = PlaceOnWorkAreas(c.stored, c.areas);
    EXPECT_EQ(placed, c.expected) << c.name;
    EXPECT_TRUE(WhollyOnOneArea(placed, c.areas)) << c.name;
  }
}

bool OnSomeArea(const QPoint& corner, const QList<QRect>& areas) {
  return std::ranges::any_of(areas, [&](const QRect& area) { return area.contains(corner); });
}

TEST(MainPlacementTest, AFormAcrossScreensOfDifferentHeightsKeepsEveryCornerOnOne) {
  const QList<QRect> areas = {{0, 0, 1920, 1040}, {1920, 0, 1280, 600}};
  for (const QRect stored : {QRect(1700, 300, 600, 500), QRect(1700, 700, 600, 500), QRect(3000, -200, 900, 900)}) {
    const QRect placed = PlaceOnWorkAreas(stored, areas);
    for (const QPoint corner : {placed.topLeft(), placed.topRight(), placed.bottomLeft(), placed.bottomRight()}) {
      EXPECT_TRUE(OnSomeArea(corner, areas)) << stored.x() << "," << stored.y();
    }
  }
}

// The real program under a screen layout of one 1024 x 768 monitor, started with a place
// stored while a second monitor stood to the right. It runs in a child process of this test
// program, because the offscreen platform reads its screen layout once at start.
constexpr const char* kChildMarker = "TESSEL_PLACEMENT_CHILD";

TEST(MainPlacementTest, AStoredPlaceOnAnUnpluggedMonitorComesBackOnTheScreen) {
  if (std::getenv(kChildMarker) != nullptr) GTEST_SKIP() << "the child runs the other half";
  QTemporaryDir folder;
  const std::string screens = (std::filesystem::path(folder.path().toStdString()) / "screens.json").string();
  std::ofstream(screens) << R"({"screens": [{"name": "only", "x": 0, "y": 0, "width": 1024, "height": 768,)"
                            R"( "logicalDpi": 96, "dpr": 1}]})";
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                     QStringLiteral("offscreen:configfile=") + QString::fromStdString(screens));
  environment.insert(QLatin1String(kChildMarker), QStringLiteral("1"));
  child.setProcessEnvironment(environment);
  child.start(QStringLiteral("/proc/self/exe"), {QStringLiteral("--gtest_filter=MainPlacementChild.*")});
  ASSERT_TRUE(child.waitForFinished(60000));
  const std::string output = child.readAllStandardOutput().toStdString();
  EXPECT_EQ(child.exitCode(), 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
}

TEST(MainPlacementChild, WindowLiesWhollyOnTheOnlyScreen) {
  if (std::getenv(kChildMarker) == nullptr) GTEST_SKIP() << "runs as the child of the test above";
  ASSERT_EQ(QGuiApplication::screens().size(), 1);
  ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1024, 768));
  isolated::RemoveSettingsFiles();
  {
    QtKeyValueStore store(QtKeyValueStore::Scope::User);
    store.WriteInteger("Software\\Quor\\Tessel\\Global", "BBT", 753951);
    for (const auto& [name, value] : {std::pair{"Left", 1800}, {"Top", 300}, {"Width", 900}, {"Height", 700}}) {
      store.WriteInteger("Software\\Quor\\Tessel\\Window Position", name, value);
    }
    ASSERT_TRUE(store.Flush());
  }
  ProgramRun run;
  run.Start();
  const QRect placed = run.Controller().MainWindow()->frameGeometry();
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(placed))
      << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
  EXPECT_EQ(run.Controller().MainWindow()->size(), QSize(900, 700));
}

}  // namespace

namespace {

struct DamagedCase {
  const char* name;
  std::string settingsFile;
};

// Settings edited by hand or damaged still give a window wholly on the screen.
TEST(MainDamagedSettingsTest, TheWindowStillLandsWhollyOnTheScreen) {
  if (std::getenv(kChildMarker) != nullptr) GTEST_SKIP() << "the child runs only its own test";
  const DamagedCase cases[] = {
      {"far away and oddly sized",
       "[Global]\nBBT=753951\n[Window%20Position]\nLeft=-99999\nTop=99999\nWidth=-50\nHeight=30000\n"},
      {"not numbers", "[Global]\nBBT=753951\n[Window%20Position]\nLeft=abc\nTop=\nWidth=1e9\nHeight=x\n"},
      {"not a settings file", std::string("\x00\xFF[[[\n=\n\x82\xA0garbage", 17)},
  };
  for (const DamagedCase& c : cases) {
    isolated::RemoveSettingsFiles();
    isolated::WriteFile(isolated::UserSettingsFile(), c.settingsFile);
    ProgramRun run;
    run.Start();
    const QRect placed = run.Controller().MainWindow()->frameGeometry();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(placed))
        << c.name << ": " << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
    EXPECT_GE(placed.width(), ApplicationWindow::kMinimumWidth) << c.name;
    EXPECT_GE(placed.height(), ApplicationWindow::kMinimumHeight) << c.name;
  }
}

}  // namespace
