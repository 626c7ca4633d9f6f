#pragma once
// The clone information window: what the radio reported about itself (serial number,
// comment, destination, option flags), shown as a small sheet without scroll bars over an OK
// button. It is not modal, but its owner stays disabled while it is open; closing it (OK,
// Escape or the close button) destroys it and gives the owner back its input.
#include <QPointer>
#include <QWidget>
#include <string>

#include "sheet/cmcCellCapsule.h"

class QPushButton;
class cmcEvMan;
class cmcGTex;
class cuiSheet;

class cuiInformation final : public QWidget {
  Q_OBJECT

 public:
  struct Services {
    cmcGTex& texts;
    cmcEvMan& events;
    CellBehaviourCallback behaviour;  // answers the sheet's cells
  };

  // A top-level window (owner may be nullptr) that deletes itself when closed; caption in
  // the program's code page.
  cuiInformation(QWidget* owner, Services services, const std::string& caption, const std::string& sheetKey);
  ~cuiInformation() override;

  // Disables the owner, centres the window over it and shows it with OK focused.
  void Open();

  cuiSheet& Sheet() const { return *sheet_; }
  QPushButton& OkButton() const { return *ok_; }

 private:
  QPointer<QWidget> owner_;
  cuiSheet* sheet_;
  QPushButton* ok_;
};
