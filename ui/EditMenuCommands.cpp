#include "ui/EditMenuCommands.h"

#include "base/EventCodes.h"
#include "base/cmcEvMan.h"
#include "ui/cuiMain.h"

void EditMenuCommands::StepHistory(bool forward) {
  services_.events.Send(EV_CommitEdit);
  if (!(forward ? main_.Doc().Redo() : main_.Doc().Undo())) return;
  services_.events.Post(EV_ViewChanged, 1);
  services_.events.Send(EV_RefreshAll);
  main_.StartWarningCheckDelay();
}
