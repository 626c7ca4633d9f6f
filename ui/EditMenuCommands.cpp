#include "ui/EditMenuCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include "base/EventCodes.h"
#include "base/cmcEvMan.h"
#include "sheet/cells/DocumentSearch.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"
#include "ui/ApplicationWindow.h"
#include "ui/DisplayText.h"
#include "ui/FindBar.h"
#include "ui/SortDialog.h"
#include "ui/cuiGrid.h"
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

// The open edit's text goes to the selected cells, so it is not committed first.
void EditMenuCommands::EditFill() {
  if (cuiSheet* sheet = main_.CurrentSheet()) sheet->Fill();
}

void EditMenuCommands::EditFillDown() {
  services_.events.Send(EV_CommitEdit);
  if (cuiSheet* sheet = main_.CurrentSheet()) sheet->RunEditCommand(CL_Menu_Edit_FillDown, 0);
}

void EditMenuCommands::EditFind() {
  services_.events.Send(EV_CommitEdit);
  if (main_.MainWindow() == nullptr) return;
  FindBar& bar = main_.MainWindow()->Finder();
  bar.onStep = [this](bool forward) { FindStep(forward); };
  bar.onClosed = [this] {
    if (cuiSheet* sheet = main_.CurrentSheet()) sheet->Grid().setFocus();
  };
  bar.Open();
}

void EditMenuCommands::FindStep(bool forward) {
  services_.events.Send(EV_CommitEdit);
  cuiSheet* sheet = main_.CurrentSheet();
  CellDocument* document = main_.SheetDocument();
  if (sheet == nullptr || document == nullptr || main_.MainWindow() == nullptr) return;
  FindBar& bar = main_.MainWindow()->Finder();
  const SearchPlace from{sheet->Layout().GetName(), sheet->Grid().Col(), sheet->Grid().Row()};
  const std::optional<SearchHit> hit =
      ::FindStep(*document, ProgramText(bar.Text().text()), from, forward, bar.WholeDocument().isChecked());
  const bool elsewhere =
      hit && (hit->place.sheetName != from.sheetName || hit->place.column != from.column || hit->place.row != from.row);
  bar.SetMessage(elsewhere ? QString() : DisplayText(services_.texts.GetLine("GI_AppMess_Find_NoMore", 0)));
  if (!elsewhere) return;
  // A page opened for the match takes the focus; the next Enter belongs to the bar again.
  const bool typing = bar.isAncestorOf(QApplication::focusWidget());
  if (hit->place.sheetName != from.sheetName) main_.OpenSheetThroughTree(hit->place.sheetName);
  if (cuiSheet* shown = main_.CurrentSheet()) shown->ShowCell(hit->category, hit->cellId, hit->index);
  if (typing) bar.Text().setFocus();
}
