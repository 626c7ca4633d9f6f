// Clone Read, Clone Write and Clone Information from the window against the simulated radio
// on a real pseudo-terminal, with the questions answered from a script. The sessions run in
// the event loop; the tests pump it until the command's chain has ended.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "MainTestSupport.h"
#include "base/indEnviron.h"
#include "clone/CloneInfoBlock.h"
#include "memory/ListPacking.h"
#include "memory/YourCallList.h"
#include "memory/indDestination.h"
#include "platform/PseudoTerminal.h"
#include "support/DesktopInput.h"
#include "support/IsolatedUserFolders.h"
#include "text/ApplicationTexts.h"
#include "text/Codepage.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"
#include "tools/radio-sim/RadioSimEngine.h"
#include "tools/radio-sim/RadioSimImage.h"
#include "ui/ApplicationWindow.h"
#include "ui/CloneMenuCommands.h"
#include "ui/CloneProgressWindow.h"
#include "ui/DisplayText.h"
#include "ui/cuiInformation.h"
#include "ui/cuiMenu.h"
#include "ui/cuiSheet.h"
#include "workflows/CloneCommands.h"
#include "workflows/DocumentCommands.h"

namespace {

constexpr int kPort = 7;
constexpr int kRadioDestination = 4;
constexpr int kOtherDestination = 0;
constexpr std::int32_t kCommentAddress = 28608;
constexpr int kSessionTimeoutMs = 60000;

std::string TextAt(const cmcEeprom& image, std::int32_t address, std::int32_t length) {
  std::string text(static_cast<std::size_t>(length), '\0');
  image.ReadBlock(address, reinterpret_cast<std::uint8_t*>(text.data()), length);
  return text;
}

void PutText(cmcEeprom& image, std::int32_t address, const std::string& text) {
  image.WriteBlock(address, reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::int32_t>(text.size()));
}

std::vector<std::uint8_t> RadioBytes(const cmcEeprom& image) {
  const auto bytes = image.Bytes().first(RadioSimEngine::kMemorySize);
  return {bytes.begin(), bytes.end()};
}

class CloneSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { isolated::RemoveSettingsFiles(); }
  void TearDown() override { ::unsetenv(PortVariable().c_str()); }

  static std::string PortVariable() { return "TESSEL_PORT_" + std::to_string(kPort); }

  // The window with a document of destination, its port pointing at the radio's line.
  void StartWindow(int destination) {
    run_ = std::make_unique<ProgramRun>();
    EnvironSettings& settings = run_->Process().Environ().settings;
    settings.destinationCode = destination;
    settings.comPort = kPort;
    settings.transType = 3;  // no echo, as the simulated cable
    indDestination(destination).ApplyDestination();
    run_->Start();
  }

  // A radio of destination, its memory changed by change.
  void Serve(int destination, const std::function<void(cmcEeprom&)>& change = {}) {
    ASSERT_EQ(line_.Open({}, {}), SerialError::None) << line_.ErrorText();
    ::setenv(PortVariable().c_str(), line_.SlavePath().c_str(), 1);
    RadioSimOptions options;
    options.identity.destination = destination;
    options.identity.serial = "1A2B2D0089ABCD";
    options.identity.comment = "SIMULATED";
    cmcEeprom memory = NewRadioImage(destination);
    if (change) change(memory);
    radio_ = std::make_unique<RadioSimEngine>(line_, memory, options);
    radio_->SetSessionEnd([this](const RadioSimSession& session) { radioSessions_.push_back(session.kind); });
    radio_->Start();
  }

  indMain& Main() { return run_->Controller(); }
  CloneCommands& Clone() { return Main().CloneMenu().Commands(); }
  ScriptedMessageBox& Messages() { return run_->Messages(); }
  EnvironSettings& Settings() { return run_->Process().Environ().settings; }

  // Pumps the event loop until the command's chain of sessions has ended.
  bool RunChain() {
    return PumpUntil([&] { return !Clone().IsBusy(); }, kSessionTimeoutMs);
  }

  static std::string Text(const char* key) { return ToUtf8(ApplicationTexts().GetValueText(key), DisplayCodePage()); }

  // What the cell behaviour shows for a cell of the clone information sheet.
  std::string CloneInfoCellText(unsigned cellId) {
    cmcCellObj cell;
    cell.cellId = cellId;
    cmcCellCapsule request;
    request.cell = &cell;
    Main().CellBehaviour()(request, kCellQuery);
    return request.outputText;
  }

