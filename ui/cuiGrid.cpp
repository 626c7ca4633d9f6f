#include "ui/cuiGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

constexpr int kSizingTolerance = 3;  // pixels either side of a column edge that start a resize
constexpr int kAutoScrollMs = 60;

int SumOf(const std::vector<int>& sizes, int from, int to) {
  return std::accumulate(sizes.begin() + from, sizes.begin() + to, 0);
}

// The largest first scrolling index at which the rest still fills the available space.
int MaxFirst(const std::vector<int>& sizes, int fixed, int available) {
  const int count = static_cast<int>(sizes.size());
  int first = count - 1;
  int used = sizes.empty() ? 0 : sizes.back();
  while (first > fixed && used + sizes[static_cast<std::size_t>(first - 1)] <= available) {
    --first;
    used += sizes[static_cast<std::size_t>(first)];
  }
  return std::max(first, fixed);
}

}  // namespace

cuiGrid::cuiGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  autoScroll_.setInterval(kAutoScrollMs);
  connect(&autoScroll_, &QTimer::timeout, this, &cuiGrid::AutoScrollTick);
}

void cuiGrid::SetDefaultSizes(int columnWidth, int rowHeight) {
  defaultWidth_ = columnWidth;
  defaultHeight_ = rowHeight;
}

void cuiGrid::SetSize(int columns, int rows) {
  widths_.resize(static_cast<std::size_t>(std::max(columns, 0)), defaultWidth_);
  heights_.resize(static_cast<std::size_t>(std::max(rows, 0)), defaultHeight_);
  SetFixed(fixedCols_, fixedRows_);
  col_ = std::clamp(col_, 0, std::max(ColCount() - 1, 0));
  row_ = std::clamp(row_, 0, std::max(RowCount() - 1, 0));
  UpdateScrollBars();
  InvalidateAll();
}

void cuiGrid::SetColWidth(int column, int width) {
  widths_[static_cast<std::size_t>(column)] = std::max(width, 0);
  UpdateScrollBars();
  InvalidateAll();
}

void cuiGrid::SetRowHeight(int row, int height) {
  heights_[static_cast<std::size_t>(row)] = std::max(height, 0);
  UpdateScrollBars();
  InvalidateAll();
}

void cuiGrid::SetFixed(int columns, int rows) {
  fixedCols_ = std::clamp(columns, 0, std::max(ColCount() - 1, 0));
  fixedRows_ = std::clamp(rows, 0, std::max(RowCount() - 1, 0));
  leftCol_ = std::max(leftCol_, fixedCols_);
  topRow_ = std::max(topRow_, fixedRows_);
  UpdateScrollBars();
  InvalidateAll();
}

int cuiGrid::TotalWidth() const { return SumOf(widths_, 0, ColCount()); }
int cuiGrid::TotalHeight() const { return SumOf(heights_, 0, RowCount()); }
int cuiGrid::FixedWidth() const { return SumOf(widths_, 0, fixedCols_); }
int cuiGrid::FixedHeight() const { return SumOf(heights_, 0, fixedRows_); }
int cuiGrid::ScrollAreaWidth() const { return viewport()->width() - FixedWidth(); }

int cuiGrid::MaxLeftCol() const { return MaxFirst(widths_, fixedCols_, ScrollAreaWidth()); }
int cuiGrid::MaxTopRow() const { return MaxFirst(heights_, fixedRows_, viewport()->height() - FixedHeight()); }

void cuiGrid::SetCurrentCell(int column, int row) {
  if (column < 0 || row < 0 || column >= ColCount() || row >= RowCount()) return;
  InvalidateCell(col_, row_);
  col_ = column;
  row_ = row;
  ScrollIntoView(column, row);
  InvalidateCell(col_, row_);
}

bool cuiGrid::TrySelectCell(int column, int row) {
  if (column < fixedCols_ || row < fixedRows_ || column >= ColCount() || row >= RowCount()) return false;
  if (hooks.selectCell && !hooks.selectCell(column, row)) return false;
  SetCurrentCell(column, row);
  return true;
}

void cuiGrid::SetTopLeft(int column, int row) {
  const int left = std::clamp(column, fixedCols_, MaxLeftCol());
  const int top = std::clamp(row, fixedRows_, MaxTopRow());
  if (left == leftCol_ && top == topRow_) return;
  leftCol_ = left;
  topRow_ = top;
  UpdateScrollBars();
  InvalidateAll();
  if (hooks.topLeftChanged) hooks.topLeftChanged();
}

