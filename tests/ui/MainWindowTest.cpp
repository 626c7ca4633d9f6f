// The window program as a user meets it: started with empty settings, every tree node, the
// menus and tool bar asking the cell behaviour, the warning marks, the language switch, a
// restart, a second copy.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QToolBar>
#include <QTreeWidget>
#include <filesystem>
#include <map>

#include "MainTestSupport.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "manual/ProgramVersion.h"
#include "sheet/layout/BodyLines.h"
#include "support/DesktopInput.h"
#include "support/IsolatedUserFolders.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"
#include "ui/DisplayText.h"
#include "ui/ViewMenuCommands.h"
#include "ui/cuiGrid.h"
#include "ui/cuiMenu.h"
#include "ui/cuiSheet.h"
#include "ui/cuiToolBar.h"
#include "ui/iuiTree.h"

namespace {

std::vector<QTreeWidgetItem*> AllNodes(QTreeWidget& tree) {
  std::vector<QTreeWidgetItem*> nodes;
  std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
    nodes.push_back(item);
    for (int i = 0; i < item->childCount(); ++i) walk(item->child(i));
  };
  for (int i = 0; i < tree.topLevelItemCount(); ++i) walk(tree.topLevelItem(i));
  return nodes;
}

QTreeWidgetItem* NodeNamed(cuiTree& tree, const std::string& sheetName) {
  QTreeWidgetItem* node = tree.FindBySheetName(sheetName);
  EXPECT_NE(node, nullptr) << sheetName;
  return node;
}

std::string OpenSheetName(indMain& main) {
  return main.CurrentSheet() != nullptr ? main.CurrentSheet()->Layout().GetName() : std::string();
}

QString CaptionOf(std::string_view definition) {
  cmcCellObj cell;
  ParseCellDefinition(cell, definition, nullptr, nullptr);
  return QString::fromStdString(ToUtf8(cell.caption, CodePage::Cp932));
}

// The caption a table gives the n-th line of a menu or tree body.
QString CaptionInTable(TableLanguage language, const std::string& bodyKey, int n) {
  cmcGTex texts;
  texts.SelectLineTable(LineTableOf(language));
  std::string line = texts.GetLine(bodyKey, n);
  return CaptionOf(std::string_view(line).substr(line.find('+') + 1));
}

// The captions a table gives the outermost entries of a menu or tool bar, without separators.
QStringList OuterCaptionsInTable(TableLanguage language, const std::string& key) {
  cmcGTex texts;
  texts.SelectLineTable(LineTableOf(language));
  QStringList captions;
  for (const BodyLine& line : ReadIndentedBody(texts, key)) {
    const QString caption = CaptionOf(line.definition);
    if (line.depth == 0 && caption != QStringLiteral("-")) captions << caption;
  }
  return captions;
}

bool SystemIsJapanese() { return QLocale::system().language() == QLocale::Japanese; }

// Runs the current test again in a program of its own whose system locale is locale (Qt
// reads the system locale once per process); succeeds when the test ran there and passed.
::testing::AssertionResult PassesUnderSystemLocale(const char* locale) {
  const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"LC_ALL", "LANG"}) {
    environment.insert(QString::fromLatin1(variable), QString::fromLatin1(locale));
  }
  environment.remove(QStringLiteral("LANGUAGE"));
  QProcess copy;
  copy.setProcessEnvironment(environment);
  copy.setProcessChannelMode(QProcess::MergedChannels);
  const std::string filter = std::string("--gtest_filter=") + test.test_suite_name() + "." + test.name();
  copy.start(QCoreApplication::applicationFilePath(), {QString::fromStdString(filter)});
  if (!copy.waitForFinished(60000)) return ::testing::AssertionFailure() << "no end under " << locale;
  const std::string output = copy.readAll().toStdString();
  if (copy.exitCode() != 0 || output.find("[  PASSED  ] 1 test.") == std::string::npos) {
    return ::testing::AssertionFailure() << "under " << locale << ":\n" << output;
  }
  return ::testing::AssertionSuccess();
}

constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
constexpr const char* kBankA = "[St_CCBank]GI_Sheet_BankCH,21";
constexpr const char* kCallChannels = "[St_ColCut]GI_Sheet_CallCh,47";

