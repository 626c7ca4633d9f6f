#pragma once
// The real window program inside the test process: the process-wide objects over the test's
// own settings files, Qt timing, and message boxes answered from a script.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "memory/indDestination.h"
#include "platform/qt/QtTiming.h"
#include "support/DesktopInput.h"
#include "support/IsolatedUserFolders.h"
#include "support/ScriptedMessageBox.h"
#include "support/WarningImages.h"
#include "ui/ApplicationWindow.h"
#include "ui/MainProcess.h"
#include "ui/TForm2.h"
#include "ui/cuiMenu.h"
#include "ui/indMain.h"

// Runs the event loop until done() holds or timeoutMs have passed; answers done().
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

// Runs act on the modal dialog of type T as soon as it shows (while the command that opened
// it waits in its exec), then lets the command go on. The dialog is looked for until it shows,
// so clicks and keys on the way to the command may run the event loop first. A dialog that
// opens over another modal one names that one as under.
template <typename T>
void WhenShown(std::function<void(T&)> act, const QWidget* under = nullptr) {
  constexpr int kTimeoutMs = 5000;
  auto* poll = new QTimer;
  auto* waited = new QElapsedTimer;
  waited->start();
  QObject::connect(poll, &QTimer::timeout, [poll, waited, act, under] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = modal != under ? dynamic_cast<T*>(modal) : nullptr;
    if (dialog == nullptr && waited->elapsed() < kTimeoutMs) return;
    poll->stop();
    poll->deleteLater();
    delete waited;
    if (dialog == nullptr) {
      ADD_FAILURE() << "no dialog of the awaited kind showed";
      return;
    }
    // An act that fails half-way must not leave the command waiting in the dialog for ever.
    const QPointer<T> shown(dialog);
    act(*dialog);
    if (shown != nullptr && shown->isVisible()) {
      ADD_FAILURE() << "the dialog stayed open after the test's answer";
      shown->reject();
    }
  });
  poll->start(1);
}

// Runs the event loop for ms milliseconds.
inline void PumpFor(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// One run of the program: made, started (its window shown and its first sheet open), and
// closed and destroyed at the end as the program ends.
class ProgramRun {
 public:
  explicit ProgramRun(std::vector<std::string> arguments = {"tessel"})
      : process_(std::make_unique<MainProcess>(arguments)) {}
  ~ProgramRun() { Quit(); }

  MainProcess& Process() { return *process_; }
  indMain& Controller() { return process_->Controller(); }
  cmcEvMan& Events() { return process_->Events(); }
  ScriptedMessageBox& Messages() { return messages_; }

  // Starts as a user who cancels the initial setup, should it show.
  void Start() {
    StartToSetup();
    if (TForm2* setup = Controller().InitialSetup()) setup->Button2().click();
    PumpUntil([&] { return Controller().CurrentSheet() != nullptr; });
  }

  // Starts and leaves the initial setup open, should it show.
  void StartToSetup() {
    process_->Start();
    PumpUntil([&] { return Controller().InitialSetup() != nullptr || Controller().MainWindowVisible(); });
  }

  // Closes the window as the user would, then ends the process's objects (settings written).
  void Quit() {
    if (process_ == nullptr) return;
    if (process_->IsFirstInstance() && Controller().MainWindowVisible()) Controller().MainWindow()->close();
    process_.reset();
  }

 private:
  QtTiming timing_;
  ScriptedMessageBox messages_;
  std::unique_ptr<MainProcess> process_;
};

// Starts the program with empty settings and a destination already chosen, as a user who has
// been through the initial setup meets it.
inline void StartWithDestination(std::optional<ProgramRun>& run, std::int32_t destination) {
  isolated::RemoveSettingsFiles();
  run.emplace();
  run->Process().Environ().settings.destinationCode = destination;
  indDestination(destination).ApplyDestination();
  run->Start();
}

// Chooses the main window's menu entry of a cell identifier with the mouse, the window made
// the active one first.
inline void ChooseMenuEntry(indMain& main, unsigned cellId) {
  QAction* entry = main.Menu()->FindByCellId(cellId);
  ASSERT_NE(entry, nullptr) << cellId;
  ASSERT_TRUE(desktop::Activate(*main.MainWindow()));
  desktop::ChooseMenuEntry(*main.MainWindow()->menuBar(), *entry);
}