void cuiGrid::ScrollIntoView(int column, int row) {
  int left = leftCol_;
  int top = topRow_;
  if (column >= fixedCols_) {
    if (column < left) left = column;
    while (left < column && SumOf(widths_, left, column + 1) > ScrollAreaWidth()) ++left;
  }
  if (row >= fixedRows_) {
    if (row < top) top = row;
    const int height = viewport()->height() - FixedHeight();
    while (top < row && SumOf(heights_, top, row + 1) > height) ++top;
  }
  SetTopLeft(left, top);
}

int cuiGrid::LastVisibleCol() const {
  int x = FixedWidth();
  int column = leftCol_;
  while (column < ColCount() - 1 && x + ColWidth(column) < viewport()->width()) x += ColWidth(column++);
  return column;
}

int cuiGrid::LastVisibleRow() const {
  int y = FixedHeight();
  int row = topRow_;
  while (row < RowCount() - 1 && y + RowHeight(row) < viewport()->height()) y += RowHeight(row++);
  return row;
}

int cuiGrid::ColumnLeft(int column) const {
  if (column < fixedCols_) return SumOf(widths_, 0, column);
  if (column < leftCol_) return -1;
  return FixedWidth() + SumOf(widths_, leftCol_, column);
}

int cuiGrid::RowTop(int row) const {
  if (row < fixedRows_) return SumOf(heights_, 0, row);
  if (row < topRow_) return -1;
  return FixedHeight() + SumOf(heights_, topRow_, row);
}

QRect cuiGrid::CellRect(int column, int row) const {
  if (column < 0 || row < 0 || column >= ColCount() || row >= RowCount()) return {};
  const int x = ColumnLeft(column);
  const int y = RowTop(row);
  if (x < 0 || y < 0 || x >= viewport()->width() || y >= viewport()->height()) return {};
  return {x, y, ColWidth(column), RowHeight(row)};
}

bool cuiGrid::CellAt(QPoint point, int& column, int& row) const {
  column = -1;
  row = -1;
  for (int c = 0, x = 0; c < ColCount() && x <= point.x(); ++c) {
    if (c == fixedCols_) c = leftCol_;
    if (point.x() < x + ColWidth(c)) column = c;
    if (column >= 0) break;
    x += ColWidth(c);
  }
  for (int r = 0, y = 0; r < RowCount() && y <= point.y(); ++r) {
    if (r == fixedRows_) r = topRow_;
    if (point.y() < y + RowHeight(r)) row = r;
    if (row >= 0) break;
    y += RowHeight(r);
  }
  return column >= 0 && row >= 0 && point.x() >= 0 && point.y() >= 0;
}

int cuiGrid::ColumnEdgeNear(int x, int tolerance) const {
  int found = -1;
  for (int c = 0, right = 0; c < ColCount() && right - tolerance <= x + tolerance; ++c) {
    if (c == fixedCols_) c = leftCol_;
    if (c >= ColCount()) break;
    right += ColWidth(c);
    if (ColWidth(c) > 0 && std::abs(right - x) <= tolerance) found = c;
  }
  return found;
}

int cuiGrid::RightEdgeOfCells() const {
  const int last = LastVisibleCol();
  return ColumnLeft(last) + ColWidth(last);
}

void cuiGrid::InvalidateCell(int column, int row) {
  const QRect rect = CellRect(column, row);
  if (!rect.isEmpty()) viewport()->update(rect);
}

void cuiGrid::InvalidateRow(int row) {
  const int y = RowTop(row);
  if (y >= 0) viewport()->update(0, y, viewport()->width(), RowHeight(row));
}

void cuiGrid::InvalidateAll() { viewport()->update(); }

void cuiGrid::UpdateScrollBars() {
  updatingScrollBars_ = true;
  leftCol_ = std::clamp(leftCol_, fixedCols_, MaxLeftCol());
  topRow_ = std::clamp(topRow_, fixedRows_, MaxTopRow());
  horizontalScrollBar()->setRange(fixedCols_, MaxLeftCol());
  horizontalScrollBar()->setPageStep(std::max(1, LastVisibleCol() - leftCol_));
  horizontalScrollBar()->setValue(leftCol_);
  verticalScrollBar()->setRange(fixedRows_, MaxTopRow());
  verticalScrollBar()->setPageStep(std::max(1, LastVisibleRow() - topRow_));
  verticalScrollBar()->setValue(topRow_);
  updatingScrollBars_ = false;
}