// Stands in for the cell behaviour dispatcher: answers the states a test sets per cell
// identifier and index, and keeps the actions it is sent.
struct ScriptedBehaviour {
  struct State {
    unsigned cellId;
    int32_t index;
    int flag;
    std::string caption;  // with flag 3
  };
  std::vector<State> states;
  std::vector<std::pair<unsigned, int32_t>> warnings;  // checks that find a warning
  std::vector<std::pair<unsigned, int32_t>> errors;
  std::vector<cmcCellCapsule> actions;

  static bool Lists(const std::vector<std::pair<unsigned, int32_t>>& list, const cmcCellObj& cell) {
    return std::ranges::find(list, std::make_pair(cell.cellId, cell.index)) != list.end();
  }

  static int Handle(cmcCellCapsule& request, int op, void* object) {
    auto& self = *static_cast<ScriptedBehaviour*>(object);
    cmcCellObj& cell = *request.cell;
    if (op == kCellAction) {
      self.actions.push_back(request);
      return kCellResultNothing;
    }
    if (Lists(self.errors, cell)) request.flags |= kRequestErrorMark;
    if (Lists(self.warnings, cell)) request.flags |= kRequestWarningMark;
    for (const State& state : self.states) {
      if (state.cellId != cell.cellId || state.index != cell.index) continue;
      cell.SetStateFlag(state.flag, true);
      if (state.flag == 3) cell.caption = state.caption;
    }
    return kCellResultNothing;
  }
};

// A separator stands only between two buttons, and every button shows its picture.
void ExpectToolBarShape(const cuiToolBar& toolBar) {
  const QList<QAction*> actions = toolBar.Bar()->actions();
  ASSERT_FALSE(actions.isEmpty());
  EXPECT_FALSE(actions.front()->isSeparator());
  EXPECT_FALSE(actions.back()->isSeparator());
  for (qsizetype i = 0; i + 1 < actions.size(); ++i) {
    EXPECT_FALSE(actions[i]->isSeparator() && actions[i + 1]->isSeparator()) << "after " << i;
  }
  for (const QAction* action : actions) {
    if (!action->isSeparator()) EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { isolated::RemoveSettingsFiles(); }
};

TEST_F(MainWindowTest, StartsWithEmptySettingsOnTheTopPageUnderTheModelName) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  ApplicationWindow& window = *main.MainWindow();

  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Untitled.qmf - Tessel"));
  EXPECT_EQ(main.Tree()->Widget().topLevelItem(0)->text(0), QStringLiteral("Vanta III"));
  EXPECT_EQ(OpenSheetName(main), "GI_Sheet_TopPage");
  EXPECT_EQ(run.Process().Environ().settings.destinationCode, 16);

  QStringList menus;
  for (const QAction* action : window.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
                                QStringLiteral("COM &Port"), QStringLiteral("&Clone"), QStringLiteral("&Option"),
                                QStringLiteral("&Help")}));
  QStringList buttons;
  for (const QAction* action : main.ToolBar()->Bar()->actions()) {
    if (!action->isSeparator()) buttons << action->toolTip();
  }
  EXPECT_EQ(buttons, (QStringList{QStringLiteral("New"), QStringLiteral("Open"), QStringLiteral("Save"),
                                  QStringLiteral("Undo"), QStringLiteral("Redo"), QStringLiteral("Clone Read"),
                                  QStringLiteral("Clone Write"), QStringLiteral("Clone Info."), QStringLiteral("Print"),
                                  QStringLiteral("Print Preview"), QStringLiteral("Help")}));
  ExpectToolBarShape(*main.ToolBar());
}