  std::unique_ptr<ProgramRun> run_;
  PseudoTerminal line_;
  std::unique_ptr<RadioSimEngine> radio_;
  std::vector<RadioSimSession::Kind> radioSessions_;
};

TEST_F(CloneSessionTest, ReadReplacesTheDocumentWithAnUntitledModifiedOneWhileTheProgressShows) {
  StartWindow(kRadioDestination);
  Serve(kRadioDestination, [](cmcEeprom& memory) { PutText(memory, kCommentAddress, "FROM THE RADIO  "); });
  Main().Doc().SetFileName("/tmp/named.qmf");
  const std::string before = TextAt(Main().Doc().CurrentImage(), kCommentAddress, 16);
  ASSERT_NE(before, "FROM THE RADIO  ");

  Clone().CloneRead();
  ASSERT_TRUE(PumpUntil([&] { return Main().CloneMenu().ProgressWindow() != nullptr; }));
  CloneProgressWindow& progress = *Main().CloneMenu().ProgressWindow();
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Cloning"));
  EXPECT_FALSE(Main().MainWindow()->isEnabled());
  EXPECT_FALSE(progress.close());
  EXPECT_TRUE(progress.isVisible());
  ASSERT_TRUE(RunChain());

  EXPECT_TRUE(Messages().asked.empty());
  EXPECT_EQ(Main().CloneMenu().ProgressWindow(), nullptr);
  EXPECT_TRUE(Main().MainWindow()->isEnabled());
  EXPECT_EQ(TextAt(Main().Doc().CurrentImage(), kCommentAddress, 16), "FROM THE RADIO  ");
  EXPECT_TRUE(Main().Doc().FileName().empty());
  EXPECT_TRUE(Main().Doc().IsModified());
  EXPECT_EQ(Main().Doc().Generation(), 3);
  EXPECT_EQ(radioSessions_,
            (std::vector{RadioSimSession::Kind::Info, RadioSimSession::Kind::Info, RadioSimSession::Kind::Read}));
}

TEST_F(CloneSessionTest, WriteWithWarningsAsksThenSendsTheCorrectedImageWhichReadsBackEqual) {
  StartWindow(kRadioDestination);
  Serve(kRadioDestination);
  cmcEeprom& document = Main().Doc().CurrentImage();
  MakeTwoIdenticalYourCalls(document);
  int errors = -1;
  int warnings = -1;
  Main().RunWarningCheck(errors, warnings);
  ASSERT_EQ(errors, 0);
  ASSERT_GT(warnings, 0);

  Messages().answers = {kAnswerOk, kAnswerOk};
  Clone().CloneWrite();
  ASSERT_TRUE(RunChain());

  ASSERT_EQ(Messages().asked.size(), 2u);
  EXPECT_EQ(Messages().asked[0].icon, MessageIcon::Warning);
  EXPECT_EQ(Messages().asked[0].text, Text("GI_Mess_DataWarn"));
  EXPECT_EQ(Messages().asked[1].text, Text("GI_Mess_CloneWrite_Succeeded"));
  EXPECT_EQ(radioSessions_.back(), RadioSimSession::Kind::Write);
  EXPECT_EQ(radioSessions_.size(), 5u);
  EXPECT_EQ(RadioBytes(radio_->Image()), RadioBytes(Main().Doc().WriteImage()));
  EXPECT_EQ(YourCallCount(document), 2) << "the document keeps what the user entered";

  Messages().asked.clear();
  Messages().answers = {kAnswerNo};  // the edited document is not saved
  Clone().CloneRead();
  ASSERT_TRUE(RunChain());
  EXPECT_EQ(Messages().asked.size(), 1u);
  EXPECT_EQ(YourCallCount(Main().Doc().CurrentImage()), 1);
  cmcEeprom packed = Main().Doc().CurrentImage();
  PackImage(packed);
  EXPECT_EQ(RadioBytes(packed), RadioBytes(radio_->Image()));
}

