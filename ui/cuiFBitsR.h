#pragma once
// The bit-field editor: one check cell per flag under a row of labels, with OK and Cancel, at
// the cell that opened it. Space, Backspace and a double-click toggle a flag; Enter or OK
// stores the flags in the cell, and so does a click elsewhere; Escape and Cancel leave the
// cell as it was. While the flags break the rule of their kind (the NMEA sentences) every
// flag shows the error mark, OK is disabled and nothing is stored.
#include <memory>
#include <string>
#include <vector>

#include "sheet/cells/BitFieldFlags.h"
#include "text/cmcGTex.h"
#include "ui/CellPopupWindow.h"

class QPushButton;
class cuiSheet;

class cuiFBitsR final : public CellPopupWindow {
  Q_OBJECT

 public:
  cuiFBitsR(const CellPopupContext& context, const cmcCellCapsule& request, const BitFieldPopup& editor);
  ~cuiFBitsR() override;

  void CommitAndClose() override;

  cuiSheet& Sheet() { return *sheet_; }
  QPushButton& OkButton() { return *ok_; }
  QPushButton& CancelButton() { return *cancel_; }

 protected:
  void OnClosedByFocusLoss() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static int Behaviour(cmcCellCapsule& request, int op, void* object);
  int HandleRequest(cmcCellCapsule& request, int op);
  cmcGTex& SheetTexts(const std::string& callerSheetKey);
  void BuildWindow(const std::string& callerSheetKey);
  void Commit();

  BitFieldFlags flags_;
  std::vector<std::string> lines_;
  std::vector<const char*> table_;
  std::unique_ptr<cmcGTex> privateTexts_;
  cuiSheet* sheet_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};