// The top page names the program's version and shows the whole copyright line: each of the
// two cells is sized by a caption no narrower than the text it shows.
TEST_F(MainWindowTest, TheTopPageShowsTheVersionAndTheWholeCopyrightLine) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  ASSERT_EQ(OpenSheetName(main), "GI_Sheet_TopPage");
  cuiSheet& sheet = *main.CurrentSheet();
  const SheetLayout& layout = sheet.Layout();
  const QFontMetrics metrics(sheet.Grid().font());
  std::map<unsigned, std::string> shown;
  for (int row = 0; row < layout.RowCount(); ++row) {
    for (int column = 0; column < layout.ColumnCount(); ++column) {
      const cmcCellObj& cell = layout.GetCell(column, row);
      if (cell.cellId != CL_Top_Version && cell.cellId != CL_Top_Copyright) continue;
      cmcCellCapsule request;
      sheet.PrepareRequest(column, row, request);
      main.CellBehaviour()(request, kCellQuery);
      shown[cell.cellId] = request.outputText;
      EXPECT_LE(metrics.horizontalAdvance(DisplayText(request.outputText)),
                metrics.horizontalAdvance(DisplayText(cell.caption)))
          << request.outputText;
    }
  }
  EXPECT_EQ(shown[CL_Top_Version], "Version " + std::string(ProgramVersion()));
  EXPECT_TRUE(shown[CL_Top_Copyright].ends_with("All rights reserved.")) << shown[CL_Top_Copyright];
}

TEST_F(MainWindowTest, EveryTreeNodeOpensTheSheetItNames) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  cuiTree& tree = *main.Tree();
  const auto nodes = AllNodes(tree.Widget());
  ASSERT_GT(nodes.size(), 200u);
  for (QTreeWidgetItem* node : nodes) {
    cmcCellObj& cell = *tree.CellOf(node);
    ASSERT_EQ(cell.cellId, CallSheet) << node->text(0).toStdString();
    tree.onActivate(cell);
    EXPECT_EQ(OpenSheetName(main), cell.argument);
    EXPECT_TRUE(main.CurrentSheet()->isVisible()) << cell.argument;
  }
}

TEST_F(MainWindowTest, ASelectedNodeOpensItsSheetAfterTheTreeChangeDelay) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  QElapsedTimer clock;
  main.Tree()->Widget().setCurrentItem(NodeNamed(*main.Tree(), kCallChannels));
  clock.start();
  PumpFor(100);
  EXPECT_EQ(OpenSheetName(main), "GI_Sheet_TopPage") << "not before the delay";
  ASSERT_TRUE(PumpUntil([&] { return OpenSheetName(main) == kCallChannels; }));
  EXPECT_GE(clock.elapsed(), 190);
}

TEST_F(MainWindowTest, ASheetOpensAgainWhereItWasLeft) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  main.OpenSheet(kMemory100);
  main.CurrentSheet()->Grid().SetCurrentCell(5, 40);
  const SheetPosition left = main.CurrentSheet()->GetPosition();
  main.OpenSheet(kCallChannels);
  main.OpenSheet(kMemory100);
  EXPECT_EQ(main.CurrentSheet()->GetPosition(), left);
  EXPECT_EQ(main.HistoryPosition(kCallChannels).IsSet(), true);
}

TEST_F(MainWindowTest, AViewChangeReopensTheSheetAtItsPosition) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  main.OpenSheet(kMemory100);
  main.CurrentSheet()->Grid().SetCurrentCell(7, 60);
  const SheetPosition left = main.CurrentSheet()->GetPosition();
  main.CurrentSheet()->setProperty("before", true);  // an address may be reused, a property not
  run.Events().Send(EV_ViewChanged);
  EXPECT_FALSE(main.CurrentSheet()->property("before").isValid()) << "a new sheet";
  EXPECT_EQ(OpenSheetName(main), kMemory100);
  EXPECT_EQ(main.CurrentSheet()->GetPosition(), left);
}

TEST_F(MainWindowTest, TheDeferredWarningCheckRunsOnceAfterTheLastEdit) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  ScriptedBehaviour behaviour;
  main.SetCellBehaviour({&ScriptedBehaviour::Handle, &behaviour});
  behaviour.warnings = {{CL_Check_MemoryCHC, 0}};
  QTreeWidgetItem* call = NodeNamed(*main.Tree(), kCallChannels);
  QElapsedTimer clock;
  clock.start();
  main.StartWarningCheckDelay();
  PumpFor(150);
  EXPECT_EQ(main.Tree()->OverlayOf(call), TreeOverlay::None);
  main.StartWarningCheckDelay();  // a later edit starts the delay again
  clock.restart();
  ASSERT_TRUE(PumpUntil([&] { return main.Tree()->OverlayOf(call) == TreeOverlay::Warning; }));
  EXPECT_GE(clock.elapsed(), 240);
}

