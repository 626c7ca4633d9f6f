#pragma once
// The tool bar built from the text tables: every line of key + "_Body" is a cell
// definition; caption "-" is a separator, "/" a separator that would start a new row (a
// single-row bar shows it as a separator), any other line a button with the cell's picture
// and the caption as its hint. Clicks and the buttons' states (pressed, disabled, picture)
// go through the cell behaviour like menu entries.
#include <memory>
#include <string>
#include <vector>

#include "sheet/layout/cmcCellCapsule.h"
#include "text/cmcCellObj.h"

class QAction;
class QMainWindow;
class QToolBar;
class cmcEvMan;
class cmcGTex;

class cuiToolBar {
 public:
  struct Services {
    cmcGTex& texts;
    cmcEvMan& events;
    CellBehaviourCallback behaviour;
  };

  cuiToolBar(QMainWindow& window, Services services, std::string key);
  ~cuiToolBar();
  cuiToolBar(const cuiToolBar&) = delete;
  cuiToolBar& operator=(const cuiToolBar&) = delete;

  // Replaces the tool bar by a new one built from the key.
  void Build();
  void Refresh();
  QToolBar* Bar() const { return bar_; }

 private:
  struct Button {
    std::unique_ptr<cmcCellObj> cell;
    QAction* action = nullptr;
  };

  void AddLine(const std::string& definition);
  void DropTrailingSeparator();
  void Click(cmcCellObj& cell);

  QMainWindow& window_;
  Services services_;
  std::string key_;
  QToolBar* bar_ = nullptr;
  cmcCellObj basicCell_;
  std::vector<Button> buttons_;
};
