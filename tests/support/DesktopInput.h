#pragma once
// Keys and clicks as the desktop delivers them. A key goes to the window that has the
// keyboard focus and from there where the application routes it: shortcuts first, then an
// open pop-up or the window's focus widget. Modifiers are pressed and released around the
// key, as on a keyboard (Shift before a capital letter). A click goes to a point of a window,
// and the application finds the widget under it. No test picks the widget that receives.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QToolBar>
#include <QWidget>
#include <QWindow>
#include <vector>

namespace desktop {

// The window that has the keyboard focus; a test that finds none fails here.
inline QWindow* FocusWindow() {
  QWindow* window = QGuiApplication::focusWindow();
  EXPECT_NE(window, nullptr) << "no window has the keyboard focus";
  return window;
}

// Makes the widget's window the active one, as a click on it does; true once the keyboard
// focus has arrived there. (A dialog counts as active while its parent window is, so the
// wait is for the focus window itself.)
inline bool Activate(QWidget& widget) {
  QWidget& window = *widget.window();
  window.activateWindow();
  return QTest::qWaitFor([&window] {
    return window.windowHandle() != nullptr && QGuiApplication::focusWindow() == window.windowHandle() &&
           QApplication::activeWindow() == &window;
  });
}

// One key pressed and released, with the text it types.
inline void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QWindow* window = FocusWindow();
  if (window == nullptr) return;
  QTest::sendKeyEvent(QTest::Click, window, static_cast<Qt::Key>(key), text, modifiers);
}

inline void Enter() { Key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); }
inline void Escape() { Key(Qt::Key_Escape); }

// The key a character is typed with, and whether the typing hand holds Shift for it (on a
// US keyboard: capitals and the symbols above the digits and on the right).
inline int KeyOfCharacter(QChar c) {
  const QChar upper = c.toUpper();
  if (upper >= u'A' && upper <= u'Z') return Qt::Key_A + (upper.unicode() - u'A');
  return c.unicode();
}

inline bool TypedWithShift(QChar c) { return c.isUpper() || QStringLiteral("~!@#$%^&*()_+{}|:\"<>?").contains(c); }

// Types the text key by key, as fast as the events are handled.
inline void Type(const QString& text) {
  for (const QChar c : text) {
    Key(KeyOfCharacter(c), TypedWithShift(c) ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
  }
}

// A point of a widget as the pointer reaches it: in the widget's window.
inline QPoint InWindow(const QWidget& widget, QPoint at) { return widget.mapTo(widget.window(), at); }

// A click into a window that is not the active one activates it first, as a desktop's
// click-to-focus does; with a pop-up open the click goes to the pop-up, which closes when the
// click lies outside it.
inline void Click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget& window = *widget.window();
  if (QApplication::activePopupWidget() == nullptr && !window.isActiveWindow()) {
    EXPECT_TRUE(Activate(window)) << "the window clicked into did not become active";
  }
  QTest::mouseClick(window.windowHandle(), button, modifiers, InWindow(widget, at));
}

// A click in the middle of a button, a check box or any other widget that is shown.
inline void ClickOn(QWidget& widget) { Click(widget, widget.rect().center()); }

// A key typed while the window that holds the widget is the active one.
inline void KeyIn(QWidget& widget, int key, const QString& text = {}) {
  ASSERT_TRUE(Activate(widget));
  Key(key, Qt::NoModifier, text);
}

// Clicks into a text field, selects what it holds and types text over it.
inline void ReplaceText(QWidget& field, const QString& text) {
  ClickOn(field);
  ASSERT_TRUE(field.hasFocus());
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
  Type(text);
}

inline void DoubleClick(QWidget& widget, QPoint at) {
  QTest::mouseDClick(widget.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(widget, at));
}

// Presses at one point, moves with the button held and releases at another.
inline void Drag(QWidget& widget, QPoint from, QPoint to) {
  QWindow* window = widget.window()->windowHandle();
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, InWindow(widget, from));
  QTest::mouseMove(window, InWindow(widget, to));
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, InWindow(widget, to));
}

// Chooses a menu entry with the mouse, as a user does: its menu's title on the menu bar, the
// sub-menus on the way, then the entry itself.
inline void ChooseMenuEntry(QMenuBar& bar, QAction& entry) {
  std::vector<QAction*> path{&entry};
  while (!bar.actions().contains(path.front())) {
    QMenu* holder = nullptr;
    for (QObject* object : path.front()->associatedObjects()) {
      if (auto* menu = qobject_cast<QMenu*>(object)) holder = menu;
    }
    ASSERT_NE(holder, nullptr) << "no menu of the menu bar holds " << entry.text().toStdString();
    path.insert(path.begin(), holder->menuAction());
  }
  Click(bar, bar.actionGeometry(path.front()).center());
  for (std::size_t step = 1; step < path.size(); ++step) {
    QMenu& menu = *path[step - 1]->menu();
    ASSERT_TRUE(QTest::qWaitFor([&menu] { return menu.isVisible(); })) << menu.title().toStdString();
    Click(menu, menu.actionGeometry(path[step]).center());
  }
}

// Clicks the tool bar's button of an action.
inline void ClickToolButton(QToolBar& bar, QAction& action) {
  QWidget* button = bar.widgetForAction(&action);
  ASSERT_NE(button, nullptr) << action.text().toStdString();
  ClickOn(*button);
}

}  // namespace desktop