void cuiGrid::scrollContentsBy(int, int) {
  if (updatingScrollBars_) return;
  SetTopLeft(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void cuiGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void cuiGrid::paintEvent(QPaintEvent* event) {
  if (!hooks.drawCell) return;
  QPainter painter(viewport());
  const QRect dirty = event->rect();
  const int fixedWidth = FixedWidth();
  const int fixedHeight = FixedHeight();
  const int width = viewport()->width();
  const int height = viewport()->height();
  // The fixed corner and headers first, then the scrolling cells.
  const QRect fixedCorner(0, 0, fixedWidth, fixedHeight);
  PaintArea(painter, fixedCorner, {0, fixedCols_}, {0, fixedRows_}, dirty);
  PaintArea(painter, QRect(fixedWidth, 0, width - fixedWidth, fixedHeight), {leftCol_, ColCount()}, {0, fixedRows_},
            dirty);
  PaintArea(painter, QRect(0, fixedHeight, fixedWidth, height - fixedHeight), {0, fixedCols_}, {topRow_, RowCount()},
            dirty);
  PaintArea(painter, QRect(fixedWidth, fixedHeight, width - fixedWidth, height - fixedHeight), {leftCol_, ColCount()},
            {topRow_, RowCount()}, dirty);
}

// Draws the cells of one area: the columns and rows of the spans, up to the area's edge.
void cuiGrid::PaintArea(QPainter& painter, const QRect& area, CellSpan columns, CellSpan rows, const QRect& dirty) {
  const QRect clip = area.intersected(dirty);
  if (clip.isEmpty()) return;
  const int firstCol = columns.first, lastCol = columns.end;
  const int firstRow = rows.first, lastRow = rows.end;
  painter.save();
  painter.setClipRect(area);
  for (int r = firstRow, y = area.top(); r < lastRow && y <= clip.bottom(); y += RowHeight(r++)) {
    if (y + RowHeight(r) <= clip.top() || RowHeight(r) == 0) continue;
    for (int c = firstCol, x = area.left(); c < lastCol && x <= clip.right(); x += ColWidth(c++)) {
      if (x + ColWidth(c) <= clip.left() || ColWidth(c) == 0) continue;
      hooks.drawCell(painter, c, r, QRect(x, y, ColWidth(c), RowHeight(r)));
    }
  }
  painter.restore();
}

void cuiGrid::keyPressEvent(QKeyEvent* event) {
  if (hooks.keyPressed && hooks.keyPressed(*event)) return;
  if (MoveByKey(*event)) return;
  QAbstractScrollArea::keyPressEvent(event);
}

bool cuiGrid::StepTo(int column, int row) {
  column = std::clamp(column, fixedCols_, ColCount() - 1);
  row = std::clamp(row, fixedRows_, RowCount() - 1);
  if (column != col_ || row != row_) TrySelectCell(column, row);
  return true;
}

bool cuiGrid::MoveByKey(const QKeyEvent& event) {
  const bool ctrl = event.modifiers() & Qt::ControlModifier;
  const int page = std::max(1, LastVisibleRow() - topRow_);
  switch (event.key()) {
    case Qt::Key_Left:
      return StepTo(col_ - 1, row_);
    case Qt::Key_Right:
      return StepTo(col_ + 1, row_);
    case Qt::Key_Up:
      return StepTo(col_, row_ - 1);
    case Qt::Key_Down:
      return StepTo(col_, row_ + 1);
    case Qt::Key_PageUp:
      return StepTo(col_, row_ - page);
    case Qt::Key_PageDown:
      return StepTo(col_, row_ + page);
    case Qt::Key_Home:
      return ctrl ? StepTo(col_, fixedRows_) : StepTo(fixedCols_, row_);
    case Qt::Key_End:
      return ctrl ? StepTo(col_, RowCount() - 1) : StepTo(ColCount() - 1, row_);
    case Qt::Key_Tab:
      if (!tabMoves_) return false;
      return col_ + 1 < ColCount() ? StepTo(col_ + 1, row_) : StepTo(fixedCols_, row_ + 1);
    case Qt::Key_Backtab:
      if (!tabMoves_) return false;
      return col_ > fixedCols_ ? StepTo(col_ - 1, row_) : StepTo(ColCount() - 1, row_ - 1);
    default:
      return false;
  }
}

// F1 is help on the current cell here, not the main menu's help contents.
bool cuiGrid::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    event->accept();
    return true;
  }
  return QAbstractScrollArea::event(event);
}

bool cuiGrid::focusNextPrevChild(bool next) {
  if (tabMoves_) return false;  // Tab reaches keyPressEvent
  return QAbstractScrollArea::focusNextPrevChild(next);
}

