#include "ui/EditMenuCommands.h"

#include "base/EventCodes.h"
#include "base/cmcEvMan.h"
#include "text/CellIds.h"
#include "ui/ApplicationWindow.h"
#include "ui/SortDialog.h"
#include "ui/cuiMain.h"
#include "ui/cuiSheet.h"

void EditMenuCommands::StepHistory(bool forward) {
  services_.events.Send(EV_CommitEdit);
  if (!(forward ? main_.Doc().Redo() : main_.Doc().Undo())) return;
  services_.events.Post(EV_ViewChanged, 1);
  services_.events.Send(EV_RefreshAll);
  main_.StartWarningCheckDelay();
}

void EditMenuCommands::EditSort() {
  services_.events.Send(EV_CommitEdit);
  if (main_.CurrentSheet() == nullptr) return;
  SortDialog dialog(main_.MainWindow(), services_.texts);
  if (dialog.exec() != QDialog::Accepted) return;
  // The page may have been built afresh while the dialog was open.
  if (cuiSheet* sheet = main_.CurrentSheet()) sheet->RunEditCommand(CL_Menu_Edit_Sort, SortOrderCode(dialog.Order()));
}
