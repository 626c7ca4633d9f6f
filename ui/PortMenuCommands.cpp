#include "ui/PortMenuCommands.h"

#include "base/indEnviron.h"
#include "ui/ApplicationWindow.h"
#include "ui/ComPortDialog.h"
#include "ui/cuiMain.h"

void PortMenuCommands::PortUsb() {
  ComPortDialog dialog(main_.MainWindow(), {services_.texts, services_.environ});
  dialog.exec();
}

// The option is kept at once, not only when the program ends.
void PortMenuCommands::ComSpeed() { services_.environ.WriteSettings(); }