TEST_F(CloneSessionTest, ARadioOfAnotherDestinationAsksAndCancelLeavesEverythingAsItWas) {
  StartWindow(kRadioDestination);
  Serve(kOtherDestination);
  Main().Doc().SetFileName("/tmp/named.qmf");
  const std::vector<std::uint8_t> before(Main().Doc().CurrentImage().Bytes().begin(),
                                         Main().Doc().CurrentImage().Bytes().end());
  const EnvironSettings settingsBefore = Settings();

  Main().Doc().Clipboard().Copy(Main().Doc().CurrentImage(), RecordKind::kChannel, 0, 1);
  Messages().answers = {kAnswerCancel};
  Clone().CloneRead();
  ASSERT_TRUE(RunChain());
  EXPECT_TRUE(Main().Doc().Clipboard().Accepts(RecordKind::kChannel));

  ASSERT_EQ(Messages().asked.size(), 1u);
  EXPECT_EQ(Messages().asked[0].text, Text("GI_AppMess_ChangeModel"));
  EXPECT_EQ(Messages().asked[0].defaultAnswer, kAnswerCancel);
  EXPECT_EQ(Settings(), settingsBefore);
  EXPECT_EQ(Main().Doc().FileName(), "/tmp/named.qmf");
  EXPECT_FALSE(Main().Doc().IsModified());
  EXPECT_TRUE(std::ranges::equal(Main().Doc().CurrentImage().Bytes(), before));
  EXPECT_EQ(radioSessions_, std::vector{RadioSimSession::Kind::Info});
  EXPECT_TRUE(Main().MainWindow()->isEnabled());
}

// Rows copied under one destination's band rules are not pasted under another's.
TEST_F(CloneSessionTest, TakingARadiosOtherDestinationEmptiesTheClipboard) {
  StartWindow(kRadioDestination);
  Serve(kOtherDestination);
  Main().Doc().Clipboard().Copy(Main().Doc().CurrentImage(), RecordKind::kChannel, 0, 1);
  Messages().answers = {kAnswerOk};
  Clone().CloneRead();
  ASSERT_TRUE(RunChain());
  ASSERT_FALSE(Messages().asked.empty());
  EXPECT_EQ(Messages().asked[0].text, Text("GI_AppMess_ChangeModel"));
  EXPECT_EQ(Settings().destinationCode, kOtherDestination);
  EXPECT_TRUE(Main().Doc().Clipboard().IsEmpty());
}

TEST_F(CloneSessionTest, ACablePulledDuringTheReadShowsTheCloneErrorAndLeavesTheDocument) {
  StartWindow(kRadioDestination);
  Serve(kRadioDestination);
  radio_->SetFault(RadioFault::PulledCable);
  Main().Doc().SetFileName("/tmp/named.qmf");
  const std::vector<std::uint8_t> before(Main().Doc().CurrentImage().Bytes().begin(),
                                         Main().Doc().CurrentImage().Bytes().end());

  Clone().CloneRead();
  ASSERT_TRUE(RunChain());

  ASSERT_EQ(Messages().asked.size(), 1u);
  EXPECT_EQ(Messages().asked[0].icon, MessageIcon::Error);
  EXPECT_EQ(Messages().asked[0].text.rfind("Cannot Clone.\n\n", 0), 0u) << Messages().asked[0].text;
  EXPECT_EQ(Main().Doc().FileName(), "/tmp/named.qmf");
  EXPECT_FALSE(Main().Doc().IsModified());
  EXPECT_TRUE(std::ranges::equal(Main().Doc().CurrentImage().Bytes(), before));
  EXPECT_EQ(Settings().destinationCode, kRadioDestination);
  EXPECT_EQ(Main().CloneMenu().ProgressWindow(), nullptr);
  EXPECT_TRUE(Main().MainWindow()->isEnabled());
}

