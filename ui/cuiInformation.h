#pragma once
// The clone information window: what the radio reported about itself (serial number,
// comment, destination, option flags), shown as a small sheet without scroll bars over an OK
// button. It is not modal, but its owner stays disabled while it is open; closing it (OK,
// Escape or the close button) destroys it and gives the owner back its input.
//
// Under the sheet it lists the kept backups of the radio (or of every radio) and opens the
// one chosen as a document, after closing itself.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "files/RadioBackups.h"

#include "sheet/layout/cmcCellCapsule.h"

class QCheckBox;
class QListWidget;
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

  struct Backups {
    // The backups of the radio shown, or of every radio with allRadios.
    std::function<std::vector<RadioBackup>(bool allRadios)> list;
    // Opens a backup as the document; called once the window has closed.
    std::function<void(const std::string& path)> open;
  };

  // A top-level window (owner may be nullptr) that deletes itself when closed; caption in
  // the program's code page.
  cuiInformation(QWidget* owner, Services services, const std::string& caption, const std::string& sheetKey,
                 Backups backups);
  ~cuiInformation() override;

  // Disables the owner, centres the window over it and shows it with OK focused.
  void Open();

  cuiSheet& Sheet() const { return *sheet_; }
  QPushButton& OkButton() const { return *ok_; }
  QListWidget& BackupList() const { return *backupList_; }
  QCheckBox& AllRadiosBox() const { return *allRadios_; }
  QPushButton& OpenBackupButton() const { return *openBackup_; }

 private:
  QWidget* MakeBackupPanel(cmcGTex& texts);
  void ListBackups();
  void OpenChosenBackup();

  QPointer<QWidget> owner_;
  Backups backups_;
  QListWidget* backupList_ = nullptr;
  QCheckBox* allRadios_ = nullptr;
  QPushButton* openBackup_ = nullptr;
  cuiSheet* sheet_;
  QPushButton* ok_;
};
