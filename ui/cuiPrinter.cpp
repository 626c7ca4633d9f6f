#include "ui/cuiPrinter.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <optional>

#include "base/ProgramMessage.h"
#include "files/FileError.h"
#include "platform/FileDialog.h"
#include "text/cmcGTex.h"
#include "ui/DisplayText.h"
#include "ui/PrintOutput.h"
#include "ui/cuiPreview.h"

namespace {

// The printout's device: the printer the user chose, or a PDF document in memory.
struct PrintTarget {
  std::unique_ptr<QPrinter> printer;
  std::unique_ptr<PdfDocument> pdf;
  std::string pdfPath;
  QPagedPaintDevice& Device() { return pdf ? static_cast<QPagedPaintDevice&>(pdf->Writer()) : *printer; }
};

QString Line(cmcGTex& texts, const char* key, int n) { return DisplayText(texts.GetLine(key, n)); }

// Without a printer the printout goes to a PDF file the user names; with one, the system's
// print dialog, whose "print to file" also makes a PDF (written whole, as ours).
std::optional<PrintTarget> ChooseTarget(QWidget* owner, cmcGTex& texts) {
  PrintTarget target;
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.caption = Line(texts, "GI_Sys_Printer_PrintingDialog", 0).toStdString();
    request.defaultExtension = "pdf";
    request.filters = {"PDF (*.pdf)"};
    const FileDialogAnswer answer = AskFileDialog(request);
    if (!answer.chosen) return std::nullopt;
    target.pdf = std::make_unique<PdfDocument>(QPrinter().pageLayout().pageSize());
    target.pdfPath = answer.path;
    return target;
  }
  target.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  target.printer->setFullPage(true);
  QPrintDialog dialog(target.printer.get(), owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  target.printer->setCopyCount(1);
  if (target.printer->outputFormat() == QPrinter::PdfFormat) {
    target.pdf = std::make_unique<PdfDocument>(target.printer->pageLayout().pageSize());
    target.pdfPath = target.printer->outputFileName().toStdString();
    target.printer.reset();
  }
  return target;
}

// Before the user has chosen a printer, the pages are laid out on the paper a new printer
// has.
PrintTarget DefaultPaper() {
  PrintTarget target;
  target.pdf = std::make_unique<PdfDocument>(QPrinter().pageLayout().pageSize());
  return target;
}

// "Now Printing" with Cancel, over the main window while the pages go out.
class PrintingDialog : public QDialog {
 public:
  PrintingDialog(QWidget* owner, cmcGTex& texts)
      : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(Line(texts, "GI_Sys_Printer_PrintingDialog", 0));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(Line(texts, "GI_Sys_Printer_PrintingDialog", 1));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    auto* cancel = new QPushButton(Line(texts, "GI_Sys_Printer_PrintingDialog", 2));
    cancel->setDefault(true);
    layout->addWidget(cancel, 0, Qt::AlignCenter);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  }
  bool Cancelled() const { return cancelled_; }

 protected:
  void reject() override { cancelled_ = true; }

 private:
  bool cancelled_ = false;
};

void ShowError(cmcGTex& texts, const std::string& text) {
  ShowProgramMessage(text, texts.GetLine("GI_Sys_AppTitle", 0), MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace

cuiPrinter::cuiPrinter(QWidget* owner, const PrintServices& services, int& pointSize)
    : owner_(owner), services_(services), pointSize_(pointSize) {}

void cuiPrinter::Print(const std::vector<std::string>& sheets, const PrintAllChoices& choices, PrintStart start) {
  cmcGTex& texts = services_.texts;
  std::optional<PrintTarget> target = start == PrintStart::Preview ? DefaultPaper() : ChooseTarget(owner_, texts);
  if (!target) return;
  QPagedPaintDevice* device = &target->Device();
  std::unique_ptr<SheetPages> layout;
  const auto paginate = [&](int pointSize) {
    layout = std::make_unique<SheetPages>(services_, *device, pointSize);
    std::vector<PrintedPage> pages;
    for (const std::string& sheet : sheets) layout->AddSheet(sheet, choices, pages);
    return pages;
  };
  // False when the paper holds no page or nothing is to be printed; the first has its message.
  const auto paginateUsable = [&](std::vector<PrintedPage>& pages) {
    pages = paginate(pointSize_);
    if (!layout->PageUsable()) {
      ShowError(texts, texts.GetValueText("GI_Sys_Printer_PageTooSmall"));
      return false;
    }
    return !pages.empty();
  };
  std::vector<PrintedPage> pages;
  if (!paginateUsable(pages)) return;
  cuiPreview preview(owner_, texts,
                     {paginate, [&](QPainter& painter, const PrintedPage& page) { layout->Render(painter, page); },
                      QSize(device->width(), device->height()), device->logicalDpiY()},
                     pointSize_);
  if (!preview.ShowModal(pages) || pages.empty()) return;
  if (start == PrintStart::Preview) {
    // The printer is chosen now, and its paper may differ from the one previewed. The layout
    // goes first: it draws on the previewed paper.
    layout.reset();
    target = ChooseTarget(owner_, texts);
    if (!target) return;
    device = &target->Device();
    if (!paginateUsable(pages)) return;
  }

  if (owner_ != nullptr) owner_->setEnabled(false);
  PrintingDialog dialog(owner_, texts);
  dialog.show();
  const PrintResult result = DrawPages(*device, *layout, pages, [&dialog] {
    QCoreApplication::processEvents();
    return dialog.Cancelled();
  });
  dialog.hide();
  if (owner_ != nullptr) {
    owner_->setEnabled(true);
    owner_->activateWindow();
  }
  if (result == PrintResult::DeviceFailed) {
    ShowError(texts, texts.GetValueText("GI_Sys_Printer_Failed"));
  } else if (result == PrintResult::Done && target->pdf && !target->pdf->Save(target->pdfPath)) {
    ShowError(texts, FileErrorText(texts, FileError::kFileAccess));
  }
}

bool AskPrintAllChoices(QWidget* owner, cmcGTex& texts, PrintAllChoices& choices) {
  QDialog dialog(owner);
  dialog.setWindowTitle(Line(texts, "GI_AppInd_Print_All_Setting_Caption", 0));
  auto* layout = new QVBoxLayout(&dialog);
  auto* group = new QGroupBox(Line(texts, "GI_AppInd_Print_All_Setting_Caption", 1));
  auto* groupLayout = new QVBoxLayout(group);
  auto* all = new QCheckBox(Line(texts, "GI_AppInd_Print_All_Setting_Caption", 2));
  auto* banks = new QCheckBox(Line(texts, "GI_AppInd_Print_All_Setting_Caption", 3));
  all->setObjectName(QStringLiteral("printAllMemory"));
  banks->setObjectName(QStringLiteral("printAllBanks"));
  all->setChecked(choices.memoryChannels);
  banks->setChecked(choices.bankChannels);
  groupLayout->addWidget(all);
  groupLayout->addWidget(banks);
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(Line(texts, "GI_AppInd_Print_All_Setting_Buttons", 0), QDialogButtonBox::AcceptRole)
      ->setDefault(true);
  buttons->addButton(Line(texts, "GI_AppInd_Print_All_Setting_Buttons", 1), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  choices = {all->isChecked(), banks->isChecked()};
  return true;
}