// Root opens any device, so as root the read runs in a child process that has given up root
// for the "nobody" user; the child prints the message the window showed.
TEST_F(CloneSessionTest, APortWithoutPermissionSaysHowToGetIt) {
  StartWindow(kRadioDestination);
  ASSERT_EQ(line_.Open({}, {}), SerialError::None) << line_.ErrorText();
  ::setenv(PortVariable().c_str(), line_.SlavePath().c_str(), 1);
  ASSERT_EQ(chmod(line_.SlavePath().c_str(), 0), 0);
  struct stat status {};
  ASSERT_EQ(stat(line_.SlavePath().c_str(), &status), 0);
  const group* owner = getgrgid(status.st_gid);
  ASSERT_NE(owner, nullptr);
  const std::string group = status.st_gid == 0 ? "dialout" : owner->gr_name;
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
          std::_Exit(2);
        }
        Clone().CloneRead();
        const bool ended = RunChain();
        const bool oneError = Messages().asked.size() == 1 && Messages().asked[0].icon == MessageIcon::Error;
        if (oneError) std::fprintf(stderr, "%s\n", Messages().asked[0].text.c_str());
        std::_Exit(ended && oneError ? 0 : 1);
      },
      ::testing::ExitedWithCode(0),
      "^Cannot access COM 7\\.\n/dev/pts/[0-9]+: no permission to use the device; add your user to the group " + group +
          " that owns it \\(sudo usermod -aG " + group +
          " \\$USER\\), then log out and in again\\.\n\nCheck the following:\n");
}

TEST_F(CloneSessionTest, CloneInformationShowsTheRadioInItsOwnWindowOverTheDisabledMainWindow) {
  StartWindow(kRadioDestination);
  Serve(kRadioDestination);

  run_->Events().Send(EV_StartCloneInfo);
  ASSERT_TRUE(RunChain());

  ASSERT_NE(Main().CloneMenu().InformationWindow(), nullptr);
  cuiInformation& window = *Main().CloneMenu().InformationWindow();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(Main().MainWindow()->isEnabled());
  EXPECT_EQ(CloneInfoBlock::kSize, static_cast<int>(Main().Doc().CloneInformation().size()));
  EXPECT_EQ(Main().Doc().CloneInformation()[18], kRadioDestination);
  EXPECT_EQ(CloneInfoCellText(CL_CloneInfo_Esn), "669945022413");
  EXPECT_EQ(CloneInfoCellText(CL_CloneInfo_Comment), "SIMULATED       ");
  EXPECT_EQ(CloneInfoCellText(CL_CloneInfo_Destination), "4");
  EXPECT_EQ(CloneInfoCellText(CL_CloneInfo_FccInh), "Normal");

  desktop::ClickOn(window.OkButton());
  ASSERT_TRUE(PumpUntil([&] { return Main().CloneMenu().InformationWindow() == nullptr; }));
  EXPECT_TRUE(Main().MainWindow()->isEnabled());
}

// The backups kept of the simulated radio, newest first.
std::vector<std::filesystem::path> RadioBackupFiles() { return isolated::RadioBackupFiles("669945022413"); }

class CloneBackupTest : public CloneSessionTest {
 protected:
  void SetUp() override {
    CloneSessionTest::SetUp();
    std::filesystem::remove_all(isolated::DataFolder() / "tessel");
  }
  void TearDown() override {
    run_.reset();
    ::setenv("XDG_DATA_HOME", isolated::DataFolder().c_str(), 1);
    std::filesystem::remove_all(isolated::DataFolder() / "tessel");
    CloneSessionTest::TearDown();
  }

  void Trigger(unsigned cellId) { ChooseMenuEntry(Main(), cellId); }
};

