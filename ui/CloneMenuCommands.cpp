#include "ui/CloneMenuCommands.h"

#include <QStandardPaths>
#include <cstdlib>
#include <iostream>

#include "base/EventCodes.h"
#include "base/cmcEvMan.h"
#include "files/RadioBackups.h"
#include "text/cmcGTex.h"
#include "ui/ApplicationWindow.h"
#include "ui/cuiMain.h"
#include "workflows/CloneCommands.h"
#include "workflows/DocumentCommands.h"

CloneMenuCommands::CloneMenuCommands(cuiMain& main, MainServices services)
    : main_(main),
      services_(services),
      sessionUi_([&main]() -> QWidget* { return main.MainWindow(); }),
      commands_(std::make_unique<CloneCommands>(main.Doc(), main.Documents(), main, services_, device_, sessionUi_)) {
  commands_->SetBackupFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
  // For a troublesome cable: TESSEL_TRACE=FILE traces every clone session of the window.
  if (const char* trace = std::getenv("TESSEL_TRACE")) commands_->TraceFrames(trace, std::cerr);
}

CloneMenuCommands::~CloneMenuCommands() { delete informationWindow_; }

void CloneMenuCommands::CloneRead() { commands_->CloneRead(); }

void CloneMenuCommands::CloneWrite() { commands_->CloneWrite(); }

void CloneMenuCommands::CloneInfo() { services_.events.Send(EV_StartCloneInfo); }

// The backups of the radio that answered, or of all radios, opened through File > Open's path.
cuiInformation::Backups CloneMenuCommands::InformationBackups() {
  return {[this](bool allRadios) {
            const RadioBackups backups(commands_->BackupFolder());
            return allRadios ? backups.List() : backups.List(commands_->RadioBackupName());
          },
          [this](const std::string& path) { main_.Documents().OpenFile(path); }};
}

void CloneMenuCommands::OpenInformationWindow() {
  delete informationWindow_;
  informationWindow_ = new cuiInformation(
      main_.MainWindow(), cuiInformation::Services{services_.texts, services_.events, main_.CellBehaviour()},
      services_.texts.GetLine("GI_Sys_AppTitle", 0), "GI_Sheet_CloneInfo", InformationBackups());
  informationWindow_->Open();
}
