// The routes of the main window's menu, tool bar and tree entries.
//
// An entry reaches the window first. The window answers its own entries itself, their states
// and their clicks: the document commands of the File menu and Exit, Undo and Redo, the View
// menu's font size, language and tool bar, and a tree node's sheet. Every other entry goes to
// the cell behaviour, which answers its state (sheet/cells/MenuCells.cpp) and hands a click
// back through RunMenuCommand. Each command is the function named after its entry's
// identifier in the class of its menu: CL_Menu_File_SaveAs is FileMenuCommands::FileSaveAs.
#include "base/EventCodes.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "text/CellIds.h"
#include "text/cmcCellObj.h"
#include "ui/CloneMenuCommands.h"
#include "ui/EditMenuCommands.h"
#include "ui/FileMenuCommands.h"
#include "ui/HelpMenuCommands.h"
#include "ui/OptionMenuCommands.h"
#include "ui/PortMenuCommands.h"
#include "ui/ViewMenuCommands.h"
#include "ui/cuiMain.h"

namespace {

constexpr int kStateChecked = 0;
constexpr int kStateDisabled = 2;

}  // namespace

int cuiMain::HandleEntryRequest(cmcCellCapsule& request, int op, void* object) {
  auto& main = *static_cast<cuiMain*>(object);
  const int handled = main.AnswerWindowEntry(request, op);
  if (handled >= 0) return handled;
  return main.cellBehaviour_ ? main.cellBehaviour_(request, op) : kCellResultNothing;
}

int cuiMain::AnswerWindowEntry(cmcCellCapsule& request, int op) {
  if (request.cell == nullptr) return -1;
  cmcCellObj& cell = *request.cell;
  const EnvironSettings& settings = services_.environ.settings;
  const bool act = op == kCellAction;
  switch (cell.cellId) {
    // The cell behaviour gives these their states and the recent files their captions.
    case CL_Menu_File_New:
      if (!act) return -1;
      fileMenu_->FileNew();
      return kCellResultNothing;
    case CL_Menu_File_Open:
      if (!act) return -1;
      fileMenu_->FileOpen();
      return kCellResultNothing;
    case CL_Menu_File_Save:
      if (!act) return -1;
      fileMenu_->FileSave();
      return kCellResultNothing;
    case CL_Menu_File_SaveAs:
      if (!act) return -1;
      fileMenu_->FileSaveAs();
      return kCellResultNothing;
    case CL_Menu_File_Recent:
      if (!act) return -1;
      fileMenu_->FileRecent(cell.index);
      return kCellResultNothing;
    case CL_Menu_File_Exit:
      if (act) fileMenu_->FileExit();
      return kCellResultNothing;
    case CL_Menu_Edit_Undo:
      if (act) editMenu_->EditUndo();
      cell.SetStateFlag(kStateDisabled, !document_.CanUndo());
      return kCellResultNothing;
    case CL_Menu_Edit_Redo:
      if (act) editMenu_->EditRedo();
      cell.SetStateFlag(kStateDisabled, !document_.CanRedo());
      return kCellResultNothing;
    // They act on the open page, and do nothing while none is open.
    case CL_Menu_Edit_Find:
      if (act) editMenu_->EditFind();
      return kCellResultNothing;
    case CL_Menu_Edit_Sort:
      if (act) editMenu_->EditSort();
      return kCellResultNothing;
    case CL_Menu_Edit_Fill:
      if (act) editMenu_->EditFill();
      return kCellResultNothing;
    case CL_Menu_Edit_FillDown:
      if (act) editMenu_->EditFillDown();
      return kCellResultNothing;
    case CL_Menu_View_FontSize:
      if (act) viewMenu_->ViewFontSize(cell.index);
      cell.SetStateFlag(kStateChecked, settings.fontSizePercentage == cell.index);
      return kCellResultNothing;
    case CL_Menu_View_Language:
      if (act) viewMenu_->ViewLanguage(cell.index);
      cell.SetStateFlag(kStateChecked, settings.displayLanguage == cell.index);
      return kCellResultNothing;
    case CL_Menu_View_ToolBar:
      if (act) viewMenu_->ViewToolBar();
      cell.SetStateFlag(kStateChecked, settings.toolBarVisible != 0);
      return kCellResultNothing;
    case CallSheet:
      if (act) OpenSheet(cell.argument);
      return kCellResultNothing;
    default:
      return -1;
  }
}

void cuiMain::RunMenuCommand(unsigned cellId, std::int32_t index) {
  switch (cellId) {
    case CL_Menu_File_Import:
    case CL_Menu_File_Import_SubMenu_Grp:
    case CL_Menu_File_Import_SubMenu_Bank:
      return fileMenu_->FileImport(false);
    case CL_Menu_File_Import_SubMenu_All:
      return fileMenu_->FileImport(true);
    case CL_Menu_File_Export:
    case CL_Menu_File_Export_SubMenu_Grp:
    case CL_Menu_File_Export_SubMenu_Bank:
      return fileMenu_->FileExport(false);
    case CL_Menu_File_Export_SubMenu_All:
      return fileMenu_->FileExport(true);
    case CL_Menu_File_Print_Current:
      // Index 1 is the tool bar's Print Preview.
      return fileMenu_->FilePrintCurrent(index == 1 ? cuiPrinter::PrintStart::Preview
                                                    : cuiPrinter::PrintStart::Printer);
    case CL_Menu_File_Print_All:
      return fileMenu_->FilePrintAll();
    case CL_Menu_Port_Usb:
      return portMenu_->PortUsb();
    case CL_Menu_Com_Speed:
      return portMenu_->ComSpeed();
    case CL_Menu_Clone_Read:
      return cloneMenu_->CloneRead();
    case CL_Menu_Clone_Write:
      return cloneMenu_->CloneWrite();
    case CL_Menu_Clone_Info:
      return cloneMenu_->CloneInfo();
    case CL_Menu_CallSign_RptDialog:
      return optionMenu_->CallSignRptDialog();
    case CL_Menu_CallSign_AutoCorrect:
      return optionMenu_->CallSignAutoCorrect();
    case CL_Help_Contents:
      return helpMenu_->HelpContents();
    case CL_Help_About:
      return helpMenu_->HelpAbout();
    default:
      return;
  }
}

// The shortcuts of Undo and Redo act only while their entries are enabled, so the entries
// follow the history at once rather than when their menu next opens.
void cuiMain::RefreshHistoryEntries() {
  services_.events.Send(EV_MenuRefresh);
  services_.events.Send(EV_ToolBarRefresh);
}
