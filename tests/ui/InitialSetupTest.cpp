// The initial setup as a first start meets it: the dialog in place of the main window, the
// three ways out of it (the radio over the cable, a clone file, Cancel), and the inputs it
// refuses while staying open. The radio is the simulator on a real pseudo-terminal.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "MainTestSupport.h"
#include "base/indEnviron.h"
#include "files/DocumentSave.h"
#include "files/FileError.h"
#include "memory/indDestination.h"
#include "platform/PseudoTerminal.h"
#include "support/DesktopInput.h"
#include "support/IsolatedUserFolders.h"
#include "support/ScriptedFileDialog.h"
#include "text/ApplicationTexts.h"
#include "text/Codepage.h"
#include "text/cmcGTex.h"
#include "tools/radio-sim/RadioSimEngine.h"
#include "tools/radio-sim/RadioSimImage.h"
#include "ui/CloneMenuCommands.h"
#include "ui/PortNumberBox.h"
#include "ui/TForm2.h"
#include "workflows/CloneCommands.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPort = 9;
constexpr int kNoDestination = 16;
constexpr int kSessionTimeoutMs = 20000;

std::string Text(const char* key) { return ToUtf8(ApplicationTexts().GetValueText(key), CodePage::Cp1252); }

class InitialSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    isolated::RemoveSettingsFiles();
    folder_ = fs::temp_directory_path() / ("tessel-setup-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    run_.reset();
    ::unsetenv(PortVariable().c_str());
    fs::remove_all(folder_);
  }

  static std::string PortVariable() { return "TESSEL_PORT_" + std::to_string(kPort); }

  // The program started with arguments and stored as a destination (none: a first start),
  // stopped at the setup.
  TForm2& StartToSetup(std::vector<std::string> arguments = {"tessel"}, int destination = kNoDestination) {
    run_ = std::make_unique<ProgramRun>(std::move(arguments));
    EnvironSettings& settings = Settings();
    settings.destinationCode = destination;
    settings.transType = 3;  // no echo, as the simulated cable
    indDestination(destination).ApplyDestination();
    run_->StartToSetup();
    TForm2* setup = Main().InitialSetup();
    EXPECT_NE(setup, nullptr);
    return *setup;
  }

  // The simulated radio of destination on the line that port number kPort names.
  void Serve(int destination) {
    OpenLine();
    RadioSimOptions options;
    options.identity.destination = destination;
    options.identity.serial = "1A2B2D0089ABCD";
    radio_ = std::make_unique<RadioSimEngine>(line_, NewRadioImage(destination), options);
    radio_->Start();
  }

  void OpenLine() {
    ASSERT_EQ(line_.Open({}, {}), SerialError::None) << line_.ErrorText();
    ::setenv(PortVariable().c_str(), line_.SlavePath().c_str(), 1);
  }

  std::string SaveClone(const std::string& name, int destination) {
    const std::string path = (folder_ / name).string();
    EXPECT_EQ(SaveDocumentFile(Main().Doc().DefaultsImage(), path, {DocumentFile::kNewestGeneration, destination, true},
                               Main().Doc().DefaultsImage(), {}),
              FileError::kNone);
    return path;
  }

  // Picks path with the file button (the dialog answered from the script), then clicks OK.
  void ChooseFileAndConfirm(TForm2& setup, const std::string& path) {
    desktop::ClickOn(setup.RbQmf());
    if (!path.empty()) {
      files_.answers.push_back({true, path, 0});
      desktop::ClickOn(setup.BtQmfSel());
    }
    desktop::ClickOn(setup.Button1());
  }

  // Types the port number over what the port box holds and presses Enter.
  static void TypePortAndConfirm(TForm2& setup, const QString& typed) {
    desktop::ReplaceText(*setup.CbComm().lineEdit(), typed);
    desktop::Enter();
  }

  ::testing::AssertionResult SetupClosed() {
    if (PumpUntil([&] { return Main().InitialSetup() == nullptr && Main().MainWindowVisible(); }, kSessionTimeoutMs)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "setup shown: " << (Main().InitialSetup() != nullptr)
                                         << ", main window shown: " << Main().MainWindowVisible();
  }

  indMain& Main() { return run_->Controller(); }
  EnvironSettings& Settings() { return run_->Process().Environ().settings; }
  std::vector<MessageRequest>& Asked() { return run_->Messages().asked; }

  // A blank document of the destination now set: nothing of a file or radio taken over.
  void ExpectBlankUntitledDocument() {
    Document& document = Main().Doc();
    EXPECT_TRUE(document.FileName().empty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.CurrentImage().IsEqual(document.DefaultsImage()));
  }

  fs::path folder_;
  ScriptedFileDialog files_;
  std::unique_ptr<ProgramRun> run_;
  PseudoTerminal line_;
  std::unique_ptr<RadioSimEngine> radio_;
};

