// File > Print from the window: on a machine without a printer the pages go to the PDF file
// the user names; Print All asks which channel pages to take first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPrinterInfo>
#include <QTimer>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "MainTestSupport.h"
#include "files/FilesTestSupport.h"
#include "memory/ChannelList.h"
#include "memory/datCh.h"
#include "platform/FileDialog.h"
#include "support/IsolatedUserFolders.h"
#include "text/CellIds.h"
#include "ui/cuiMenu.h"

namespace {

class OnePdfDialog final : public FileDialog {
 public:
  explicit OnePdfDialog(std::string path) : path_(std::move(path)), previous_(InstallFileDialog(this)) {}
  ~OnePdfDialog() override { InstallFileDialog(previous_); }
  FileDialogAnswer Ask(const FileDialogRequest& request) override {
    asked.push_back(request);
    return {!path_.empty(), path_, 0};
  }
  std::vector<FileDialogRequest> asked;

 private:
  std::string path_;
  FileDialog* previous_;
};

std::string PdfText(const std::string& path) {
  FILE* pipe = popen(("pdftotext -layout '" + path + "' -").c_str(), "r");
  if (pipe == nullptr) return {};
  std::string text;
  std::array<char, 4096> buffer{};
  while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) text.append(buffer.data(), n);
  EXPECT_EQ(pclose(pipe), 0) << "pdftotext (poppler-utils) must be installed";
  return text;
}

class PrintWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QPrinterInfo::availablePrinters().isEmpty()) << "these tests need a machine without printers";
    isolated::RemoveSettingsFiles();
    run.Start();
    datCh record(Main().Doc().CurrentImage());
    record.Load(RecordKind::kChannel, 105);
    record.SetUsed(true);
    record.frequency = 145612500;
    record.name = MakeFixedText<16>("PRINTED NAME");
    record.bank = 2;
    record.bankChannel = 7;
    record.Commit();
    RebuildBankTables(Main().Doc().CurrentImage());
  }
  indMain& Main() { return run.Controller(); }
  // As when the user opens the File menu: the entries take their states first.
  void Trigger(unsigned cellId) {
    Main().Menu()->Refresh();
    Main().Menu()->FindByCellId(cellId)->trigger();
  }

  ProgramRun run;
  TempFolder folder;
};

TEST_F(PrintWindowTest, CurrentSheetGoesToTheNamedPdfWithItsRecords) {
  Main().OpenSheet("[St_ColCut]GI_Sheet_MemoryCH,1,100");
  OnePdfDialog dialog(folder.Path("block.pdf"));
  Trigger(CL_Menu_File_Print_Current);
  ASSERT_EQ(dialog.asked.size(), 1u);
  EXPECT_EQ(dialog.asked[0].defaultExtension, "pdf");
  const std::string text = PdfText(folder.Path("block.pdf"));
  const std::size_t frequency = text.find("145.612500");
  ASSERT_NE(frequency, std::string::npos) << text;
  EXPECT_NE(text.find("PRINTED NAME", frequency), std::string::npos);
  EXPECT_NE(text.find("Memory CH"), std::string::npos);
  EXPECT_TRUE(Main().MainWindow()->isEnabled());
}

TEST_F(PrintWindowTest, CancellingTheFileDialogPrintsNothing) {
  Main().OpenSheet("[St_ColCut]GI_Sheet_MemoryCH,1,100");
  OnePdfDialog dialog("");
  Trigger(CL_Menu_File_Print_Current);
  EXPECT_EQ(dialog.asked.size(), 1u);
  EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(PrintWindowTest, PrintAllOffersBankChannelsWhenABankHoldsOne) {
  OnePdfDialog dialog(folder.Path("all.pdf"));
  bool bankOffered = false;
  bool allOffered = true;
  QTimer::singleShot(0, [&] {
    auto* choices = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(choices, nullptr);
    bankOffered = choices->findChild<QCheckBox*>(QStringLiteral("printAllBanks"))->isChecked();
    allOffered = choices->findChild<QCheckBox*>(QStringLiteral("printAllMemory"))->isChecked();
    choices->accept();
  });
  Trigger(CL_Menu_File_Print_All);
  EXPECT_TRUE(bankOffered);
  EXPECT_FALSE(allOffered);
  const std::string text = PdfText(folder.Path("all.pdf"));
  EXPECT_NE(text.find("C:"), std::string::npos) << "bank C's page";
  EXPECT_NE(text.find("PRINTED NAME"), std::string::npos);
  EXPECT_NE(text.find("Set"), std::string::npos) << "the set-mode pages print too";
}

}  // namespace
