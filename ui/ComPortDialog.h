#pragma once
// The COM port dialog: an editable box for the port number 1-256 whose list shows the serial
// ports the system reports, each number with its device, read again whenever the list drops
// down. OK stores the number as "ComPort"; a number outside 1-256 is refused with a message
// and the dialog stays open. Modal over its owner.
#include <QDialog>

#include "ui/PortNumberBox.h"

class QPushButton;
class cmcGTex;
class indEnviron;

class ComPortDialog final : public QDialog {
  Q_OBJECT

 public:
  struct Services {
    cmcGTex& texts;
    indEnviron& environ;
  };

  // The services must outlive the dialog.
  ComPortDialog(QWidget* owner, Services services);

  PortNumberBox& PortBox() const { return *box_; }
  QPushButton& OkButton() const { return *ok_; }

  void accept() override;

 private:
  Services services_;
  PortNumberBox* box_;
  QPushButton* ok_;
};