TEST_F(MainWindowTest, FontSizeChangeReopensTheSheetWithTheNewSize) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  QAction* size150 = nullptr;
  for (QAction* action : main.MainWindow()->findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("&5 150% (Big)")) size150 = action;
  }
  ASSERT_NE(size150, nullptr);
  desktop::ChooseMenuEntry(*main.MainWindow()->menuBar(), *size150);
  EXPECT_EQ(run.Process().Environ().settings.fontSizePercentage, 150);
  EXPECT_TRUE(size150->isChecked());
  ASSERT_TRUE(PumpUntil([&] { return main.CurrentSheet() != nullptr; }));
  EXPECT_EQ(OpenSheetName(main), "GI_Sheet_TopPage");
}

struct LanguageCase {
  std::int32_t answer;
  int languageAfter;
};

class LanguageSwitchTest : public MainWindowTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageSwitchTest, JapaneseOnAWesternSystemIsAskedFirst) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  run.Messages().answers = {GetParam().answer};
  main.ViewMenu().ViewLanguage(1);
  ASSERT_EQ(run.Messages().asked.size(), 1u);
  EXPECT_EQ(run.Messages().asked[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(run.Messages().asked[0].defaultAnswer, kAnswerCancel);
  PumpFor(100);
  EXPECT_EQ(run.Process().Environ().settings.displayLanguage, GetParam().languageAfter);
  const TableLanguage table =
      GetParam().languageAfter == 1 ? TableLanguage::JapaneseWesternChrome : TableLanguage::English;
  QTreeWidgetItem* memoryFolder = main.Tree()->Widget().topLevelItem(0)->child(0);
  EXPECT_EQ(memoryFolder->text(0), CaptionInTable(table, "GI_Tree_Main_Body", 1));
  EXPECT_EQ(main.MainWindow()->menuBar()->actions().front()->text(), CaptionInTable(table, "GI_Menu_Main_Body", 0));
  EXPECT_TRUE(PumpUntil([&] { return main.CurrentSheet() != nullptr; })) << "a sheet opens again";
}

INSTANTIATE_TEST_SUITE_P(Answers, LanguageSwitchTest,
                         ::testing::Values(LanguageCase{kAnswerOk, 1}, LanguageCase{kAnswerCancel, 0}));

TEST_F(MainWindowTest, JapaneseTablesRenameTheTreeAndCheckTheMenuEntry) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  run.Messages().answers = {kAnswerOk};
  main.ViewMenu().ViewLanguage(1);
  ASSERT_TRUE(PumpUntil([&] {
    return main.Tree()->Widget().topLevelItem(0)->child(0)->text(0) ==
           CaptionInTable(TableLanguage::JapaneseWesternChrome, "GI_Tree_Main_Body", 1);
  }));
  EXPECT_NE(CaptionInTable(TableLanguage::JapaneseWesternChrome, "GI_Tree_Main_Body", 1), QStringLiteral("Memory CH"));
  main.Menu()->Refresh();
  const QAction* japanese = nullptr;
  for (const QAction* action : main.MainWindow()->findChildren<QAction*>()) {
    if (action->text() == CaptionInTable(TableLanguage::JapaneseWesternChrome, "GI_Menu_Main_Body", 55)) {
      japanese = action;
    }
  }
  ASSERT_NE(japanese, nullptr);
  EXPECT_TRUE(japanese->isChecked());
}

struct SystemCase {
  bool japanese;
  const char* locale;   // a locale of such a system
  TableLanguage table;  // what choosing Japanese selects there
};

class JapaneseFromTheMenuTest : public MainWindowTest, public ::testing::WithParamInterface<SystemCase> {};

