#pragma once
// The Repeater Setting dialog over an indDvSet: the access repeater and the called station
// (each with a "..." button that opens the call-sign picker), the RPT2 choice, and the UR,
// RPT1 and RPT2 the route gives. OK answers the record to store (Result); Cancel and Escape
// leave the channel as it was. Modal over its owner.
#include <QDialog>

#include "sheet/cells/indDvSet.h"
#include "ui/CallSignPickerDialog.h"

class QLineEdit;
class QPushButton;

class RepeaterSettingDialog final : public QDialog {
  Q_OBJECT

 public:
  using Services = CallSignPickerDialog::Services;

  // The services and the route state must outlive the dialog.
  RepeaterSettingDialog(QWidget* owner, Services services, indDvSet& route);

  const datCh& Result() const { return result_; }

  QLineEdit& AccessField() const { return *access_; }
  QLineEdit& CalledField() const { return *called_; }
  QLineEdit& Rpt2ChoiceField() const { return *rpt2Choice_; }
  QLineEdit& CallSignField(int i) const { return *calls_[i]; }
  QPushButton& AccessButton() const { return *accessButton_; }
  QPushButton& CalledButton() const { return *calledButton_; }
  QPushButton& Rpt2Button() const { return *rpt2Button_; }

  void accept() override;

 private:
  QPushButton* MoreButton();
  void PickFor(int pickerType);
  void ChooseRpt2();
  void CalledEdited(const QString& text);
  void Refresh();
  QString ChoiceText(const indDvSet::Rpt2Choice& choice) const;

  Services services_;
  indDvSet& route_;
  datCh result_;
  QLineEdit* access_ = nullptr;
  QLineEdit* called_ = nullptr;
  QLineEdit* rpt2Choice_ = nullptr;
  QLineEdit* calls_[3] = {};
  QPushButton* accessButton_ = nullptr;
  QPushButton* calledButton_ = nullptr;
  QPushButton* rpt2Button_ = nullptr;
};
