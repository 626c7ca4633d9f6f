#include "ui/MainCellDocument.h"

#include "base/ProgramMessage.h"
#include "base/indEnviron.h"
#include "text/cmcGTex.h"
#include "ui/ApplicationWindow.h"
#include "ui/HelpMenuCommands.h"
#include "ui/RepeaterSettingDialog.h"
#include "ui/ViewMenuCommands.h"
#include "ui/cuiSheet.h"

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

bool MainCellDocument::ConfirmLanguageChange() { return main_.ViewMenu().ConfirmLanguageChange(); }

void MainCellDocument::ShowHelp(const cmcCellObj& cell, const std::string& sheetName) {
  main_.HelpMenu().ShowCellHelp(cell, sheetName);
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
