#include "ui/MainCellDocument.h"

#include "base/EventCodes.h"
#include "base/ProgramMessage.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "print/PrintChoices.h"
#include "sheet/layout/SheetName.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"
#include "ui/AboutBox.h"
#include "ui/ApplicationWindow.h"
#include "ui/ComPortDialog.h"
#include "ui/DisplayText.h"
#include "ui/RepeaterSettingDialog.h"
#include "ui/cuiPrinter.h"
#include "ui/cuiSheet.h"
#include "workflows/CloneCommands.h"

EnvironSettings& MainCellDocument::Settings() { return services_.environ.settings; }
const cmcRecent& MainCellDocument::RecentFiles() const { return services_.environ.recent; }

std::int32_t MainCellDocument::ColumnCutMask() const { return main_.DisplayStore().ColumnCutMask(); }

// The column groups are program-wide and kept for the next start at once.
void MainCellDocument::SetColumnCutMask(std::int32_t mask) {
  SheetDisplayStore& store = main_.DisplayStore();
  store.SetColumnCutMask(mask);
  store.SaveColumnCutMask();
}

// The scan waits until the typing stops; the modified state follows the image itself, so an
// edit that restores the saved bytes leaves a clean document clean. Every request that may
// edit ends here, after its automatic corrections and list moves: what it changed becomes one
// undo step.
void MainCellDocument::NoteEdit() {
  main_.StartWarningCheckDelay();
  main_.Doc().IsModified();
  main_.Doc().CommitEdit();
}

// The controller answers the document commands, the exit and the view entries before the
// cell behaviour is asked; the rest of the menu and the tool bar come here (the clone and CSV
// commands, the dialogs, printing). Entries whose command the program does not have do
// nothing.
void MainCellDocument::RunCommand(unsigned cellId, std::int32_t) {
  if (main_.Clone().RunCommand(cellId)) return;
  if (csvFiles_.RunCommand(cellId, main_.CurrentSheetNumber())) return;
  switch (cellId) {
    case CL_Menu_Port_Usb: {
      ComPortDialog dialog(main_.MainWindow(), {services_.texts, services_.environ});
      dialog.exec();
      return;
    }
    case CL_Menu_File_Print_Current:
      return PrintCurrentSheet();
    case CL_Menu_File_Print_All:
      return PrintAllSheets();
    case CL_Help_Contents:
      help_.ShowContents(PreparedHelpSet());
      return;
    case CL_Help_About: {
      AboutBox about(main_.MainWindow(), services_.texts, main_.Versions());
      about.exec();
      return;
    }
    case CL_Menu_Com_Speed:
    case CL_Menu_CallSign_RptDialog:
    case CL_Menu_CallSign_AutoCorrect:
      // The options are kept at once, not only when the program ends.
      services_.environ.WriteSettings();
      return;
    default:
      return;
  }
}

// The edit in progress is stored and the widths the user set are kept before the sheet is
// built again for the paper.
cuiPrinter MainCellDocument::Printer() {
  services_.events.Send(EV_CommitEdit);
  if (cuiSheet* sheet = main_.CurrentSheet()) sheet->Layout().SaveColumnWidths();
  return cuiPrinter(main_.MainWindow(),
                    {services_.texts, *this, main_.CellBehaviour(), &main_.DisplayStore(), main_.Versions().version},
                    services_.environ.settings.printerFontSize);
}

void MainCellDocument::PrintCurrentSheet() {
  if (main_.CurrentSheet() == nullptr) return;
  const std::string sheet = main_.CurrentSheet()->Layout().GetName();
  Printer().Print({sheet}, PrintAllChoices{});
}

void MainCellDocument::PrintAllSheets() {
  PrintAllChoices choices = InitialPrintAllChoices(Image());
  if (!AskPrintAllChoices(main_.MainWindow(), services_.texts, choices)) return;
  Printer().Print(TreeSheetNames(services_.texts), choices);
}

QString MainCellDocument::PreparedHelpSet() {
  cmcGTex& texts = services_.texts;
  help_.SetTabCaptions({DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 0)),
                        DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 1)),
                        DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 2))});
  const std::string file = services_.texts.GetLine("GI_Sys_MyHelpFile", IsJapaneseDisplay(*this) ? 1 : 0);
  return QString::fromStdString(file.substr(0, file.rfind('.')));
}

// A cell without a topic of its own is explained with its page; a page without one opens
// the contents.
void MainCellDocument::ShowHelp(const cmcCellObj& cell, const std::string& sheetName) {
  int context = ContextOfCell(topics_, cell);
  if (context == 0) context = ContextOfName(topics_, SplitSheetName(sheetName).key);
  help_.ShowTopic(PreparedHelpSet(), QString::fromStdString(PageOfContext(topics_, context)));
}

bool MainCellDocument::MainWindowEnabled() const {
  return main_.MainWindow() != nullptr && main_.MainWindow()->isEnabled();
}

bool MainCellDocument::CurrentSheetPrintable() const {
  return main_.CurrentSheet() != nullptr && main_.CurrentSheet()->IsPrintable();
}

void MainCellDocument::ShowNoFreeChannel() {
  cmcGTex& texts = services_.texts;
  ShowProgramMessage(texts.GetValueText("GI_AppMess_BankChErr_NoChSpace"), texts.GetLine("GI_Sys_AppTitle", 0),
                     MessageButtons::Ok, MessageIcon::Error);
}

CallSignPickerDialog::Services MainCellDocument::DialogServices() {
  return {services_.texts, Image(), Settings(), IsJapaneseDisplay(*this)};
}

bool MainCellDocument::OpenRepeaterSetting(datCh& record) {
  indDvSet route(Image(), DefaultsImage(), record);
  RepeaterSettingDialog dialog(main_.MainWindow(), DialogServices(), route);
  if (dialog.exec() != QDialog::Accepted) return false;
  record = dialog.Result();
  return true;
}

bool MainCellDocument::OpenCallSignPicker(int type, CallSignText& call, const CallSignText& rpt1) {
  const CallSignPicker picker(Image(), type, ViewOf(call), rpt1);
  CallSignPickerDialog dialog(main_.MainWindow(), DialogServices(), picker);
  if (dialog.exec() != QDialog::Accepted) return false;
  call = MakeFixedText<MemoryMap::kCallSignLength>(dialog.Value());
  return true;
}
