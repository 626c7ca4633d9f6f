#pragma once
// A menu built from the text tables: the entries of key + "_Body" (one cell definition per
// line, sub-menus by indentation) under a menu bar. Each entry keeps its cell attribute set;
// a click and every question about an entry's state (checked, hidden, disabled, caption) go
// to the cell behaviour as requests about that set. The builder listens for EV_MenuRefresh,
// EV_MenuClearSub and EV_MenuFillSub from the moment it exists.
#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "sheet/layout/BodyLines.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "text/cmcCellObj.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class cmcEvMan;
class EventRecord;
class cmcGTex;
class CellContext;

class cuiMenu {
 public:
  struct Services {
    cmcGTex& texts;
    cmcEvMan& events;
    CellBehaviourCallback behaviour;
  };

  // owner is the window the requests name as theirs.
  cuiMenu(QMenuBar& bar, Services services, std::string key, QWidget* owner);
  ~cuiMenu();
  cuiMenu(const cuiMenu&) = delete;
  cuiMenu& operator=(const cuiMenu&) = delete;

  // Replaces every entry by the entries of the key.
  void Build();
  // Asks the cell behaviour about every entry and shows the answers.
  void Refresh();
  // The entry bound to cellId, nullptr when none is.
  QAction* FindByCellId(unsigned cellId) const;
  // Removes the sub-entries of entry.
  void ClearSub(QAction* entry);
  // Adds the entries of key below entry; their clicks go to clickOwner.
  void FillSub(QAction* entry, const std::string& key, cuiMenu& clickOwner);

  // Runs the cell behaviour for a click on cell, then refreshes the menu.
  void Click(cmcCellObj& cell);

 private:
  struct Entry {
    std::unique_ptr<cmcCellObj> cell;
    QAction* action = nullptr;
  };
  class Container;

  void AddEntries(Container root, const std::vector<BodyLine>& lines, cuiMenu& clickOwner);
  QAction* AddEntry(Container& container, const std::string& definition, cuiMenu& clickOwner);
  void RefreshEntry(Entry& entry, const CellContext& context);
  void ForgetEntriesUnder(QMenu* menu);
  static void DeleteSubMenus(QWidget& container);
  static void OnEvent(void* user, const EventRecord& event);

  QMenuBar& bar_;
  Services services_;
  std::string key_;
  QWidget* owner_;
  cmcCellObj basicCell_;
  std::vector<Entry> entries_;
};
