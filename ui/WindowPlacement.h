#pragma once
// Keeping the main window on the screens as they are now, whatever screens there were when
// its position was stored (a monitor may have been unplugged or rearranged since).
#include <QList>
#include <QRect>

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
