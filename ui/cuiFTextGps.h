#pragma once
// The GPS text editor: a date, a time or a position typed into a fixed pattern, at the cell
// that opened it. Only digits and the hemisphere letters N, S, E and W are taken; Home, End
// and the arrows stay within the editable places. OK is enabled only for a valid value, and a
// line under the field says what is wrong otherwise. OK, Enter or a click elsewhere stores a
// valid, changed value in the cell; Escape and Cancel leave the cell as it was, and so does an
// invalid text.
#include <string>

#include "ui/CellPopupWindow.h"
#include "values/PopupRequest.h"

class QLabel;
class QLineEdit;
class QPushButton;

class cuiFTextGps final : public CellPopupWindow {
  Q_OBJECT

 public:
  cuiFTextGps(const CellPopupContext& context, const cmcCellCapsule& request, const GpsTextPopup& editor);
  ~cuiFTextGps() override;

  void CommitAndClose() override;

  QLineEdit& Field() { return *field_; }
  QPushButton& OkButton() { return *ok_; }
  QLabel& Problem() { return *problem_; }
  int EditType() const { return editType_; }

  // The field's text as the rules read it: blanks as spaces, the degree sign as byte 0xB0.
  std::string FieldText() const;

 protected:
  void OnClosedByFocusLoss() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWindow();
  void StartText(std::int32_t openingKey);
  bool FilterKey(QKeyEvent& event);
  void Validate();
  void Commit();

  int editType_;
  std::string openingText_;  // as the cell handed it, year first for dates
  QLineEdit* field_ = nullptr;
  QLabel* problem_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};
