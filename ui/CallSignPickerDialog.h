#pragma once
// The call-sign picker: three lists side by side (source, entry, call sign) over a
// CallSignPicker. OK (or a double-click on a list) takes the value of the selection; Left and
// Right move between the enabled lists; Escape closes. For the called-station and
// access-repeater pickers a Detail box shows or hides the call-sign list; its state is the
// "DrDetail" setting, stored when the dialog closes. Modal over its owner.
#include <QDialog>
#include <optional>
#include <string>

#include "sheet/cells/CallSignPicker.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class cmcGTex;
class cmcEeprom;
struct EnvironSettings;

class CallSignPickerDialog final : public QDialog {
  Q_OBJECT

 public:
  struct Services {
    cmcGTex& texts;
    const cmcEeprom& image;
    EnvironSettings& settings;
    bool japaneseDisplay = false;
  };

  // The services and the picker must outlive the dialog.
  CallSignPickerDialog(QWidget* owner, Services services, const CallSignPicker& picker);

  // The value taken by OK: 8 characters (UR, RPT1, RPT2) or 16 (names).
  const std::string& Value() const { return value_; }

  QListWidget& SourceList() const { return *lists_[0]; }
  QListWidget& EntryList() const { return *lists_[1]; }
  QListWidget& CallSignList() const { return *lists_[2]; }
  QPushButton& OkButton() const { return *ok_; }
  QCheckBox* DetailBox() const { return detail_; }

  void accept() override;
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QListWidget* MakeList(int column, const QString& widthText);
  void ShowSource(int row);
  void ShowEntry(int row);
  void ShowDetail(bool shown);
  void ShowPlaceholder(QListWidget& list);
  void UpdateOk();
  CallSignPicker::Selection CurrentSelection() const;
  QString SourceText(const CallSignPicker::Source& source) const;
  void MoveFocus(int step);

  Services services_;
  const CallSignPicker& picker_;
  std::vector<CallSignPicker::Entry> entries_;
  QListWidget* lists_[3] = {};
  QLabel* labels_[3] = {};
  QPushButton* ok_ = nullptr;
  QCheckBox* detail_ = nullptr;
  std::string value_;
};