// View > Language > Japanese as the user clicks it: after the question a Western system asks,
// the menu bar, the tool bar hints and the status note all come from the table chosen for the
// system, which on a Western system keeps the window chrome English.
TEST_P(JapaneseFromTheMenuTest, RebuildsMenuBarToolBarAndStatusNoteFromTheChosenTable) {
  const SystemCase& system = GetParam();
  if (SystemIsJapanese() != system.japanese) {
    EXPECT_TRUE(PassesUnderSystemLocale(system.locale));
    return;
  }
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  ApplicationWindow& window = *main.MainWindow();
  const QString japaneseEntry = CaptionInTable(TableLanguage::English, "GI_Menu_Main_Body", 55);
  QAction* entry = nullptr;
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == japaneseEntry) entry = action;
  }
  ASSERT_NE(entry, nullptr);
  run.Messages().answers = {kAnswerOk};
  desktop::ChooseMenuEntry(*window.menuBar(), *entry);
  EXPECT_EQ(run.Messages().asked.size(), system.japanese ? 0u : 1u);

  const auto menuTitles = [&window] {
    QStringList titles;
    for (const QAction* action : window.menuBar()->actions()) titles << action->text();
    return titles;
  };
  const QString memoryFolder = CaptionInTable(system.table, "GI_Tree_Main_Body", 1);
  EXPECT_NE(memoryFolder, CaptionInTable(TableLanguage::English, "GI_Tree_Main_Body", 1));
  ASSERT_TRUE(PumpUntil([&] { return main.Tree()->Widget().topLevelItem(0)->child(0)->text(0) == memoryFolder; }));
  EXPECT_EQ(menuTitles(), OuterCaptionsInTable(system.table, "GI_Menu_Main"));
  QStringList hints;
  for (const QAction* action : main.ToolBar()->Bar()->actions()) {
    if (!action->isSeparator()) hints << action->toolTip();
  }
  EXPECT_EQ(hints, OuterCaptionsInTable(system.table, "GI_ToolBar_Main"));
  ExpectToolBarShape(*main.ToolBar());
}

INSTANTIATE_TEST_SUITE_P(Systems, JapaneseFromTheMenuTest,
                         ::testing::Values(SystemCase{false, "en_US.UTF-8", TableLanguage::JapaneseWesternChrome},
                                           SystemCase{true, "ja_JP.UTF-8", TableLanguage::Japanese}),
                         [](const auto& tested) { return tested.param.japanese ? "Japanese" : "Western"; });

TEST_F(MainWindowTest, SettingsSurviveARestart) {
  const QRect placed(40, 30, 700, 500);  // inside the 800 x 600 offscreen screen
  {
    ProgramRun run;
    run.Start();
    run.Controller().MainWindow()->setGeometry(placed);
    run.Controller().MainWindow()->SetLeftPanelWidth(260);
    run.Messages().answers = {kAnswerOk};
    run.Controller().ViewMenu().ViewLanguage(1);
    PumpFor(50);
  }
  ASSERT_TRUE(std::filesystem::exists(isolated::UserSettingsFile()));
  ProgramRun again;
  again.Start();
  EXPECT_EQ(again.Controller().MainWindow()->geometry(), placed);
  EXPECT_EQ(again.Process().Environ().settings.treePanelWidth, 260);
  EXPECT_EQ(again.Process().Environ().settings.displayLanguage, 1);
  EXPECT_EQ(again.Controller().Tree()->Widget().topLevelItem(0)->child(0)->text(0),
            CaptionInTable(TableLanguage::JapaneseWesternChrome, "GI_Tree_Main_Body", 1));
}

TEST_F(MainWindowTest, ASecondCopyEndsAtOnceWithOneLineOnStandardError) {
  ProgramRun run;
  run.Start();
  MainProcess second({"tessel"});
  EXPECT_FALSE(second.IsFirstInstance());

  const auto program = std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "app" / "tessel";
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "the window program is not built";
  QProcess copy;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  copy.setProcessEnvironment(environment);
  copy.start(QString::fromStdString(program.string()), {});
  ASSERT_TRUE(copy.waitForFinished(20000));
  EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(copy.exitCode(), 0);
  EXPECT_EQ(copy.readAllStandardError(), QByteArray("Tessel is already running.\n"));
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndKeepsItsPlace) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  main.MainWindow()->setGeometry(QRect(60, 40, 640, 420));
  ChooseMenuEntry(main, CL_Menu_File_Exit);
  EXPECT_FALSE(main.MainWindow()->isVisible());
  EXPECT_EQ(main.CurrentSheet(), nullptr);
  const EnvironSettings& settings = run.Process().Environ().settings;
  EXPECT_EQ(QRect(settings.windowLeft, settings.windowTop, settings.windowWidth, settings.windowHeight),
            QRect(60, 40, 640, 420));
}

