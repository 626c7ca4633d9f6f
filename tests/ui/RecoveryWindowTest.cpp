// Recovery copies in the window as a user meets them: a typed edit is kept in a copy once the
// user pauses and the copy goes when the document is saved; at the next start a copy that a
// killed window left is offered with its file and what it changed, and Later keeps it, Discard
// deletes it and Recover opens it as the modified original, which Ctrl+S writes; a damaged
// copy is named and moved aside; a copy of a window that still runs is never offered.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "PageWindowFixture.h"
#include "files/FilesTestSupport.h"
#include "files/RecoveryStore.h"
#include "memory/ChannelList.h"
#include "platform/Processes.h"
#include "support/EndedProcess.h"
#include "support/ScriptedFileDialog.h"
#include "ui/RecoveryDialog.h"
#include "workflows/Document.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
constexpr int kCopyWaitMs = 6000;

std::vector<fs::path> CopiesIn(const fs::path& folder) {
  std::vector<fs::path> copies;
  if (!fs::is_directory(folder)) return copies;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == RecoveryStore::kCopySuffix) copies.push_back(entry.path());
  }
  return copies;
}

class RecoveryWindowTest : public PageWindowTest {
 protected:
  void SetUp() override {
    fs::remove_all(isolated::RecoveryFolder());
    PageWindowTest::SetUp();
  }
  void TearDown() override {
    PageWindowTest::TearDown();
    fs::remove_all(isolated::RecoveryFolder());
  }

  std::string OwnCopy() { return Main().Recovery().OwnCopyPath(); }

  // Channel 100 named A, saved as the file original: what the user had on disk.
  void SaveOriginal() {
    datCh record = Channel(100);
    record.SetUsed(true);
    record.frequency = 145000000;
    record.name = MakeFixedText<16>("A");
    record.Commit();
    RebuildBankTables(Image());
    SaveAs(original);
  }

  void SaveAs(const std::string& path) {
    ScriptedFileDialog dialogs;
    dialogs.answers.push_back({true, path, 0});
    ChooseMenuEntry(Main(), CL_Menu_File_SaveAs);
    ASSERT_TRUE(PumpUntil([&] { return fs::exists(path) && !Main().Doc().IsModified(); })) << path;
  }

  // The window as a user leaves it when the power goes: the original saved, then channel 100
  // renamed by typing; the copy this window kept, renamed as if its owner had gone; and the
  // edited document saved as reference, which recovering must give back byte for byte.
  void LeaveCopyOfEditedDocument() {
    SaveOriginal();
    OpenNode(kMemory100);
    Type(CellIn(CL_Mch_Name, FirstDataRow()), QStringLiteral("RESCUE"));
    ASSERT_TRUE(Main().Doc().IsModified());
    ASSERT_TRUE(PumpUntil([&] { return fs::exists(OwnCopy()); }, kCopyWaitMs)) << "no copy after the pause";
    leftCopy = (isolated::RecoveryFolder() / (std::to_string(EndedProcessId()) + "-1.recovery")).string();
    fs::copy_file(OwnCopy(), leftCopy);
    SaveAs(reference);
    EXPECT_TRUE(PumpUntil([&] { return !fs::exists(OwnCopy()); })) << "a saved document keeps no copy";
  }

  // Starts again, the recovery dialog answered by act once it shows.
  void Restart(std::function<void(RecoveryDialog&)> act) {
    run_.reset();
    WhenShown<RecoveryDialog>(std::move(act));
    StartWithDestination(run_, 2);
  }

  TempFolder files;
  const std::string original = files.Path("radio.qmf");
  const std::string reference = files.Path("reference.qmf");
  std::string leftCopy;
};