TEST_F(InitialSetupTest, AFirstStartShowsTheSetupAndCancelShowsTheMainWindowWithoutADestination) {
  TForm2& setup = StartToSetup();
  EXPECT_TRUE(setup.isVisible());
  EXPECT_FALSE(Main().MainWindowVisible());
  const std::string firstLine = Text("GI_App_InitialSetup_Memo_Caption").substr(0, 20);
  EXPECT_TRUE(setup.Memo1().toPlainText().startsWith(QString::fromStdString(firstLine)));
  EXPECT_FALSE(setup.Memo1().toPlainText().contains(QLatin1Char('#')));
  EXPECT_TRUE(setup.RbCom().isChecked());
  EXPECT_TRUE(setup.CbComm().isEnabled());
  EXPECT_FALSE(setup.BtQmfSel().isEnabled());

  desktop::ClickOn(setup.RbQmf());
  EXPECT_FALSE(setup.CbComm().isEnabled());
  EXPECT_TRUE(setup.BtQmfSel().isEnabled());
  EXPECT_TRUE(setup.LbQmfName().isEnabled());
  desktop::ClickOn(setup.RbCom());
  EXPECT_TRUE(setup.CbComm().isEnabled());
  EXPECT_FALSE(setup.BtQmfSel().isEnabled());

  desktop::KeyIn(setup, Qt::Key_Escape);
  ASSERT_TRUE(SetupClosed());
  EXPECT_EQ(Settings().destinationCode, kNoDestination);
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(area.contains(Main().MainWindow()->frameGeometry())) << "the main window lies on the setup's monitor";
  EXPECT_TRUE(PumpUntil([&] { return Main().CurrentSheet() != nullptr; }));
}

TEST_F(InitialSetupTest, SetupOnTheCommandLineShowsItDespiteAStoredDestination) {
  TForm2& setup = StartToSetup({"tessel", "/SETUP"}, 3);
  EXPECT_FALSE(Main().MainWindowVisible());
  desktop::ClickOn(setup.Button2());
  ASSERT_TRUE(SetupClosed());
  EXPECT_EQ(Settings().destinationCode, 3);
}

// A first start with a clone file named on the command line, as a double-click in the file
// manager gives it: the file's destination is taken and stored, and the main window shows the
// file; no setup, no question.
TEST_F(InitialSetupTest, AFirstStartWithACloneFileOpensItUnderItsDestinationWithoutTheSetup) {
  constexpr int kFileDestination = 2;
  StartToSetup();
  const std::string path = SaveClone("radio.qmf", kFileDestination);
  run_.reset();
  isolated::RemoveSettingsFiles();

  run_ = std::make_unique<ProgramRun>(std::vector<std::string>{"tessel", path});
  run_->StartToSetup();
  EXPECT_EQ(Main().InitialSetup(), nullptr);
  ASSERT_TRUE(Main().MainWindowVisible());
  EXPECT_TRUE(Asked().empty()) << Asked()[0].text;
  EXPECT_EQ(Main().Doc().FileName(), path);
  EXPECT_FALSE(Main().Doc().IsModified());
  EXPECT_TRUE(Main().MainWindow()->windowTitle().startsWith(QStringLiteral("radio.qmf")));
  EXPECT_EQ(Settings().destinationCode, kFileDestination);
  EXPECT_EQ(indDestination::Current().Code(), kFileDestination);
  EXPECT_TRUE(PumpUntil([&] { return Main().CurrentSheet() != nullptr; }));

  run_.reset();
  run_ = std::make_unique<ProgramRun>();
  EXPECT_EQ(Settings().destinationCode, kFileDestination) << "the destination was stored";
}

// A file named at a first start that gives no destination shows its error, then the setup,
// and stays closed.
TEST_F(InitialSetupTest, AFirstStartWithAFileThatGivesNoDestinationShowsItsErrorThenTheSetup) {
  StartToSetup();
  const std::string clone = SaveClone("radio.qmf", 4);
  const std::string noDestination = SaveClone("none.qmf", kNoDestination);
  const std::string notClone = (folder_ / "notes.qmf").string();
  std::ofstream(notClone) << "hello\n";
  run_.reset();
  const struct {
    const char* what;
    std::vector<std::string> arguments;
    int stored;
    std::size_t messages;
  } cases[] = {
      {"a missing file", {"tessel", (folder_ / "missing.qmf").string()}, kNoDestination, 1},
      {"not a clone file", {"tessel", notClone}, kNoDestination, 1},
      {"a file of no destination", {"tessel", noDestination}, kNoDestination, 1},
  };
  for (const auto& c : cases) {
    isolated::RemoveSettingsFiles();
    TForm2& setup = StartToSetup(c.arguments, c.stored);
    EXPECT_TRUE(setup.isVisible()) << c.what;
    EXPECT_FALSE(Main().MainWindowVisible()) << c.what;
    EXPECT_EQ(Asked().size(), c.messages) << c.what;
    EXPECT_EQ(Settings().destinationCode, c.stored) << c.what;
    desktop::ClickOn(setup.Button2());
    ASSERT_TRUE(SetupClosed()) << c.what;
    EXPECT_TRUE(Main().Doc().FileName().empty()) << c.what;
    run_.reset();
  }
}