void cuiGrid::mousePressEvent(QMouseEvent* event) {
  if (hooks.mousePressed && hooks.mousePressed(*event)) return;
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  int column = 0;
  int row = 0;
  const bool inCells = CellAt(point, column, row);
  const int edge = columnSizing_ && inCells && row < fixedRows_ ? ColumnEdgeNear(point.x(), kSizingTolerance) : -1;
  if (edge >= 0) {
    sizingColumn_ = edge;
    sizingStartX_ = point.x();
    sizingStartWidth_ = ColWidth(edge);
    return;
  }
  if (inCells) TrySelectCell(column, row);
  dragSelecting_ = true;
  lastDragPoint_ = point;
}

void cuiGrid::mouseMoveEvent(QMouseEvent* event) {
  if (hooks.mouseMoved && hooks.mouseMoved(*event)) return;
  const QPoint point = event->position().toPoint();
  if (sizingColumn_ >= 0) {
    SetColWidth(sizingColumn_, std::max(1, sizingStartWidth_ + point.x() - sizingStartX_));
    return;
  }
  if (dragSelecting_ && (event->buttons() & Qt::LeftButton)) {
    DragSelect(point);
    return;
  }
  int column = 0;
  int row = 0;
  const bool onEdge = columnSizing_ && CellAt(point, column, row) && row < fixedRows_ &&
                      ColumnEdgeNear(point.x(), kSizingTolerance) >= 0;
  viewport()->setCursor(onEdge ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void cuiGrid::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasSizing = sizingColumn_ >= 0;
  sizingColumn_ = -1;
  dragSelecting_ = false;
  autoScroll_.stop();
  if (hooks.mouseReleased && hooks.mouseReleased(*event)) return;
  if (wasSizing && hooks.columnWidthsChanged) hooks.columnWidthsChanged();
}

void cuiGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (hooks.doubleClicked && hooks.doubleClicked(*event)) return;
  QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void cuiGrid::DragSelect(QPoint point) {
  lastDragPoint_ = point;
  int column = 0;
  int row = 0;
  if (DragDirections(point) != 0) {
    if (!autoScroll_.isActive()) autoScroll_.start();
    return;
  }
  autoScroll_.stop();
  if (CellAt(point, column, row) && (column != col_ || row != row_)) TrySelectCell(column, row);
}

int cuiGrid::DragDirections(QPoint point) const {
  int directions = 0;
  if (point.x() < FixedWidth()) directions |= kScrollLeft;
  if (point.x() >= viewport()->width()) directions |= kScrollRight;
  if (point.y() < FixedHeight()) directions |= kScrollUp;
  if (point.y() >= viewport()->height()) directions |= kScrollDown;
  return directions;
}

void cuiGrid::AutoScrollTick() {
  const int directions = DragDirections(lastDragPoint_);
  if (directions == 0 || !dragSelecting_) {
    autoScroll_.stop();
    return;
  }
  if (hooks.timedScroll) {
    hooks.timedScroll(directions);
    return;
  }
  const int dx = ((directions & kScrollRight) ? 1 : 0) - ((directions & kScrollLeft) ? 1 : 0);
  const int dy = ((directions & kScrollDown) ? 1 : 0) - ((directions & kScrollUp) ? 1 : 0);
  StepTo(col_ + dx, row_ + dy);
}

void cuiGrid::wheelEvent(QWheelEvent* event) {
  if (hooks.wheel && hooks.wheel(*event)) return;
  const int steps = event->angleDelta().y() / 120;
  if (steps != 0) SetTopLeft(leftCol_, topRow_ - 3 * steps);
  event->accept();
}

void cuiGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  if (hooks.focusGained) hooks.focusGained();
}

// A pop-up menu opened over the grid takes the focus only while it shows: the grid keeps its
// menu entries, which the pop-up is showing.
void cuiGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  if (hooks.focusLost && event->reason() != Qt::PopupFocusReason) hooks.focusLost();
}

void cuiGrid::inputMethodEvent(QInputMethodEvent* event) {
  const bool composing = !event->preeditString().isEmpty() || !event->commitString().isEmpty();
  if (composing && !composing_) {
    composing_ = true;
    if (hooks.compositionStarted) hooks.compositionStarted();
    // The hook may have opened an editor that takes over the composition.
    QWidget* taker = QApplication::focusWidget();
    if (taker != nullptr && taker != this) {
      composing_ = false;
      QCoreApplication::sendEvent(taker, event);
      return;
    }
  }
  if (event->preeditString().isEmpty()) composing_ = false;
  event->accept();
}

QVariant cuiGrid::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImCursorRectangle) return CellRect(col_, row_);
  return QAbstractScrollArea::inputMethodQuery(query);
}
