#pragma once
// Keeping the main window on the screens as they are now, whatever screens there were when
// its position was stored (a monitor may have been unplugged or rearranged since).
#include <QList>
#include <QRect>

class QWidget;

// The work area nearest to point (one that holds it, else the closest); workAreas is not
// empty.
QRect NearestWorkArea(const QList<QRect>& workAreas, const QPoint& point);

// Pulls form onto the work areas: each corner, bottom-right first and top-left last, is
// compared with the work area nearest to it, and an overhanging corner shifts the form back
// (a later corner's shift replaces an earlier one). The form is then made no larger than the
// work area nearest to it. Should the corners still not all lie on a work area (screens of
// different sizes side by side), the form is moved wholly into that work area. An empty
// list leaves form as it is.
QRect PlaceOnWorkAreas(const QRect& form, const QList<QRect>& workAreas);

// Gives window the rectangle stored, pulled onto the screens as they are now.
void PlaceOnScreens(QWidget& window, const QRect& stored);

// The stored place is the window's own rectangle; once shown, the window has a frame around
// it, and the frame too must lie on the screens.
void KeepFrameOnScreens(QWidget& window);
