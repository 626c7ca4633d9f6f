// Menu and tool bar commands that reach the controller through the cell behaviour: Clone
// Read from the menu and the tool bar, the COM port dialog, the About box, the options that
// are kept at once; and Save of a document with warnings, which corrects it first.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "MainTestSupport.h"
#include "base/indEnviron.h"
#include "memory/YourCallList.h"
#include "platform/FileDialog.h"
#include "support/DesktopInput.h"
#include "support/IsolatedUserFolders.h"
#include "text/ApplicationTexts.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"
#include "ui/AboutBox.h"
#include "ui/ComPortDialog.h"
#include "ui/cuiMenu.h"
#include "ui/cuiToolBar.h"
#include "workflows/DocumentCommands.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPort = 9;

std::string Text(const char* key) { return ApplicationTexts().GetValueText(key); }

// Answers the save dialog once with path, in the newest format.
class OneSaveDialog final : public FileDialog {
 public:
  explicit OneSaveDialog(std::string path) : path_(std::move(path)), previous_(InstallFileDialog(this)) {}
  ~OneSaveDialog() override { InstallFileDialog(previous_); }
  FileDialogAnswer Ask(const FileDialogRequest& request) override { return {true, path_, request.filterIndex}; }

 private:
  std::string path_;
  FileDialog* previous_;
};

class CommandRoutingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    isolated::RemoveSettingsFiles();
    run.Start();
  }
  void TearDown() override { ::unsetenv(PortVariable().c_str()); }
  static std::string PortVariable() { return "TESSEL_PORT_" + std::to_string(kPort); }

  indMain& Main() { return run.Controller(); }
  EnvironSettings& Settings() { return run.Process().Environ().settings; }
  std::vector<MessageRequest>& Asked() { return run.Messages().asked; }
  void Trigger(unsigned cellId) { ChooseMenuEntry(Main(), cellId); }
  QAction* ToolButton(const QString& hint) {
    for (QAction* action : Main().ToolBar()->Bar()->actions()) {
      if (action->toolTip() == hint) return action;
    }
    return nullptr;
  }

  ProgramRun run;
};

TEST_F(CommandRoutingTest, CloneReadFromTheMenuOrTheToolBarStartsTheChainOnTheChosenPort) {
  const std::string missing = (fs::temp_directory_path() / ("tessel-no-port-" + std::to_string(::getpid()))).string();
  ::setenv(PortVariable().c_str(), missing.c_str(), 1);
  Settings().comPort = kPort;
  const std::string refused = "Cannot access COM " + std::to_string(kPort) + ".";
  const std::function<void()> ways[] = {
      [&] { Trigger(CL_Menu_Clone_Read); },
      [&] { desktop::ClickToolButton(*Main().ToolBar()->Bar(), *ToolButton(QStringLiteral("Clone Read"))); }};
  for (const auto& chooseCloneRead : ways) {
    Asked().clear();
    chooseCloneRead();
    PumpUntil([&] { return !Asked().empty(); });
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].text.rfind(refused, 0), 0u) << Asked()[0].text;
    EXPECT_NE(Asked()[0].text.find(missing), std::string::npos) << "the device path is named";
    EXPECT_TRUE(Main().MainWindow()->isEnabled()) << "the failed chain gave the window back";
  }
}

