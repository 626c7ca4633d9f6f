#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

QList<QRect> WorkAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
  return areas;
}

qint64 SquaredDistance(const QRect& area, const QPoint& point) {
  const qint64 dx = point.x() < area.left()    ? area.left() - point.x()
                    : point.x() > area.right() ? point.x() - area.right()
                                               : 0;
  const qint64 dy = point.y() < area.top()      ? area.top() - point.y()
                    : point.y() > area.bottom() ? point.y() - area.bottom()
                                                : 0;
  return dx * dx + dy * dy;
}

qint64 OverlapArea(const QRect& a, const QRect& b) {
  const QRect overlap = a.intersected(b);
  return overlap.isEmpty() ? 0 : qint64{overlap.width()} * overlap.height();
}

// The work area sharing most of form's surface, else the one nearest its centre.
QRect WorkAreaOfForm(const QList<QRect>& workAreas, const QRect& form) {
  const auto most = std::ranges::max_element(workAreas, {}, [&](const QRect& area) { return OverlapArea(area, form); });
  return OverlapArea(*most, form) > 0 ? *most : NearestWorkArea(workAreas, form.center());
}

struct Corner {
  QPoint point;
  bool right;
  bool bottom;
};

// The shifts that bring form's corners back onto their nearest work areas.
QPoint CornerShift(const QList<QRect>& workAreas, const QRect& form) {
  const Corner corners[] = {{form.bottomRight(), true, true},
                            {form.bottomLeft(), false, true},
                            {form.topRight(), true, false},
                            {form.topLeft(), false, false}};
  QPoint shift;
  for (const Corner& corner : corners) {
    const QRect area = NearestWorkArea(workAreas, corner.point);
    if (corner.right && corner.point.x() > area.right()) shift.setX(area.right() - corner.point.x());
    if (!corner.right && corner.point.x() < area.left()) shift.setX(area.left() - corner.point.x());
    if (corner.bottom && corner.point.y() > area.bottom()) shift.setY(area.bottom() - corner.point.y());
    if (!corner.bottom && corner.point.y() < area.top()) shift.setY(area.top() - corner.point.y());
  }
  return shift;
}

bool OnSomeWorkArea(const QList<QRect>& workAreas, const QPoint& point) {
  return std::ranges::any_of(workAreas, [&](const QRect& area) { return area.contains(point); });
}

bool CornersOnWorkAreas(const QList<QRect>& workAreas, const QRect& form) {
  return OnSomeWorkArea(workAreas, form.topLeft()) && OnSomeWorkArea(workAreas, form.topRight()) &&
         OnSomeWorkArea(workAreas, form.bottomLeft()) && OnSomeWorkArea(workAreas, form.bottomRight());
}

QRect MovedInto(const QRect& area, QRect form) {
  form.moveLeft(std::clamp(form.left(), area.left(), area.right() - form.width() + 1));
  form.moveTop(std::clamp(form.top(), area.top(), area.bottom() - form.height() + 1));
  return form;
}

}  // namespace

QRect NearestWorkArea(const QList<QRect>& workAreas, const QPoint& point) {
  return *std::ranges::min_element(workAreas, {}, [&](const QRect& area) { return SquaredDistance(area, point); });
}

QRect PlaceOnWorkAreas(const QRect& form, const QList<QRect>& workAreas) {
  if (workAreas.isEmpty()) return form;
  QRect placed = form.translated(CornerShift(workAreas, form));
  const QRect area = WorkAreaOfForm(workAreas, placed);
  placed.setWidth(std::min(placed.width(), area.width()));
  placed.setHeight(std::min(placed.height(), area.height()));
  return CornersOnWorkAreas(workAreas, placed) ? placed : MovedInto(area, placed);
}

void PlaceOnScreens(QWidget& window, const QRect& stored) { window.setGeometry(PlaceOnWorkAreas(stored, WorkAreas())); }

void KeepFrameOnScreens(QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect placed = PlaceOnWorkAreas(frame, WorkAreas());
  if (placed == frame) return;
  const QRect inner = window.geometry();
  const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
  window.setGeometry(placed.marginsRemoved(margins));
}