// "/setup" shows the setup whatever file is named; the file opens once the setup has closed,
// its question (another destination) no longer standing over the setup.
TEST_F(InitialSetupTest, SetupOnTheCommandLineOpensTheNamedFileAfterIt) {
  StartToSetup();
  const std::string clone = SaveClone("radio.qmf", 4);
  run_.reset();
  isolated::RemoveSettingsFiles();
  TForm2& setup = StartToSetup({"tessel", "/setup", clone}, 3);
  EXPECT_FALSE(Main().MainWindowVisible());
  EXPECT_TRUE(Asked().empty()) << Asked()[0].text;
  run_->Messages().answers = {kAnswerYes};  // take the file's destination
  desktop::ClickOn(setup.Button2());
  ASSERT_TRUE(SetupClosed());
  ASSERT_EQ(Asked().size(), 1u);
  EXPECT_EQ(Main().Doc().FileName(), clone);
  EXPECT_EQ(Settings().destinationCode, 4);
}

TEST_F(InitialSetupTest, APortNumberOutsideOneTo256IsRefusedAndTheSetupStays) {
  TForm2& setup = StartToSetup();
  for (const char* typed : {"", "abc", "0", "257", "12x"}) {
    Asked().clear();
    TypePortAndConfirm(setup, QString::fromLatin1(typed));
    ASSERT_EQ(Asked().size(), 1u) << typed;
    EXPECT_EQ(Asked()[0].text, Text("GI_AppInd_Opt_ComSel_Notice")) << typed;
    EXPECT_EQ(Asked()[0].icon, MessageIcon::Error) << typed;
    EXPECT_FALSE(Main().CloneMenu().Commands().IsBusy()) << typed;
    EXPECT_EQ(Main().InitialSetup(), &setup) << typed;
  }
}

TEST_F(InitialSetupTest, TheRadioOnThePortNamesTheDestination) {
  constexpr int kRadioDestination = 4;
  TForm2& setup = StartToSetup();
  Serve(kRadioDestination);
  TypePortAndConfirm(setup, QStringLiteral(" %1 ").arg(kPort));
  ASSERT_TRUE(SetupClosed());
  EXPECT_TRUE(Asked().empty()) << Asked()[0].text;
  EXPECT_EQ(Settings().comPort, kPort);
  EXPECT_EQ(Settings().destinationCode, kRadioDestination);
  ExpectBlankUntitledDocument();
}

TEST_F(InitialSetupTest, ARadioThatDoesNotAnswerLeavesTheSetupUsable) {
  TForm2& setup = StartToSetup();
  OpenLine();
  TypePortAndConfirm(setup, QString::number(kPort));
  ASSERT_TRUE(
      PumpUntil([&] { return !Main().CloneMenu().Commands().IsBusy() && setup.isEnabled(); }, kSessionTimeoutMs));
  EXPECT_EQ(Asked().size(), 1u) << "the clone error is shown";
  EXPECT_EQ(Main().InitialSetup(), &setup);
  EXPECT_FALSE(Main().MainWindowVisible());
  EXPECT_EQ(Settings().destinationCode, kNoDestination);
}

TEST_F(InitialSetupTest, AClonesFileDestinationIsTakenWithoutItsContent) {
  constexpr int kFileDestination = 2;
  TForm2& setup = StartToSetup();
  const std::string path = SaveClone("radio.qmf", kFileDestination);
  ChooseFileAndConfirm(setup, path);
  ASSERT_TRUE(SetupClosed());
  EXPECT_TRUE(Asked().empty()) << Asked()[0].text;
  EXPECT_EQ(Settings().destinationCode, kFileDestination);
  EXPECT_EQ(fs::path(Settings().currentDirectory), folder_);
  ExpectBlankUntitledDocument();
}

TEST_F(InitialSetupTest, AFileThatNamesNoDestinationIsRefusedAndTheSetupStays) {
  TForm2& setup = StartToSetup();
  const std::string notClone = (folder_ / "notes.qmf").string();
  std::ofstream(notClone) << "hello\n";
  const struct {
    const char* what;
    std::string path;
    bool anyFileError;  // else the error of a file without a destination
  } cases[] = {
      {"no file chosen", "", true},
      {"not a clone file", notClone, true},
      {"a file of no destination", SaveClone("none.qmf", kNoDestination), false},
  };
  for (const auto& c : cases) {
    Asked().clear();
    ChooseFileAndConfirm(setup, c.path);
    ASSERT_EQ(Asked().size(), 1u) << c.what;
    const std::string fileError = FileErrorText(ApplicationTexts(), FileError::kEtcData);
    if (c.anyFileError) {
      EXPECT_EQ(Asked()[0].text.substr(0, 11), fileError.substr(0, 11)) << c.what << ": " << Asked()[0].text;
    } else {
      EXPECT_EQ(Asked()[0].text, fileError) << c.what;
    }
    EXPECT_EQ(Main().InitialSetup(), &setup) << c.what;
    EXPECT_EQ(Settings().destinationCode, kNoDestination) << c.what;
  }
}

}  // namespace
