// The owner-drawn grid on its own: fixed areas, scrolling, the select-cell hook and sizing.
#include <gtest/gtest.h>

#include <QApplication>
#include <set>
#include <utility>

#include "support/DesktopInput.h"
#include "ui/cuiGrid.h"

namespace {

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.SetDefaultSizes(50, 20);
    grid.SetSize(20, 40);
    grid.SetFixed(2, 1);
    grid.resize(400, 300);
    grid.show();
    QApplication::processEvents();
    grid.hooks.drawCell = [this](QPainter&, int column, int row, const QRect&) { drawn.insert({column, row}); };
  }
  void Key(int key) {
    ASSERT_TRUE(desktop::Activate(grid));
    desktop::Key(key);
  }

  cuiGrid grid;
  std::set<std::pair<int, int>> drawn;
};

TEST_F(GridTest, DrawsFixedCellsAndTheShownScrollingCellsOnly) {
  grid.SetTopLeft(5, 10);
  drawn.clear();
  grid.viewport()->grab();
  EXPECT_TRUE(drawn.count({0, 0}) && drawn.count({1, 12}) && drawn.count({6, 0}) && drawn.count({5, 10}));
  EXPECT_FALSE(drawn.count({2, 10})) << "scrolled out to the left";
  EXPECT_FALSE(drawn.count({5, 5})) << "scrolled out above";
  EXPECT_EQ(grid.CellRect(5, 10).topLeft(), QPoint(100, 20));
  EXPECT_EQ(grid.CellRect(0, 10).topLeft(), QPoint(0, 20));
  int column = 0;
  int row = 0;
  ASSERT_TRUE(grid.CellAt(QPoint(155, 45), column, row));
  EXPECT_EQ(std::make_pair(column, row), std::make_pair(6, 11));
}

TEST_F(GridTest, WithoutFixedRowsAndColumnsEveryShownCellIsDrawn) {
  grid.SetFixed(0, 0);  // a selection list
  grid.SetTopLeft(0, 0);
  drawn.clear();
  grid.viewport()->grab();
  EXPECT_TRUE(drawn.count({0, 0}) && drawn.count({3, 5}));
  grid.SetTopLeft(1, 2);
  drawn.clear();
  grid.viewport()->grab();
  EXPECT_TRUE(drawn.count({1, 2}) && !drawn.count({0, 0}));
}

TEST_F(GridTest, ArrowsAskTheSelectCellHookWhichMayRefuse) {
  grid.SetCurrentCell(2, 1);
  grid.hooks.selectCell = [](int column, int) { return column != 3; };
  Key(Qt::Key_Right);
  EXPECT_EQ(grid.Col(), 2) << "refused";
  Key(Qt::Key_Down);
  EXPECT_EQ(std::make_pair(grid.Col(), grid.Row()), std::make_pair(2, 2));
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);
  EXPECT_EQ(grid.Row(), 1) << "the fixed row takes no cursor";
  for (int i = 0; i < 45; ++i) Key(Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 39);
  EXPECT_FALSE(grid.CellRect(2, 39).isEmpty()) << "the cursor is scrolled into view";
}

TEST_F(GridTest, HeaderEdgesSizeColumnsOnlyWhenSizingIsOn) {
  int changes = 0;
  grid.hooks.columnWidthsChanged = [&changes] { ++changes; };
  const auto drag = [this](QPoint from, QPoint to) { desktop::Drag(*grid.viewport(), from, to); };
  drag({150, 10}, {180, 10});
  EXPECT_EQ(grid.ColWidth(2), 50);
  grid.SetColumnSizing(true);
  drag({150, 10}, {180, 10});
  EXPECT_EQ(grid.ColWidth(2), 80);
  EXPECT_EQ(changes, 1);
  drag({230, 30}, {260, 30});
  EXPECT_EQ(grid.ColWidth(3), 50) << "only header rows size columns";
}

}  // namespace