TEST_F(CommandRoutingTest, TheComPortDialogRefusesNumbersOutsideTheRangeAndKeepsAnother) {
  Settings().comPort = 0;
  bool refusedKeptOpen = false;
  WhenShown<ComPortDialog>([&](ComPortDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("COM Port Setting"));
    EXPECT_TRUE(dialog.PortBox().currentText().isEmpty()) << "no port chosen yet";
    for (const char* typed : {"0", "257", "x"}) {
      dialog.PortBox().setEditText(QString::fromLatin1(typed));
      desktop::ClickOn(dialog.OkButton());
    }
    refusedKeptOpen = dialog.isVisible();
    dialog.PortBox().setEditText(QStringLiteral(" 12 "));
    desktop::ClickOn(dialog.OkButton());
  });
  Trigger(CL_Menu_Port_Usb);
  EXPECT_TRUE(refusedKeptOpen);
  ASSERT_EQ(Asked().size(), 3u);
  for (const MessageRequest& message : Asked()) {
    EXPECT_EQ(message.text, Text("GI_AppInd_Opt_ComSel_OutofRange"));
    EXPECT_EQ(message.icon, MessageIcon::Error);
  }
  EXPECT_EQ(Settings().comPort, 12);

  WhenShown<ComPortDialog>([](ComPortDialog& dialog) {
    EXPECT_EQ(dialog.PortBox().currentText(), QStringLiteral("12"));
    dialog.PortBox().setEditText(QStringLiteral("3"));
    dialog.reject();
  });
  Trigger(CL_Menu_Port_Usb);
  EXPECT_EQ(Settings().comPort, 12) << "Cancel keeps the port";
}

TEST_F(CommandRoutingTest, TheAboutBoxShowsTheVersionAndTheYearOverTheBlockedWindow) {
  QString label;
  bool mainWindowBlocked = false;
  WhenShown<AboutBox>([&](AboutBox& about) {
    label = about.Label().text();
    mainWindowBlocked = about.isModal() && about.parentWidget() == Main().MainWindow();
    desktop::ClickOn(about.OkButton());
  });
  Trigger(CL_Help_About);
  const VersionTexts& versions = Main().Versions();
  EXPECT_EQ(label,
            QString::fromStdString("Version " + versions.version + "\nCopyright (C) " + versions.year + " Quor Inc."));
  EXPECT_TRUE(mainWindowBlocked);
}

TEST_F(CommandRoutingTest, OptionsChosenFromTheMenuAreKeptAtOnce) {
  const KeyValueStore& store = run.Process().Environ().UserStore();
  const std::string key = run.Process().Environ().UserKey() + "\\Global";
  Trigger(CL_Menu_CallSign_AutoCorrect);
  EXPECT_EQ(store.ReadInteger(key, "Auto Correct"), Settings().autoCorrect);
  for (QAction* action : Main().MainWindow()->findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("&High Speed")) {
      desktop::ChooseMenuEntry(*Main().MainWindow()->menuBar(), *action);
    }
  }
  EXPECT_EQ(Settings().comSpeedHigh, 1);
  EXPECT_EQ(store.ReadInteger(key, "ComSpeedHigh"), 1);
}

TEST_F(CommandRoutingTest, SaveWithWarningsAsksThenWritesTheCorrectedImageWithItsDigestLine) {
  cmcEeprom& document = Main().Doc().CurrentImage();
  MakeTwoIdenticalYourCalls(document);
  Main().Doc().IsModified();
  const fs::path file = fs::temp_directory_path() / ("tessel-warn-" + std::to_string(::getpid()) + ".qmf");
  OneSaveDialog dialog(file.string());
  run.Messages().answers = {kAnswerYes};
  Trigger(CL_Menu_File_Save);

  ASSERT_EQ(Asked().size(), 1u);
  EXPECT_EQ(Asked()[0].text, Text("GI_Mess_Confirm_WarnMark"));
  EXPECT_EQ(Asked()[0].defaultAnswer, kAnswerNo);
  EXPECT_EQ(YourCallCount(document), 1) << "the document was corrected";
  EXPECT_FALSE(Main().Doc().IsModified());
  std::ifstream in(file, std::ios::binary);
  const std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_NE(contents.find("\r\n#CD="), std::string::npos) << "the radio may load the file";
  SetYourCallCount(document, 2);  // changed again, and not saved: the reopen shows the file
  run.Messages().answers = {kAnswerNo};
  ASSERT_EQ(Main().Documents().OpenFile(file.string()), 0);
  EXPECT_EQ(YourCallCount(Main().Doc().CurrentImage()), 1) << "the file holds the corrected list";
  fs::remove(file);
}

}  // namespace
