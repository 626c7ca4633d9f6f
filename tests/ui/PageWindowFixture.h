#pragma once
// A window started with a chosen destination for tests that use pages as a user does: open a
// page through its tree node, read what a cell shows, type into a cell and press Enter.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTreeWidget>
#include <optional>
#include <string>

#include "MainTestSupport.h"
#include "memory/datCh.h"
#include "sheet/SheetCursor.h"
#include "text/CellIds.h"
#include "ui/ApplicationWindow.h"
#include "ui/CellPopupMenu.h"
#include "ui/InPlaceEditor.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"
#include "ui/cuiTree.h"

// The route a key press takes to the shortcuts of the focused widget, as Qt's own test
// library drives it.
bool qt_sendShortcutOverrideEvent(QObject* receiver, ulong timestamp, int key, Qt::KeyboardModifiers modifiers,
                                  const QString& text, bool autorepeat, ushort count);

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

  // Selects the tree node of a sheet name as a click would and waits for its page.
  void OpenNode(const std::string& sheetName) {
    cuiTree& tree = *Main().Tree();
    QTreeWidgetItem* node = tree.FindBySheetName(sheetName);
    ASSERT_NE(node, nullptr) << sheetName;
    tree.Widget().setCurrentItem(node);
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

  static void Press(QWidget& target, int key, const QString& text = {},
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&target, &event);
  }

  // Selects the cell, types the text (the first character opens the editor) and presses Enter.
  void Type(CellPosition cell, const QString& text) {
    Sheet().Grid().TrySelectCell(cell.column, cell.row);
    for (const QChar c : text) {
      auto* editor = Sheet().Grid().viewport()->findChild<InPlaceEditor*>();
      const bool open = editor != nullptr && Sheet().EditorVisible();
      Press(open ? static_cast<QWidget&>(*editor) : static_cast<QWidget&>(Sheet().Grid()), c.toUpper().unicode(),
            QString(c));
    }
    ASSERT_TRUE(Sheet().EditorVisible());
    Press(*Sheet().Grid().viewport()->findChild<InPlaceEditor*>(), Qt::Key_Return, QStringLiteral("\r"));
  }

  datCh Channel(int index) {
    datCh record(Image());
    record.Load(RecordKind::kChannel, index);
    return record;
  }

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

  // The cursor on a cell of a row (the name column unless told), the grid focused in the
  // active window.
  void Focus(int row, unsigned cellId = CL_Mch_Name) {
    ApplicationWindow* window = Main().MainWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(PumpUntil([&] { return QApplication::activeWindow() == window; }));
    Sheet().Grid().setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(PumpUntil([&] { return Sheet().Grid().hasFocus(); }));
    const CellPosition cell = CellIn(cellId, row);
    ASSERT_TRUE(Sheet().Grid().TrySelectCell(cell.column, cell.row));
  }

  // A key as the keyboard gives it: shortcuts first, then the focused grid.
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget& grid = Sheet().Grid();
    if (qt_sendShortcutOverrideEvent(&grid, 0, key, modifiers, QString(), false, 1)) return;
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&grid, &event);
  }

  // Right-clicks the current cell and chooses the menu entry whose text starts so.
  void ChooseFromMenu(const QString& entry) {
    cuiGrid& grid = Sheet().Grid();
    const QPoint at = grid.CellRect(grid.Col(), grid.Row()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(grid.viewport(), &press);
    auto* menu = Sheet().findChild<CellPopupMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return menu->isVisible(); }));
    for (QAction* action : menu->actions()) {
      if (action->text().remove(u'&').startsWith(entry)) {
        ASSERT_TRUE(action->isEnabled()) << entry.toStdString();
        menu->hide();
        action->trigger();
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