TEST_F(MainWindowTest, CtrlQQuits) {
  ProgramRun run;
  run.Start();
  ApplicationWindow* window = run.Controller().MainWindow();
  ASSERT_TRUE(desktop::Activate(*window));
  desktop::Key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, SetupOnTheCommandLineInAnyLetterCaseIsNoted) {
  ProgramRun run({"tessel", "/SeTuP"});
  run.Start();
  EXPECT_EQ(run.Process().Environ().settings.startMode, EnvironSettings::kStartSetup);
  EXPECT_TRUE(run.Controller().MainWindow()->isVisible());
}

TEST_F(MainWindowTest, ClosingIsRefusedWhileACloneSessionDisablesTheWindow) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  run.Events().Send(EV_CloneStarted);
  EXPECT_FALSE(main.MainWindow()->close());
  EXPECT_TRUE(main.MainWindow()->isVisible());
  EXPECT_TRUE(run.Messages().asked.empty());
  run.Events().Send(EV_CloneEnded, 1);
  EXPECT_TRUE(main.MainWindow()->isEnabled());
}

TEST_F(MainWindowTest, MenuAndToolBarEntriesTakeTheirStatesFromTheCellBehaviour) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  ScriptedBehaviour behaviour;
  behaviour.states = {{CL_Menu_File_Save, 0, 2, ""},
                      {CL_Menu_Com_Speed, 1, 0, ""},
                      {CL_Menu_File_Recent, 2, 1, ""},
                      {CL_Menu_File_Recent, 0, 3, "&1 radio.qmf"}};
  main.SetCellBehaviour({&ScriptedBehaviour::Handle, &behaviour});
  main.Menu()->Refresh();
  run.Events().Send(EV_ToolBarRefresh);

  EXPECT_FALSE(main.Menu()->FindByCellId(CL_Menu_File_Save)->isEnabled());
  EXPECT_TRUE(main.Menu()->FindByCellId(CL_Menu_File_Open)->isEnabled());
  QStringList checkedSpeeds;
  QStringList recent;
  for (QAction* action : main.MainWindow()->findChildren<QAction*>()) {
    if (action->isChecked()) checkedSpeeds << action->text();
    if (action->text().contains(QStringLiteral("Recent File")) ||
        action->text().contains(QStringLiteral("radio.qmf"))) {
      recent << action->text() + (action->isVisible() ? QString() : QStringLiteral(" (hidden)"));
    }
  }
  EXPECT_TRUE(checkedSpeeds.contains(QStringLiteral("&High Speed")));
  EXPECT_FALSE(checkedSpeeds.contains(QStringLiteral("&Normal Speed")));
  recent.sort();
  EXPECT_EQ(recent, (QStringList{QStringLiteral("&1 radio.qmf"), QStringLiteral("Recent File"),
                                 QStringLiteral("Recent File"), QStringLiteral("Recent File (hidden)")}));
  QAction* saveButton = nullptr;
  for (QAction* action : main.ToolBar()->Bar()->actions()) {
    if (action->toolTip() == QStringLiteral("Save")) saveButton = action;
  }
  ASSERT_NE(saveButton, nullptr);
  EXPECT_FALSE(saveButton->isEnabled());

  ChooseMenuEntry(main, CL_Menu_Clone_Read);
  ASSERT_EQ(behaviour.actions.size(), 1u);
  EXPECT_EQ(behaviour.actions[0].key, kKeyEnter);
  EXPECT_EQ(behaviour.actions[0].cell->cellId, CL_Menu_Clone_Read);
}

TEST_F(MainWindowTest, AnEntryIsFilledFromAnotherKeyAndClearedAgain) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  ScriptedBehaviour behaviour;
  main.SetCellBehaviour({&ScriptedBehaviour::Handle, &behaviour});
  QAction* import = main.Menu()->FindByCellId(CL_Menu_File_Import_SubMenu);
  ASSERT_NE(import->menu(), nullptr);
  const auto captions = [&] {
    QStringList texts;
    for (const QAction* action : import->menu()->actions()) texts << action->text();
    return texts;
  };
  run.Events().Send(EV_MenuClearSub, 0, CL_Menu_File_Import_SubMenu);
  EXPECT_TRUE(captions().isEmpty());
  EXPECT_EQ(main.Menu()->FindByCellId(CL_Menu_File_Import_SubMenu_Grp), nullptr) << "its sets went too";

  run.Events().SendText(EV_MenuFillSub, 0, CL_Menu_File_Import_SubMenu, "GI_PMenu_Edit");
  EXPECT_EQ(captions(), (QStringList{QStringLiteral("Edit"), QStringLiteral("Help")}));
  ChooseMenuEntry(main, CL_PMenu_Help);
  ASSERT_EQ(behaviour.actions.size(), 1u);
  EXPECT_EQ(behaviour.actions[0].cell->category, CT_PopupMenu);
}

