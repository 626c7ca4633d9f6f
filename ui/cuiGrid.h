#pragma once
// An owner-drawn grid of cells with per-column widths and per-row heights. The first
// fixed columns and rows stay put while the rest scrolls by whole columns and rows. The grid
// knows nothing about what its cells hold: its owner draws every cell and decides, through
// the hooks, which cell may become current and what keys, clicks and the wheel do. A hook
// that is not set leaves the grid's own behaviour in place.
#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <functional>
#include <vector>

class QPainter;

class cuiGrid : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Directions of a timed scroll while the pointer drags a selection outside the cells.
  enum ScrollDirection { kScrollLeft = 1, kScrollRight = 2, kScrollUp = 4, kScrollDown = 8 };

  struct Hooks {
    // Asked before a user move makes (column, row) current; false refuses the move.
    std::function<bool(int column, int row)> selectCell;
    // Draws one cell. The painter is clipped to the fixed or scrolling area the cell lies in,
    // not to the cell, so a cell may draw over its left neighbours.
    std::function<void(QPainter& painter, int column, int row, const QRect& rect)> drawCell;
    std::function<void()> topLeftChanged;
    // After the user has changed a column's width (the grid's own handling done).
    std::function<void()> columnWidthsChanged;
    // Replaces the grid's own stepping while a drag selection is outside the cells.
    std::function<void(int directions)> timedScroll;
    std::function<void()> focusGained;
    std::function<void()> focusLost;
    // The input method started composing while the grid has the focus.
    std::function<void()> compositionStarted;
    // Each answers true when it handled the event; the grid's own handling is skipped then.
    std::function<bool(QKeyEvent& event)> keyPressed;
    std::function<bool(QMouseEvent& event)> mousePressed;
    std::function<bool(QMouseEvent& event)> mouseReleased;
    std::function<bool(QMouseEvent& event)> mouseMoved;
    std::function<bool(QMouseEvent& event)> doubleClicked;
    std::function<bool(QWheelEvent& event)> wheel;
  };

  explicit cuiGrid(QWidget* parent = nullptr);

  Hooks hooks;

  // Shape. New columns and rows take the default sizes; a size of 0 hides a column or row.
  void SetDefaultSizes(int columnWidth, int rowHeight);
  void SetSize(int columns, int rows);
  int ColCount() const { return static_cast<int>(widths_.size()); }
  int RowCount() const { return static_cast<int>(heights_.size()); }
  void SetColWidth(int column, int width);
  int ColWidth(int column) const { return widths_[static_cast<std::size_t>(column)]; }
  void SetRowHeight(int row, int height);
  int RowHeight(int row) const { return heights_[static_cast<std::size_t>(row)]; }
  // Clamped so that at least one column and one row scroll.
  void SetFixed(int columns, int rows);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  int TotalWidth() const;
  int TotalHeight() const;

  void SetColumnSizing(bool on) { columnSizing_ = on; }
  bool ColumnSizing() const { return columnSizing_; }
  // Tab and Shift+Tab move between cells instead of passing the focus on.
  void SetTabMoves(bool on) { tabMoves_ = on; }

  // The current cell. Setting it asks no hook; it scrolls the cell into view.
  int Col() const { return col_; }
  int Row() const { return row_; }
  void SetCurrentCell(int column, int row);
  // A user move: asks the select-cell hook first. True when the cell became current.
  bool TrySelectCell(int column, int row);

  // The first scrolling column and row shown.
  int LeftCol() const { return leftCol_; }
  int TopRow() const { return topRow_; }
  void SetTopLeft(int column, int row);
  // Scrolls so that the cell is shown (fixed cells are always shown).
  void ScrollIntoView(int column, int row);
  // The last scrolling column and row that are at least partly shown.
  int LastVisibleCol() const;
  int LastVisibleRow() const;

  // The cell's rectangle in viewport coordinates; empty when the cell is not shown.
  QRect CellRect(int column, int row) const;
  // The cell under a viewport point; false outside every cell.
  bool CellAt(QPoint point, int& column, int& row) const;
  // The shown column whose right edge lies within tolerance pixels of x, or -1.
  int ColumnEdgeNear(int x, int tolerance) const;
  // The x of the right edge of the last shown column.
  int RightEdgeOfCells() const;

  void InvalidateCell(int column, int row);
  void InvalidateRow(int row);
  void InvalidateAll();

  // Width and height of the scrolling part of the viewport.
  int ScrollAreaWidth() const;
  int FixedWidth() const;
  int FixedHeight() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool event(QEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 private:
  int ColumnLeft(int column) const;
  int RowTop(int row) const;
  int MaxLeftCol() const;
  int MaxTopRow() const;
  void UpdateScrollBars();
  // Columns or rows first to end (exclusive).
  struct CellSpan {
    int first;
    int end;
  };
  void PaintArea(QPainter& painter, const QRect& area, CellSpan columns, CellSpan rows, const QRect& dirty);
  bool MoveByKey(const QKeyEvent& event);
  bool StepTo(int column, int row);
  void DragSelect(QPoint point);
  void AutoScrollTick();
  int DragDirections(QPoint point) const;

  std::vector<int> widths_;
  std::vector<int> heights_;
  int defaultWidth_ = 64;
  int defaultHeight_ = 24;
  int fixedCols_ = 0;
  int fixedRows_ = 0;
  int col_ = 0;
  int row_ = 0;
  int leftCol_ = 0;
  int topRow_ = 0;
  bool columnSizing_ = false;
  bool tabMoves_ = false;
  bool updatingScrollBars_ = false;

  int sizingColumn_ = -1;  // the column whose width a drag changes
  int sizingStartX_ = 0;
  int sizingStartWidth_ = 0;
  bool dragSelecting_ = false;
  QPoint lastDragPoint_;
  QTimer autoScroll_;
  bool composing_ = false;
};
