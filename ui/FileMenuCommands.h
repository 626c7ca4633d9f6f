#pragma once
// The File menu's commands as the main window runs them: New, Open, Save, Save As and the
// recent files through the document's commands, the CSV import and export of the list the
// open page shows, printing the open sheet or all of them, and Exit. Each is the function
// named after its entry's identifier (CL_Menu_File_SaveAs: FileSaveAs).
#include <cstdint>

#include "ui/cuiPrinter.h"
#include "workflows/CsvFileCommands.h"
#include "workflows/MainServices.h"

class cuiMain;

class FileMenuCommands {
 public:
  // main and the services outlive the commands.
  FileMenuCommands(cuiMain& main, MainServices services);

  // New, Open and Save act only while the main window takes input.
  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  // all: the whole of a list with groups (the submenus' "All..."), otherwise the group or
  // list the open page shows.
  void FileImport(bool all);
  void FileExport(bool all);
  // The open page; the tool bar's Print Preview shows it before a printer is chosen.
  void FilePrintCurrent(cuiPrinter::PrintStart start);
  // The tree's sheets, with the channel pages the Print All dialog chooses.
  void FilePrintAll();
  // The recent file of index, when the list holds one there.
  void FileRecent(std::int32_t index);
  void FileExit();

 private:
  void CommitCorrections();
  cuiPrinter Printer();

  cuiMain& main_;
  MainServices services_;
  CsvFileCommands csvFiles_;
};
