#pragma once
// A window started with a chosen destination for tests that use pages as a user does: open a
// page through its tree node, read what a cell shows, click a cell, type into it and press
// Enter. Keys and clicks take the desktop's route (support/DesktopInput.h).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <optional>
#include <string>

#include "MainTestSupport.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "sheet/layout/SheetCursor.h"
#include "support/DesktopInput.h"
#include "text/CellIds.h"
#include "ui/ApplicationWindow.h"
#include "ui/CellPopupMenu.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"
#include "ui/cuiTree.h"

class PageWindowTest : public ::testing::Test {
 protected:
  explicit PageWindowTest(int destination = 2) : destination_(destination) {}

  void SetUp() override { StartWithDestination(run_, destination_); }
  void TearDown() override {
    run_->Messages().answers.push_back(kAnswerNo);  // leave the edited document unsaved
    run_.reset();
  }

  indMain& Main() { return run_->Controller(); }
  cuiSheet& Sheet() { return *Main().CurrentSheet(); }
  cmcEeprom& Image() { return Main().Doc().CurrentImage(); }

  // Clicks the tree node of a sheet name (its folders opened, as their arrows would) and
  // waits for its page.
  void OpenNode(const std::string& sheetName) {
    ActivateWindow();
    cuiTree& tree = *Main().Tree();
    QTreeWidgetItem* node = tree.FindBySheetName(sheetName);
    ASSERT_NE(node, nullptr) << sheetName;
    tree.Widget().scrollToItem(node);
    desktop::Click(*tree.Widget().viewport(), tree.Widget().visualItemRect(node).center());
    ASSERT_TRUE(PumpUntil([&] { return Main().CurrentSheet() != nullptr && Sheet().Layout().GetName() == sheetName; }))
        << sheetName;
  }

  // The text the window's cell behaviour gives the cell in the first list or block row.
  std::string Shown(unsigned cellId, int row) {
    const CellPosition cell = CellIn(cellId, row);
    cmcCellCapsule request;
    Sheet().PrepareRequest(cell.column, cell.row, request);
    Main().CellBehaviour()(request, kCellQuery);
    return request.outputText;
  }

  CellPosition CellIn(unsigned cellId, int row) {
    for (int column = 0; column < Sheet().Layout().ColumnCount(); ++column) {
      if (Sheet().Layout().GetCell(column, row).cellId == cellId) return {column, row};
    }
    ADD_FAILURE() << CellIdName(cellId) << " not in row " << row;
    return {0, row};
  }

  int FirstDataRow() { return Sheet().Layout().FixedRowCount(); }

  // Clicks the shown part of a cell, scrolled into view first as the scroll bars would.
  void ClickCell(CellPosition cell, Qt::MouseButton button = Qt::LeftButton) {
    cuiGrid& grid = Sheet().Grid();
    grid.ScrollIntoView(cell.column, cell.row);
    const QRect shown = grid.CellRect(cell.column, cell.row).intersected(grid.viewport()->rect());
    ASSERT_FALSE(shown.isEmpty()) << "cell " << cell.column << "," << cell.row << " is not shown";
    desktop::Click(*grid.viewport(), shown.center(), button);
  }

  // Clicks the cell, types the text key by key (the first character opens the editor) and
  // presses Enter.
  void Type(CellPosition cell, const QString& text) {
    ActivateWindow();
    ClickCell(cell);
    desktop::Type(text);
    ASSERT_TRUE(Sheet().EditorVisible());
    desktop::Enter();
  }

  datCh Channel(int index) {
    datCh record(Image());
    record.Load(RecordKind::kChannel, index);
    return record;
  }

  // A channel in use with a name, at 145 MHz unless told, in a bank row when given one.
  void PutChannel(int index, const char* name, int bank = kNoBank, int slot = 0, std::uint32_t frequency = 145000000) {
    datCh record = Channel(index);
    record.SetUsed(true);
    record.frequency = frequency;
    record.name = MakeFixedText<16>(name);
    record.bank = static_cast<std::uint8_t>(bank);
    record.bankChannel = static_cast<std::uint8_t>(slot);
    record.Commit();
    RebuildBankTables(Image());
  }

  // The channel's name, "" when it is not in use.
  std::string NameAt(int index) {
    const datCh record = Channel(index);
    if (!record.IsUsed()) return "";
    std::string name(ViewOf(record.name));
    return name.substr(0, name.find_last_not_of(' ') + 1);
  }

  QString Status() { return Main().MainWindow()->StatusText(); }

  QString TitleShown() {
    for (QLabel* label : Sheet().findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) return label->text();
    }
    return {};
  }

  QAction* ViewAction(const QString& menuText, const QString& entryText) {
    for (QAction* top : Main().MainWindow()->menuBar()->actions()) {
      if (top->menu() == nullptr || !top->text().remove(u'&').startsWith(u"View")) continue;
      for (QAction* entry : top->menu()->actions()) {
        if (entry->menu() == nullptr || entry->text().remove(u'&') != menuText) continue;
        for (QAction* item : entry->menu()->actions()) {
          if (item->text().remove(u'&').startsWith(entryText)) return item;
        }
      }
    }
    return nullptr;
  }

  void ActivateWindow() { ASSERT_TRUE(desktop::Activate(*Main().MainWindow())); }

  // The window active and the cursor on a cell of a row (the name column unless told), put
  // there by a click.
  void Focus(int row, unsigned cellId = CL_Mch_Name) {
    ActivateWindow();
    const CellPosition cell = CellIn(cellId, row);
    ClickCell(cell);
    ASSERT_TRUE(Sheet().Grid().hasFocus());
    ASSERT_EQ((CellPosition{Sheet().Grid().Col(), Sheet().Grid().Row()}), cell);
  }

  // Right-clicks the current cell and clicks the menu entry whose text starts so.
  void ChooseFromMenu(const QString& entry) {
    cuiGrid& grid = Sheet().Grid();
    ClickCell({grid.Col(), grid.Row()}, Qt::RightButton);
    auto* menu = Sheet().findChild<CellPopupMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return menu->isVisible(); }));
    for (QAction* action : menu->actions()) {
      if (action->text().remove(u'&').startsWith(entry)) {
        ASSERT_TRUE(action->isEnabled()) << entry.toStdString();
        desktop::Click(*menu, menu->actionGeometry(action).center());
        return;
      }
    }
    std::string texts;
    for (QAction* action : menu->actions()) texts += action->text().toStdString() + "|";
    ADD_FAILURE() << "no entry " << entry.toStdString() << " in " << texts;
  }

  const int destination_;
  std::optional<ProgramRun> run_;
};
