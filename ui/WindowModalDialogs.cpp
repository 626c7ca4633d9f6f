#include "ui/WindowModalDialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

WindowModalDialogs::WindowModalDialogs() { QCoreApplication::instance()->installEventFilter(this); }

bool WindowModalDialogs::eventFilter(QObject* watched, QEvent* event) {
  // The show event comes before the window reaches the screen, where its modality takes effect.
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow() && widget->parentWidget() != nullptr && widget->windowModality() == Qt::ApplicationModal) {
      widget->setWindowModality(Qt::WindowModal);
      // The dialog already is modal, so the widget does not pass the change on to its window.
      if (widget->windowHandle() != nullptr) widget->windowHandle()->setModality(Qt::WindowModal);
    }
  }
  return QObject::eventFilter(watched, event);
}
