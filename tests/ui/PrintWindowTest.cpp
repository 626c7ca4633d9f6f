// File > Print from the window: on a machine without a printer the pages go to the PDF file
// the user names, after the preview; Print All asks which channel pages to take first. The
// preview pages, zooms and lays the printout out again in another font size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPrinterInfo>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include "MainTestSupport.h"
#include "base/indEnviron.h"
#include "files/FilesTestSupport.h"
#include "manual/ProgramVersion.h"
#include "memory/ChannelList.h"
#include "memory/datCh.h"
#include "platform/FileDialog.h"
#include "support/DesktopInput.h"
#include "support/IsolatedUserFolders.h"
#include "text/ApplicationTexts.h"
#include "text/CellIds.h"
#include "ui/SheetPages.h"
#include "ui/cuiMenu.h"
#include "ui/cuiPreview.h"
#include "ui/cuiToolBar.h"

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

// Runs act on the preview as soon as it shows; act closes it (Print or not).
void WhenPreviewShown(std::function<void(cuiPreview&)> act) { WhenShown<cuiPreview>(std::move(act)); }

// Clicks the button of one of the preview's tool entries.
void PressTool(cuiPreview& preview, int line) {
  desktop::ClickToolButton(*preview.findChild<QToolBar*>(), preview.Action(line));
}

void PrintFromPreview() {
  WhenPreviewShown([](cuiPreview& preview) { PressTool(preview, 0); });
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
    ChooseMenuEntry(Main(), cellId);
  }

  ProgramRun run;
  TempFolder folder;
};

TEST_F(PrintWindowTest, CurrentSheetGoesToTheNamedPdfWithItsRecords) {
  Main().OpenSheet("[St_ColCut]GI_Sheet_MemoryCH,1,100");
  OnePdfDialog dialog(folder.Path("block.pdf"));
  PrintFromPreview();
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

// The tool bar's Print Preview shows the pages before a printer or file is chosen; Print in
// the preview asks for it then. The frame names the program with its version.
TEST_F(PrintWindowTest, ToolBarPreviewShowsThePagesBeforeTheTargetIsChosen) {
  Main().OpenSheet("[St_ColCut]GI_Sheet_MemoryCH,1,100");
  OnePdfDialog dialog(folder.Path("previewed.pdf"));
  std::size_t askedBeforePreview = 1;
  WhenPreviewShown([&](cuiPreview& preview) {
    askedBeforePreview = dialog.asked.size();
    PressTool(preview, 0);
  });
  QAction* previewButton = nullptr;
  for (QAction* action : Main().ToolBar()->Bar()->actions()) {
    if (action->toolTip() == QStringLiteral("Print Preview")) previewButton = action;
  }
  ASSERT_NE(previewButton, nullptr);
  ASSERT_TRUE(desktop::Activate(*Main().MainWindow()));
  desktop::ClickToolButton(*Main().ToolBar()->Bar(), *previewButton);
  EXPECT_EQ(askedBeforePreview, 0u);
  ASSERT_EQ(dialog.asked.size(), 1u);
  const std::string text = PdfText(folder.Path("previewed.pdf"));
  EXPECT_NE(text.find("PRINTED NAME"), std::string::npos) << text;
  EXPECT_NE(text.find("Rev. " + std::string(ProgramVersion())), std::string::npos) << text;
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
  WhenShown<QDialog>([&](QDialog& choices) {
    bankOffered = choices.findChild<QCheckBox*>(QStringLiteral("printAllBanks"))->isChecked();
    allOffered = choices.findChild<QCheckBox*>(QStringLiteral("printAllMemory"))->isChecked();
    PrintFromPreview();
    choices.accept();
  });
  Trigger(CL_Menu_File_Print_All);
  EXPECT_TRUE(bankOffered);
  EXPECT_FALSE(allOffered);
  const std::string text = PdfText(folder.Path("all.pdf"));
  EXPECT_NE(text.find("C:"), std::string::npos) << "bank C's page";
  EXPECT_NE(text.find("PRINTED NAME"), std::string::npos);
  EXPECT_NE(text.find("Set"), std::string::npos) << "the set-mode pages print too";
}

TEST_F(PrintWindowTest, AOnePagePrintoutCannotBePaged) {
  Main().OpenSheet("GI_Sheet_DTMF_Memory");
  OnePdfDialog dialog(folder.Path("dtmf.pdf"));
  QString status;
  std::array<bool, 4> navigation{};
  WhenPreviewShown([&](cuiPreview& preview) {
    status = preview.StatusLabel().text();
    for (int line = 2; line <= 5; ++line)
      navigation[static_cast<std::size_t>(line - 2)] = preview.Action(line).isEnabled();
    preview.reject();
  });
  Trigger(CL_Menu_File_Print_Current);
  EXPECT_EQ(status, QStringLiteral(" 1 / 1"));
  EXPECT_EQ(navigation, (std::array<bool, 4>{false, false, false, false}));
  EXPECT_TRUE(folder.Entries().empty()) << "closing the preview prints nothing";
  EXPECT_TRUE(Main().MainWindow()->isEnabled());
}

TEST_F(PrintWindowTest, ThePreviewPagesZoomsAndLaysOutAgainInAnotherFontSize) {
  Main().OpenSheet("[St_ColCut]GI_Sheet_MemoryCH,1,100");
  run.Process().Environ().settings.printerFontSize = 12;
  OnePdfDialog dialog(folder.Path("block.pdf"));
  int pagesAt12 = 0;
  int pagesAt10 = 0;
  int pageAfterSetting = -1;
  int lastPage = -1;
  QString status;
  bool zoomedShowsWholeImage = false;
  bool fittedAgain = false;
  WhenPreviewShown([&](cuiPreview& preview) {
    pagesAt12 = preview.PageCount();
    desktop::ReplaceText(preview.PageField(), QStringLiteral("99"));
    desktop::Enter();
    lastPage = preview.CurrentPage();
    status = preview.StatusLabel().text();
    desktop::Key(Qt::Key_PageUp);
    const int fittedWidth = preview.findChild<QLabel*>(QStringLiteral("previewPage"))->pixmap().width();
    PressTool(preview, 6);
    zoomedShowsWholeImage =
        preview.findChild<QLabel*>(QStringLiteral("previewPage"))->pixmap().width() == preview.PageImage().width();
    PressTool(preview, 6);
    fittedAgain = preview.findChild<QLabel*>(QStringLiteral("previewPage"))->pixmap().width() == fittedWidth;
    WhenShown<QDialog>(
        [](QDialog& setting) {
          setting.findChild<QComboBox*>()->setCurrentIndex(2);  // "3"
          setting.accept();
        },
        &preview);
    PressTool(preview, 1);
    pagesAt10 = preview.PageCount();
    pageAfterSetting = preview.CurrentPage();
    PressTool(preview, 0);
  });
  Trigger(CL_Menu_File_Print_Current);
  EXPECT_GT(pagesAt12, 1);
  EXPECT_EQ(lastPage, pagesAt12 - 1) << "99 goes to the last page";
  EXPECT_EQ(status, QStringLiteral(" %1 / %1").arg(pagesAt12));
  EXPECT_TRUE(zoomedShowsWholeImage);
  EXPECT_TRUE(fittedAgain);
  EXPECT_EQ(run.Process().Environ().settings.printerFontSize, 10);
  EXPECT_LE(pagesAt10, pagesAt12);
  EXPECT_EQ(pageAfterSetting, 0);
  EXPECT_NE(PdfText(folder.Path("block.pdf")).find("PRINTED NAME"), std::string::npos);
}

}  // namespace
