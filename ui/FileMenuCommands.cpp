#include "ui/FileMenuCommands.h"

#include <string>

#include "base/EventCodes.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "print/PrintChoices.h"
#include "sheet/layout/TreeNodes.h"
#include "ui/ApplicationWindow.h"
#include "ui/cuiMain.h"
#include "ui/cuiSheet.h"
#include "workflows/DocumentCommands.h"

FileMenuCommands::FileMenuCommands(cuiMain& main, MainServices services)
    : main_(main), services_(services), csvFiles_(main.Doc(), services_) {}

void FileMenuCommands::FileNew() {
  if (main_.TakesInput()) main_.Documents().NewDocument();
  CommitCorrections();
}

void FileMenuCommands::FileOpen() {
  if (main_.TakesInput()) main_.Documents().OpenDialog();
  CommitCorrections();
}

void FileMenuCommands::FileSave() {
  if (main_.TakesInput()) main_.Documents().SaveDocument(main_.Doc().FileName().empty());
  CommitCorrections();
}

void FileMenuCommands::FileSaveAs() {
  main_.Documents().SaveDocument(true);
  CommitCorrections();
}

// A save corrects the image when the user agrees to fix its warnings, and New and Open save
// first when the user wants the changes kept: what the corrections changed becomes one undo
// step.
void FileMenuCommands::CommitCorrections() { main_.Doc().CommitEdit(); }

void FileMenuCommands::FileImport(bool all) { csvFiles_.ImportCsv(main_.CurrentSheetNumber(), all); }

void FileMenuCommands::FileExport(bool all) { csvFiles_.ExportCsv(main_.CurrentSheetNumber(), all); }

// The edit in progress is stored and the widths the user set are kept before the sheet is
// built again for the paper.
cuiPrinter FileMenuCommands::Printer() {
  services_.events.Send(EV_CommitEdit);
  if (cuiSheet* sheet = main_.CurrentSheet()) sheet->Layout().SaveColumnWidths();
  return cuiPrinter(main_.MainWindow(),
                    {services_.texts, *main_.SheetDocument(), main_.CellBehaviour(), &main_.DisplayStore()},
                    services_.environ.settings.printerFontSize);
}

void FileMenuCommands::FilePrintCurrent(cuiPrinter::PrintStart start) {
  if (main_.CurrentSheet() == nullptr) return;
  const std::string sheet = main_.CurrentSheet()->Layout().GetName();
  Printer().Print({sheet}, PrintAllChoices{}, start);
}

void FileMenuCommands::FilePrintAll() {
  PrintAllChoices choices = InitialPrintAllChoices(main_.Doc().CurrentImage());
  if (!AskPrintAllChoices(main_.MainWindow(), services_.texts, choices)) return;
  Printer().Print(TreeSheetNames(services_.texts), choices);
}

void FileMenuCommands::FileRecent(std::int32_t index) {
  // A copy: opening the file reorders the list.
  if (const std::string path = services_.environ.recent.Get(index); !path.empty()) main_.Documents().OpenFile(path);
  CommitCorrections();
}

void FileMenuCommands::FileExit() {
  if (main_.MainWindow() != nullptr) main_.MainWindow()->close();
}
