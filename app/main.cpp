// The window program: the process-wide objects, the main window, the event loop. A second
// copy says that the first one runs and ends.
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <iostream>
#include <optional>
#include <string_view>

#include "manual/ManualText.h"
#include "manual/ProgramVersion.h"
#include "platform/Fatal.h"
#include "platform/qt/QtMd5.h"
#include "platform/qt/QtTiming.h"
#include "text/Codepage.h"
#include "ui/ImageLists.h"
#include "ui/MainProcess.h"
#include "ui/QtFileDialog.h"
#include "ui/QtMessageBox.h"

namespace {

void ShowFatalMessageBox(const std::string& caption, const std::string& text) {
  QMessageBox::critical(nullptr, QString::fromStdString(caption),
                        QString::fromStdString(ToUtf8(text, CodePage::Cp932)));
}

// --help and --version answer without a display; none when the program should start.
std::optional<int> AnswerInformationOption(int argc, char** argv) {
  if (argc != 2) return std::nullopt;
  const std::string_view option = argv[1];
  if (option == "--help") {
    std::cout << OverviewHelp(WindowManual());
    return 0;
  }
  if (option == "--version") {
    std::cout << "tessel " << ProgramVersion() << "\n";
    return 0;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (const auto status = AnswerInformationOption(argc, argv)) return *status;
  QApplication app(argc, argv);
  SetFatalHandler(ShowFatalMessageBox);
  QApplication::setWindowIcon(ProgramIcon());
  QtTiming timing;
  QtMd5 md5;
  QtMessageBox messageBox;
  InstallMessageBox(&messageBox);
  QtFileDialog fileDialog;
  InstallFileDialog(&fileDialog);

  MainProcess process(std::vector<std::string>(argv, argv + argc));
  if (!process.IsFirstInstance()) {
    std::cerr << "Tessel is already running.\n";
    return 0;
  }
  process.Start();
  return QApplication::exec();
}
