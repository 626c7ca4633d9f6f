#pragma once
// The window in which tessel-cli's radio commands run the window's clone commands. It shows
// nothing and nobody sits before it, so it answers what the commands ask from the command
// line:
//  - as the DocumentWindow it counts as shown (the command line is past any initial setup,
//    so a radio must keep the destination it was identified with), takes no input, and has
//    no sheet, tree or information window to refresh;
//  - while it lives it is the program's message box: the question whether to take the
//    radio's destination is answered OK (info and read, which meet it, take the radio's
//    destination for their document; a write names its own and never meets it), the message
//    that a write has been completed is printed on the output, and any other box is printed
//    on the error stream and answered as a box closed without a button;
//  - the sessions' progress and failures go to the error stream (CliCloneUi).
// It owns what the window program owns for the commands: the settings, which read and write
// nothing of the window's and are the model settings while the window lives, the event
// manager, the event loop's clock and timers, the serial device, the document and its
// commands.
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "cli/CliCloneUi.h"
#include "platform/MessageBox.h"
#include "workflows/CloneCommands.h"
#include "workflows/Document.h"
#include "workflows/DocumentCommands.h"
#include "workflows/DocumentWindow.h"
#include "workflows/MainServices.h"

class QCoreApplication;
class QEventLoop;
struct EventRecord;
class indEnviron;

class HeadlessWindow final : public DocumentWindow, public MessageBox {
 public:
  // out receives the completion message, err every other message; the progress bar is drawn
  // only with drawProgress.
  HeadlessWindow(std::ostream& out, std::ostream& err, bool drawProgress);
  ~HeadlessWindow() override;
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  indEnviron& Environ();
  Document& Doc() { return document_; }
  CloneCommands& Clone() { return *clone_; }

  // Starts a clone command through start and runs the event loop until its chain of sessions
  // has ended; true when the chain's last session succeeded, which with the answers above
  // means the command did what it was asked.
  bool RunToEnd(const std::function<void()>& start);

  bool Visible() const override { return true; }
  bool TakesInput() const override { return false; }
  void CloseSheet() override {}
  void RebuildTree() override {}
  // The record checks tessel-cli check runs: the numbers of findings rather than of pages,
  // which is all the commands ask (whether there are any).
  void RunWarningCheck(int& errors, int& warnings) override;
  void BeginBusy() override {}
  void EndBusy() override {}
  void OpenInformationWindow() override {}

  std::int32_t Show(const MessageRequest& request) override;

 private:
  struct Process;

  static void OnEvent(void* user, const EventRecord& event);
  // Quits the event loop once it finds no session running: a continuation starts the next
  // session of its chain before the loop runs again.
  void QuitWhenChainEnded();
  std::string DisplayText(const char* key) const;

  std::unique_ptr<QCoreApplication> ownApplication_;
  std::unique_ptr<Process> process_;
  MainServices services_;
  std::ostream& out_;
  std::ostream& err_;
  CliCloneUi sessionUi_;
  Document document_;
  DocumentCommands documents_;
  std::unique_ptr<CloneCommands> clone_;
  MessageBox* previousBox_;
  std::unique_ptr<QEventLoop> loop_;
  bool lastSessionSucceeded_ = false;
};
