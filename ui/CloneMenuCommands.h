#pragma once
// The Clone menu's commands as the main window runs them: Clone Read, Clone Write and Clone
// Information, each the function named after its entry's identifier (CL_Menu_Clone_Read:
// CloneRead). Owns what the clone commands work with in the window: the serial device, the
// progress window and error boxes of a session, the clone commands themselves (which the
// initial setup also starts, through events) and the information window with the radio's
// backups.
#include <QPointer>
#include <memory>

#include "platform/qt/QtSerialDevice.h"
#include "ui/QtCloneSessionUi.h"
#include "ui/cuiInformation.h"
#include "workflows/MainServices.h"

class CloneCommands;
class cuiMain;

class CloneMenuCommands {
 public:
  // main and the services outlive the commands. Images read or written are kept as backups
  // in the user's data folder.
  CloneMenuCommands(cuiMain& main, MainServices services);
  ~CloneMenuCommands();
  CloneMenuCommands(const CloneMenuCommands&) = delete;
  CloneMenuCommands& operator=(const CloneMenuCommands&) = delete;

  void CloneRead();
  void CloneWrite();
  // The information session starts on the event the initial setup also sends.
  void CloneInfo();

  // Clone Read, Clone Write and Clone Information with their sessions.
  CloneCommands& Commands() { return *commands_; }
  // The progress window while a clone read or write runs, else nullptr.
  CloneProgressWindow* ProgressWindow() const { return sessionUi_.ProgressWindow(); }

  // Shows what the radio's last information reply said, with its backups; a window open
  // before closes.
  void OpenInformationWindow();
  // The clone information window while it is open.
  cuiInformation* InformationWindow() const { return informationWindow_; }

 private:
  cuiInformation::Backups InformationBackups();

  cuiMain& main_;
  MainServices services_;
  QtSerialDevice device_;
  QtCloneSessionUi sessionUi_;
  std::unique_ptr<CloneCommands> commands_;
  QPointer<cuiInformation> informationWindow_;
};
