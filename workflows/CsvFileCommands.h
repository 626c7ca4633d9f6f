#pragma once
// The File menu's CSV import and export of the list the open page shows: the file dialogs,
// the question before a list is replaced, the import or export itself and the messages after
// it. The window's File menu owns one and hands it the open page's tree number.
//
// ImportCsv and ExportCsv answer true when the user cancelled or the command failed, false
// when it went through.
#include <string>

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
  std::string AskFile(bool save);
  void Show(const std::string& text);
  void TakeFolder(const std::string& path);

  Document& document_;
  const MainServices& services_;
};