TEST_F(MainWindowTest, WarningCheckMarksNodesAndTheirCollapsedParentsErrorsWinning) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  ScriptedBehaviour behaviour;
  behaviour.warnings = {{CL_Check_MemoryCH1, 0}};
  behaviour.errors = {{CL_Check_BankCHA, 0}};
  main.SetCellBehaviour({&ScriptedBehaviour::Handle, &behaviour});
  int errors = -1;
  int warnings = -1;
  main.RunWarningCheck(errors, warnings);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(warnings, 1);

  cuiTree& tree = *main.Tree();
  QTreeWidgetItem* memory100 = NodeNamed(tree, kMemory100);
  QTreeWidgetItem* allFolder = memory100->parent();
  QTreeWidgetItem* memoryFolder = allFolder->parent();
  QTreeWidgetItem* bankA = NodeNamed(tree, kBankA);
  EXPECT_EQ(tree.OverlayOf(memory100), TreeOverlay::Warning);
  EXPECT_EQ(tree.OverlayOf(allFolder), TreeOverlay::Warning);
  EXPECT_EQ(tree.OverlayOf(bankA), TreeOverlay::Error);
  EXPECT_EQ(tree.OverlayOf(memoryFolder), TreeOverlay::Error) << "an error below wins over a warning";
  EXPECT_EQ(tree.OverlayOf(NodeNamed(tree, kCallChannels)), TreeOverlay::None);
  EXPECT_EQ(tree.OverlayOf(tree.Widget().topLevelItem(0)), TreeOverlay::None) << "the root is expanded";

  memoryFolder->setExpanded(true);
  EXPECT_EQ(tree.OverlayOf(memoryFolder), TreeOverlay::None) << "expanding re-runs the check";
  EXPECT_EQ(tree.OverlayOf(allFolder), TreeOverlay::Warning);
  EXPECT_EQ(tree.OverlayOf(bankA->parent()), TreeOverlay::Error);
}

TEST_F(MainWindowTest, NamedListNodesShowTheNamesStoredInTheImage) {
  ProgramRun run;
  run.Start();
  indMain& main = run.Controller();
  const std::string bankName = "\x82\xA0\x82\xA2            ";  // two double-byte characters
  const std::string groupName = "TOKYO           ";
  main.Doc().CurrentImage().WriteBlock(28624, reinterpret_cast<const std::uint8_t*>(bankName.data()), 16);
  main.Doc().CurrentImage().WriteBlock(85950 + 16 * 9, reinterpret_cast<const std::uint8_t*>(groupName.data()), 16);
  run.Events().Send(EV_RefreshAll);
  QTreeWidgetItem* bankA = NodeNamed(*main.Tree(), kBankA);
  QTreeWidgetItem* group10 = NodeNamed(*main.Tree(), "[St_RptList]GI_Sheet_RepeaterList,172,RptCH  9");
  ASSERT_TRUE(PumpUntil([&] { return group10->text(0).startsWith(QStringLiteral("10: ")); }));
  EXPECT_EQ(bankA->text(0), QStringLiteral("A: ====            "));
  EXPECT_EQ(group10->text(0), QStringLiteral("10: TOKYO           "));
}

TEST(MainTreeCaptionTest, AWesternDisplayShowsDoubleByteAndKanaAsPlaceholders) {
  struct Case {
    std::string caption;
    std::string shown;
  };
  const Case cases[] = {
      {"A: \x82\xA0\x82\xA2  ", "A: ====  "},
      {"B: \xB1\xB2x", "B: __x"},
      {"C: plain", "C: plain"},
      {"D: \x82", "D: =="},  // a lead byte at the end stands for a whole character
  };
  for (const Case& c : cases) EXPECT_EQ(iuiTree::WesternCaption(c.caption), c.shown) << c.shown;
}

}  // namespace
