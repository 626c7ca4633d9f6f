#pragma once
// Keeps the help usable while a dialog waits for an answer. A dialog shown modally blocks
// every other window of the program; one that blocks only its own parent window (and the
// windows above that) leaves the help window and its popup, which have no parent, working.
// While installed, every modal dialog with a parent is made modal to that parent alone just
// before it shows; a dialog without a parent stays modal to the whole program.
#include <QObject>

class WindowModalDialogs : public QObject {
 public:
  // Installs itself on the application for as long as it lives.
  WindowModalDialogs();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
