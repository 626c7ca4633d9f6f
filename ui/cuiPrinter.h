#pragma once
// File > Print: the current sheet or the sheets of the tree, on a printer or, where the
// system has none (or the user chooses "print to file"), into a PDF file that is written
// whole or not at all. The pages are laid out for the chosen paper first, shown in the
// preview, and printed from there; the main window stays disabled while a printout runs,
// whose Cancel stops it before the next page. Print Preview shows the pages on the default
// paper first and asks for the printer only when the user prints from the preview.
#include <string>
#include <vector>

#include "sheet/layout/SheetModel.h"
#include "ui/SheetPages.h"

class QWidget;

class cuiPrinter {
 public:
  // owner: the main window (disabled while printing); services must outlive the printer.
  // pointSize: the print font size setting, which the preview may change.
  cuiPrinter(QWidget* owner, const PrintServices& services, int& pointSize);

  // Where a printout starts: at the choice of a printer, or at the preview.
  enum class PrintStart { Printer, Preview };

  // Prints the sheets with the choices; a sheet the choices leave out gives no page.
  void Print(const std::vector<std::string>& sheets, const PrintAllChoices& choices,
             PrintStart start = PrintStart::Printer);

 private:
  QWidget* owner_;
  PrintServices services_;
  int& pointSize_;
};

// The Print All dialog: which channel pages "print all" takes. False when cancelled.
bool AskPrintAllChoices(QWidget* owner, cmcGTex& texts, PrintAllChoices& choices);