TEST_F(RecoveryWindowTest, ACopyLeftBehindIsKeptByLaterDiscardedByDiscardAndRecoveredByRecover) {
  LeaveCopyOfEditedDocument();
  const std::string leftBytes = ReadBytes(leftCopy);

  // Later: the dialog names the file and the change, the copy stays for the next start.
  QStringList row;
  Restart([&](RecoveryDialog& dialog) {
    ASSERT_EQ(dialog.List().topLevelItemCount(), 1);
    for (int column = 0; column < 3; ++column) row << dialog.List().topLevelItem(0)->text(column);
    EXPECT_TRUE(dialog.RecoverButton().isDefault());
    desktop::ClickOn(dialog.LaterButton());
  });
  ASSERT_EQ(row.size(), 3);
  EXPECT_EQ(row[0].toStdString(), original);
  EXPECT_FALSE(row[1].isEmpty());
  EXPECT_EQ(row[2], QStringLiteral("1 channel"));
  EXPECT_TRUE(fs::exists(leftCopy));
  EXPECT_FALSE(Main().Doc().IsModified());

  // Recover: the modified original, which Ctrl+S saves as the edited document was saved.
  Restart([&](RecoveryDialog& dialog) { desktop::ClickOn(dialog.RecoverButton()); });
  EXPECT_TRUE(Main().Doc().IsModified());
  EXPECT_EQ(Main().Doc().FileName(), original);
  EXPECT_FALSE(fs::exists(leftCopy));
  EXPECT_TRUE(fs::exists(OwnCopy())) << "the recovered changes are in this window's copy at once";
  ActivateWindow();
  desktop::Key(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(PumpUntil([&] { return !Main().Doc().IsModified(); }));
  EXPECT_EQ(ReadBytes(original), ReadBytes(reference));
  EXPECT_TRUE(PumpUntil([&] { return !fs::exists(OwnCopy()); }));

  // Discard: the copy is deleted and the document stays as it started.
  WriteBytes(leftCopy, leftBytes);
  Restart([&](RecoveryDialog& dialog) { desktop::ClickOn(dialog.DiscardButton()); });
  EXPECT_FALSE(fs::exists(leftCopy));
  EXPECT_FALSE(Main().Doc().IsModified());
  EXPECT_TRUE(Main().Doc().FileName().empty());
}

TEST_F(RecoveryWindowTest, ADamagedCopyIsNamedAndMovedAsideAndTheStartGoesOn) {
  const std::string damaged =
      (isolated::RecoveryFolder() / (std::to_string(EndedProcessId()) + "-1.recovery")).string();
  fs::create_directories(isolated::RecoveryFolder());
  WriteBytes(damaged, "Tessel recovery copy 1\nOriginal: new document\ncut off by the power");
  run_.reset();
  StartWithDestination(run_, 2);
  ASSERT_EQ(run_->Messages().asked.size(), 1u);
  EXPECT_NE(run_->Messages().asked[0].text.find(damaged), std::string::npos) << run_->Messages().asked[0].text;
  EXPECT_FALSE(fs::exists(damaged));
  EXPECT_TRUE(fs::exists(isolated::RecoveryFolder() / "damaged" / fs::path(damaged).filename()));
  EXPECT_TRUE(Main().MainWindowVisible());
  EXPECT_NE(Main().CurrentSheet(), nullptr);
}

TEST_F(RecoveryWindowTest, TheCopyOfAWindowThatStillRunsIsNotOffered) {
  SaveOriginal();
  OpenNode(kMemory100);
  Type(CellIn(CL_Mch_Name, FirstDataRow()), QStringLiteral("MINE"));
  ASSERT_TRUE(PumpUntil([&] { return fs::exists(OwnCopy()); }, kCopyWaitMs));
  // A second window of the same user, as from another session: it finds nothing to offer.
  RecoveryStore other(isolated::RecoveryFolder().string(), CurrentProcessId(), 2);
  EXPECT_TRUE(other.ClaimLeftCopies().empty());
  EXPECT_TRUE(fs::exists(OwnCopy()));
  ASSERT_EQ(CopiesIn(isolated::RecoveryFolder()).size(), 1u);
}

TEST_F(RecoveryWindowTest, ACopyThatCannotBeWrittenIsAWarningInTheStatusBar) {
  // A file where the recovery folder should be: no copy can be written.
  fs::create_directories(isolated::RecoveryFolder().parent_path());
  WriteBytes(isolated::RecoveryFolder().string(), "not a folder");
  SaveOriginal();
  OpenNode(kMemory100);
  run_->Messages().asked.clear();
  Type(CellIn(CL_Mch_Name, FirstDataRow()), QStringLiteral("LOST"));
  EXPECT_TRUE(PumpUntil([&] { return Main().MainWindow()->StatusText().contains(u"recovery copy"); }, kCopyWaitMs))
      << Main().MainWindow()->StatusText().toStdString();
  EXPECT_TRUE(run_->Messages().asked.empty()) << "no message box interrupts the typing";
  fs::remove(isolated::RecoveryFolder());
}

}  // namespace
