#include "ui/CellPopupWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "base/EventRecord.h"
#include "base/cmcEvMan.h"
#include "text/cmcCellObj.h"

namespace {

constexpr int kIndent = 8;

}  // namespace

QPoint PlacePopupAtCell(const QRect& cell, const QSize& size, const QRect& workArea) {
  const int bottomEdge = workArea.top() + workArea.height();
  const int rightEdge = workArea.left() + workArea.width();
  int left = cell.left() + kIndent;
  int top = cell.top() + cell.height();
  bool coversCell = false;
  if (top + size.height() > bottomEdge) {
    if (cell.top() - size.height() >= workArea.top()) {
      top = cell.top() - size.height();
    } else {
      top = std::max(workArea.top(), bottomEdge - size.height());
      coversCell = true;
    }
  }
  if (left + size.width() > rightEdge) {
    const bool roomLeftOfCell = cell.left() - size.width() >= workArea.left();
    left = coversCell && roomLeftOfCell ? cell.left() - size.width() : rightEdge - size.width();
  }
  return {std::max(left, workArea.left()), top};
}

CellPopupWindow::CellPopupWindow(const CellPopupContext& context, const cmcCellCapsule& request)
    : QFrame(context.ownerGrid, Qt::Popup | Qt::FramelessWindowHint), context_(context), request_(request) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setWindowTitle(QGuiApplication::applicationDisplayName());
  request_.popup = {};
  request_.parent = nullptr;
  context_.events->Register(&CellPopupWindow::OnEvent, this);
}

CellPopupWindow::~CellPopupWindow() { context_.events->Unregister(&CellPopupWindow::OnEvent, this); }

QRect CellPopupWindow::WorkArea() const {
  QScreen* screen = QGuiApplication::screenAt(context_.cellOnScreen.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen->availableGeometry();
}

void CellPopupWindow::ShowAtCell(QSize size) {
  const QRect area = WorkArea();
  size = size.boundedTo(area.size());
  resize(size);
  move(PlacePopupAtCell(context_.cellOnScreen, size, area));
  show();
  activateWindow();
}

void CellPopupWindow::SendPick(const std::string& text) {
  if (answered_) return;
  answered_ = true;
  cmcCellObj picked;
  picked.cellId = Flex0;
  cmcCellCapsule parent;
  parent.cell = &picked;
  cmcCellCapsule pick = request_;
  pick.parent = &parent;
  pick.inputKind = kInputPicked;
  pick.key = 0;
  pick.inputText = text;
  context_.behaviour(pick, kCellAction);
}

void CellPopupWindow::Cancel() {
  answered_ = true;
  close();
}

void CellPopupWindow::hideEvent(QHideEvent* event) {
  QFrame::hideEvent(event);
  if (!answered_) OnClosedByFocusLoss();
  answered_ = true;
  deleteLater();
}

void CellPopupWindow::WatchEscape(QWidget* widget) { widget->installEventFilter(this); }

bool CellPopupWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    Cancel();
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

void CellPopupWindow::OnEvent(void* user, const EventRecord& event) {
  auto* self = static_cast<CellPopupWindow*>(user);
  const bool forOwner = event.p2 == self->context_.ownerId;
  switch (event.code) {
    case EV_CommitEdit:
      self->CommitAndClose();
      break;
    case EV_ComponentGone:
      if (forOwner) self->Cancel();
      break;
    case EV_QueryIsPopup:
      if (forOwner) self->context_.events->Answer(1, 0);
      break;
    default:
      break;
  }
}
