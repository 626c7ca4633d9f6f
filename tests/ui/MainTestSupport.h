#pragma once
// The real window program inside the test process: the process-wide objects over the test's
// own settings files, Qt timing, and message boxes answered from a script.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "memory/FixedText.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "platform/MessageBox.h"
#include "platform/qt/QtTiming.h"
#include "ui/MainProcess.h"
#include "ui/cuiMainWindow.h"
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

// Runs the event loop for ms milliseconds.
inline void PumpFor(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Leaves the image's your-call list two identical entries: a warning and no error.
inline void MakeTwoIdenticalYourCalls(cmcEeprom& image) {
  constexpr int kYourCallKind = 8;
  SetYourCallCount(image, 2);
  datCh entry(image);
  for (int i = 0; i < 2; ++i) {
    entry.Load(kYourCallKind, i);
    entry.callSign = MakeFixedText<8>("TESTCALL");
    entry.Store(kYourCallKind, i);
  }
}

// Answers message boxes from a queue (a box closed without a button when it is empty) and
// keeps what was asked.
class ScriptedMessageBox final : public MessageBox {
 public:
  ScriptedMessageBox() : previous_(InstallMessageBox(this)) {}
  ~ScriptedMessageBox() override { InstallMessageBox(previous_); }

  std::int32_t Show(const MessageRequest& request) override {
    asked.push_back(request);
    if (answers.empty()) return ClosedBoxAnswer(request.buttons);
    const std::int32_t answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<std::int32_t> answers;
  std::vector<MessageRequest> asked;

 private:
  MessageBox* previous_;
};

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

  void Start() {
    process_->Start();
    PumpUntil([&] { return Controller().CurrentSheet() != nullptr; });
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
