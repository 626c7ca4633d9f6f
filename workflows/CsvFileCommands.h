#pragma once
// The File menu's CSV import and export of the list the open page shows: the file dialogs,
// the question before a list is replaced, the import or export itself and the messages after
// it. The window's File menu owns one and hands it the open page's tree number.
//
// ImportCsv and ExportCsv answer true when the user cancelled or the command failed, false
// when it went through. The export's save dialog offers the generic channel layout as a file
// type of its own where the list can be written in it.
#include <string>

#include "files/CsvTransfer.h"

class Document;
struct MainServices;

class CsvFileCommands {
 public:
  // Both outlive the commands.
  CsvFileCommands(Document& document, const MainServices& services);

  // all: the whole of a list with groups ("All..."), otherwise the group the page shows.
  bool ImportCsv(int sheetNumber, bool all);
  bool ExportCsv(int sheetNumber, bool all);

 private:
  struct ChosenFile {
    std::string path;  // empty when the dialog was cancelled
    CsvLayout layout = CsvLayout::kTessel;
  };
  // offersGeneric: the generic channel layout is the second file type, after Tessel's own.
  ChosenFile AskFile(bool save, bool offersGeneric);
  void Show(const std::string& text);
  void TakeFolder(const std::string& path);

  Document& document_;
  const MainServices& services_;
};
