#pragma once
// The pop-up menu of a sheet cell, built from a menu key of the text tables: the entries of
// key + "_Body" with key + "_BasicCell" as their parent, each a cell of category
// CT_PopupMenu. Before the menu shows, the cell behaviour is asked about every entry with
// the sheet's current cell as parent request (checked, hidden, disabled, caption). The
// entries' shortcuts (the argument of their cell identifier item) work on the widget that
// owns the menu while it has the focus.
#include <QMenu>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sheet/layout/cmcCellCapsule.h"
#include "text/cmcCellObj.h"

class cmcGTex;

class CellPopupMenu : public QMenu {
  Q_OBJECT

 public:
  // shortcutOwner receives the entries' shortcuts.
  CellPopupMenu(QWidget* shortcutOwner, cmcGTex& texts);
  ~CellPopupMenu() override;

  // Called with the chosen entry's cell identifier.
  std::function<void(unsigned cellId)> chosen;

  // Replaces the entries by those of key; an empty key leaves the menu empty.
  void Build(const std::string& key);
  const std::string& Key() const { return key_; }
  // Drops every entry and its shortcut.
  void Clear();
  void Refresh(const CellBehaviourCallback& behaviour, const cmcCellCapsule& parent);
  // Whether the menu has an entry with this cell identifier.
  bool HasEntry(unsigned cellId) const;

 private:
  struct Entry {
    std::unique_ptr<cmcCellObj> cell;
    QAction* action = nullptr;
  };

  void AddEntry(const std::string& definition);

  QWidget* shortcutOwner_;
  cmcGTex& texts_;
  std::string key_;
  cmcCellObj basicCell_;
  std::vector<Entry> entries_;
};
