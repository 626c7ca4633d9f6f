#pragma once
// The initial setup: shown in place of the main window when the program knows no destination
// yet or was started with "/setup". The user either has the radio asked over the cable (a
// clone information session on the port typed or picked) or points to a clone file the radio
// saved, whose destination is taken. Once the destination is known the dialog closes; closing
// it in any way shows the main window on the dialog's monitor. It is not modal: the program
// runs its clone session while it is open, and it is shown once per run.
#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class DocumentCommands;
class EventRecord;
class PortNumberBox;
class cmcEvMan;
class cmcGTex;
class indEnviron;

class TForm2 final : public QDialog {
  Q_OBJECT

 public:
  struct Services {
    cmcGTex& texts;
    indEnviron& environ;
    cmcEvMan& events;
    DocumentCommands& documents;
  };

  // The services and mainWindow must outlive the dialog. The dialog deletes itself when it
  // is done.
  TForm2(QWidget* mainWindow, Services services);
  ~TForm2() override;

  // Captions, fonts and the memo's text for the display language; centres the dialog on the
  // main window's monitor and shows it.
  void ShowInitialSetup();

  QPushButton& Button1() const { return *button1_; }
  QPushButton& Button2() const { return *button2_; }
  QRadioButton& RbCom() const { return *rbCom_; }
  QRadioButton& RbQmf() const { return *rbQmf_; }
  PortNumberBox& CbComm() const { return *cbComm_; }
  QPushButton& BtQmfSel() const { return *btQmfSel_; }
  QLabel& LbQmfName() const { return *lbQmfName_; }
  QPlainTextEdit& Memo1() const { return *memo1_; }

 public slots:
  // However the dialog ends (Escape, Cancel, its window's close button, a destination found),
  // the main window is placed on the dialog's monitor and shown, once.
  void done(int result) override;

 private:
  void Button1Click();
  void ReadFromRadio();
  void rbComClick();
  void rbQmfClick();
  void btQmfSelClick();
  void SetFileMode(bool fileMode);
  void PlaceMainWindowOnDialogMonitor();
  static void OnEvent(void* user, const EventRecord& event);

  QWidget* mainWindow_;
  Services services_;
  QPlainTextEdit* memo1_;
  QLabel* image1_;
  QRadioButton* rbCom_;
  PortNumberBox* cbComm_;
  QRadioButton* rbQmf_;
  QPushButton* btQmfSel_;
  QLabel* lbQmfName_;
  QPushButton* button1_;
  QPushButton* button2_;
  bool fileMode_ = false;
  bool closed_ = false;
  std::string filePath_;
};
