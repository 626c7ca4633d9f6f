#pragma once
// What the user sees of a clone session, as the session manager drives it: the progress of a
// read or write and the message of a failed session. The window shows a progress window and
// a message box; the command-line tool draws a bar on its terminal and prints the message.
#include <string>

class CloneSessionUi {
 public:
  virtual ~CloneSessionUi() = default;

  // A read or write starts; the window disables the main window while its progress shows.
  virtual void OpenProgress() = 0;
  // segments of 32 are done; called every 30 ms while the progress is open.
  virtual void ShowProgress(int segments) = 0;
  // The read or write has ended; the progress goes.
  virtual void CloseProgress() = 0;
  // A failed session's message, code page 932 text and caption; returns when the user has
  // seen it (a modal message box).
  virtual void ShowCloneError(const std::string& caption, const std::string& text) = 0;
};
