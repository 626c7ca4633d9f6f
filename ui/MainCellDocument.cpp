#include "ui/MainCellDocument.h"

#include "shell/indEnviron.h"
#include "text/cmcGTex.h"
#include "ui/cuiMainWindow.h"
#include "ui/cuiSheet.h"

indEnvironSettings& MainCellDocument::Settings() { return services_.environ.settings; }
const cmcRecent& MainCellDocument::RecentFiles() const { return services_.environ.recent; }

std::int32_t MainCellDocument::ColumnCutMask() const { return main_.DisplayStore().ColumnCutMask(); }

// The column groups are program-wide and kept for the next start at once.
void MainCellDocument::SetColumnCutMask(std::int32_t mask) {
  cmcSheetDisplayStore& store = main_.DisplayStore();
  store.SetColumnCutMask(mask);
  store.SaveColumnCutMask();
}

// The scan waits until the typing stops; the modified state follows the image itself, so an
// edit that restores the saved bytes leaves a clean document clean.
void MainCellDocument::NoteEdit() {
  main_.StartWarningCheckDelay();
  main_.IsModified();
}

// The controller answers the entries of the commands it runs (exit, view, the File menu, ...)
// before the cell behaviour is asked, so they never come here; an entry that does come has
// no command yet and does nothing.
void MainCellDocument::RunCommand(unsigned, std::int32_t) {}

bool MainCellDocument::MainWindowEnabled() const {
  return main_.MainWindow() != nullptr && main_.MainWindow()->isEnabled();
}

bool MainCellDocument::CurrentSheetPrintable() const {
  return main_.CurrentSheet() != nullptr && main_.CurrentSheet()->IsPrintable();
}

// There is no channel clipboard yet: nothing can be pasted.
bool MainCellDocument::ClipboardAccepts(int) const { return false; }

void MainCellDocument::ShowNoFreeChannel() {
  cmcGTex& texts = services_.texts;
  main_.ShowMessage(texts.GetValueText("GI_AppMess_BankChErr_NoChSpace"), texts.GetLine("GI_Sys_AppTitle", 0),
                    MessageButtons::Ok, MessageIcon::Error);
}