// A read kept as a backup, listed by Clone > Information and opened from there through Open,
// whose question about the unsaved read comes first.
TEST_F(CloneBackupTest, ReadIsKeptAndInformationListsAndOpensIt) {
  StartWindow(kRadioDestination);
  Serve(kRadioDestination, [](cmcEeprom& memory) { PutText(memory, kCommentAddress, "FROM THE RADIO  "); });
  Trigger(CL_Menu_Clone_Read);
  ASSERT_TRUE(RunChain());
  EXPECT_TRUE(Messages().asked.empty());
  const std::vector<std::filesystem::path> backups = RadioBackupFiles();
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(backups[0].filename().string().ends_with(" read.qmf")) << backups[0];
  const cmcEeprom received = Main().Doc().CurrentImage();
  PutText(Main().Doc().CurrentImage(), kCommentAddress, "CHANGED BY HAND ");

  Trigger(CL_Menu_Clone_Info);
  ASSERT_TRUE(RunChain());
  ASSERT_NE(Main().CloneMenu().InformationWindow(), nullptr);
  cuiInformation& window = *Main().CloneMenu().InformationWindow();
  ASSERT_EQ(window.BackupList().count(), 1);
  EXPECT_EQ(window.BackupList().item(0)->text().toStdString(), backups[0].filename().string());
  window.AllRadiosBox().setChecked(true);
  ASSERT_EQ(window.BackupList().count(), 1);
  EXPECT_EQ(window.BackupList().item(0)->text().toStdString(), "669945022413  " + backups[0].filename().string());

  Messages().answers = {kAnswerNo};  // the changes made by hand are not saved
  desktop::ClickOn(window.OpenBackupButton());
  ASSERT_TRUE(PumpUntil([&] { return Main().CloneMenu().InformationWindow() == nullptr; }));
  ASSERT_EQ(Messages().asked.size(), 1u);
  EXPECT_EQ(Messages().asked[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(Main().Doc().FileName(), backups[0].string());
  EXPECT_FALSE(Main().Doc().IsModified());
  EXPECT_TRUE(Main().Doc().CurrentImage().IsEqual(received));
  EXPECT_TRUE(Main().MainWindow()->isEnabled());
}

// The backup list's label, check box and button come from the table of the language shown.
TEST_F(CloneBackupTest, TheBackupListSpeaksTheLanguageOfTheTables) {
  StartWindow(kRadioDestination);
  cmcGTex& texts = ApplicationTexts();
  QStringList englishCaptions;
  for (const TableLanguage table : {TableLanguage::English, TableLanguage::Japanese}) {
    texts.Reset();
    texts.SelectLineTable(LineTableOf(table));
    const auto caption = [&texts](int line) { return DisplayText(texts.GetLine("GI_AppInd_Backup_Caption", line)); };
    auto* window = new cuiInformation(nullptr, {texts, run_->Events(), Main().CellBehaviour()}, "Tessel",
                                      "GI_Sheet_CloneInfo", {});
    QStringList labels;
    for (const QLabel* label : window->findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains(caption(0))) << labels.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window->AllRadiosBox().text(), caption(1));
    EXPECT_EQ(window->OpenBackupButton().text(), caption(2));
    if (table == TableLanguage::English) {
      englishCaptions = {caption(0), caption(1), caption(2)};
      EXPECT_EQ(caption(0), QStringLiteral("Backups of what was read from and written to the radio:"));
    } else {
      EXPECT_NE(caption(1), englishCaptions[1]);
    }
    delete window;
  }
  texts.Reset();
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
}

TEST_F(CloneBackupTest, WriteKeepsTheImageSent) {
  StartWindow(kRadioDestination);
  Serve(kRadioDestination);
  Messages().answers = {kAnswerOk, kAnswerOk};
  Trigger(CL_Menu_Clone_Write);
  ASSERT_TRUE(RunChain());
  ASSERT_FALSE(Messages().asked.empty());
  EXPECT_EQ(Messages().asked.back().text, Text("GI_Mess_CloneWrite_Succeeded"));
  const std::vector<std::filesystem::path> backups = RadioBackupFiles();
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(backups[0].filename().string().ends_with(" write.qmf")) << backups[0];

  Messages().answers = {kAnswerNo};
  EXPECT_EQ(Main().Documents().OpenFile(backups[0].string()), 0);
  EXPECT_EQ(RadioBytes(radio_->Image()), RadioBytes(Main().Doc().CurrentImage()));
}

// A file where the data folder should be stops root too: the read still replaces the
// document, and a warning follows it.
TEST_F(CloneBackupTest, ABackupThatCannotBeKeptWarnsAfterASuccessfulRead) {
  const std::filesystem::path blocked = isolated::DataFolder() / "blocked";
  std::ofstream(blocked) << "x";
  ::setenv("XDG_DATA_HOME", blocked.c_str(), 1);
  StartWindow(kRadioDestination);
  Serve(kRadioDestination, [](cmcEeprom& memory) { PutText(memory, kCommentAddress, "FROM THE RADIO  "); });
  Trigger(CL_Menu_Clone_Read);
  ASSERT_TRUE(RunChain());
  ASSERT_EQ(Messages().asked.size(), 1u);
  EXPECT_EQ(Messages().asked[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(Messages().asked[0].text.starts_with("The backup " + blocked.string() + "/tessel/radios/669945022413"))
      << Messages().asked[0].text;
  EXPECT_EQ(TextAt(Main().Doc().CurrentImage(), kCommentAddress, 16), "FROM THE RADIO  ");
  EXPECT_TRUE(Main().Doc().IsModified());
  std::filesystem::remove(blocked);
}

}  // namespace
