#pragma once
// What the document and clone commands ask of the window that shows the document. The main
// window implements it; a program without a window (tests, the command line) may answer
// with nothing shown.
class DocumentWindow {
 public:
  virtual ~DocumentWindow() = default;

  // The main window is shown (after the initial setup).
  virtual bool Visible() const = 0;
  // The main window is shown and takes input: the commands that open dialogs run only then.
  virtual bool TakesInput() const = 0;
  // Closes the open sheet; the next refresh opens it again on the new content.
  virtual void CloseSheet() = 0;
  // Rebuilds the navigation tree (after a change of destination or language).
  virtual void RebuildTree() = 0;
  // Runs the record checks of every page at once; the counts of pages with errors and with
  // warnings (the window also marks its tree).
  virtual void RunWarningCheck(int& errors, int& warnings) = 0;
  // A file is read or written: shows that the program is busy until EndBusy.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
  // Shows what the radio's last information reply said.
  virtual void OpenInformationWindow() = 0;
};
