#include "ui/InPlaceEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTextBlock>

#include "ui/CellPainter.h"

namespace {
const QChar kBreak = QLatin1Char('\n');

// The menu bar, or one of its menus, took the focus; the menu commits the box itself before
// any entry but Fill.
bool MenuBarHasFocus() {
  for (QWidget* widget = QApplication::activePopupWidget(); widget != nullptr; widget = widget->parentWidget()) {
    if (qobject_cast<QMenuBar*>(widget) != nullptr) return true;
  }
  return qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr;
}
}  // namespace

InPlaceEditor::InPlaceEditor(QWidget* parent) : QPlainTextEdit(parent) {
  setFrameShape(QFrame::NoFrame);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setContextMenuPolicy(Qt::NoContextMenu);
  setTabChangesFocus(true);
  document()->setDocumentMargin(1);
  hide();
  connect(this, &QPlainTextEdit::textChanged, this, &InPlaceEditor::OnTextChanged);
}

void InPlaceEditor::Open(const Opening& opening) {
  if (opening.rect.width() < 1 || opening.rect.height() < 1) return;
  multiLine_ = opening.multiLine;
  maxLength_ = opening.maxLength;
  setAttribute(Qt::WA_InputMethodEnabled, opening.inputMethod);
  setGeometry(opening.rect);
  setFont(opening.font);
  rewrapping_ = true;
  setPlainText(opening.text.left(maxLength_));
  rewrapping_ = false;
  Rewrap();
  QTextCursor cursor = textCursor();
  cursor.setPosition(WrappedPosition(opening.selectionStart));
  cursor.setPosition(WrappedPosition(opening.selectionStart + opening.selectionLength), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  document()->clearUndoRedoStacks();
  open_ = true;
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
}

void InPlaceEditor::Close(bool commit) { Finish(commit ? &hooks.commit : nullptr); }

void InPlaceEditor::CloseToFill() { Finish(&hooks.fill); }

void InPlaceEditor::Finish(const std::function<void(const QString& text)>* hand) {
  if (!open_) return;
  open_ = false;
  const QString text = Text();
  if (hooks.returnFocus) hooks.returnFocus();
  hide();
  if (hand != nullptr && *hand) (*hand)(text);
}

QString InPlaceEditor::Text() const {
  QString text = toPlainText();
  if (multiLine_) text.remove(kBreak);
  return text;
}

// The box stays open while its window is not the active one (a pointer that wandered off
// under focus-follows-mouse, another program's window): the focus comes back to it with the
// window, and the next key goes on with the same text.
void InPlaceEditor::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  if (event->reason() == Qt::ActiveWindowFocusReason || MenuBarHasFocus()) return;
  Close(true);
}

bool InPlaceEditor::CaretNextToBreak(bool before) const {
  const QTextCursor cursor = textCursor();
  if (!multiLine_ || cursor.hasSelection()) return false;
  return before ? cursor.atBlockStart() && !cursor.atStart() : cursor.atBlockEnd() && !cursor.atEnd();
}

void InPlaceEditor::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Close(true);
      return;
    case Qt::Key_Escape:
      Close(false);
      return;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (multiLine_) break;
      [[fallthrough]];
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      Close(true);
      if (hooks.leftByKey) hooks.leftByKey(key);
      return;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
      // A wrapping break is no character: step over it.
      if (plain && CaretNextToBreak(true)) moveCursor(QTextCursor::PreviousCharacter);
      break;
    case Qt::Key_Right:
    case Qt::Key_Delete:
      if (plain && CaretNextToBreak(false)) moveCursor(QTextCursor::NextCharacter);
      break;
    default:
      break;
  }
  QPlainTextEdit::keyPressEvent(event);
  // Every key stays with the box while it is open. One the text has no use for (Shift before
  // a capital letter, a function key) would otherwise reach the grid underneath, which ends
  // the edit and starts the next key in a new one.
  event->accept();
}

void InPlaceEditor::OnTextChanged() {
  if (rewrapping_) return;
  const QString text = Text();
  if (text.size() > maxLength_) {
    const int caret = PlainPosition(textCursor().position());
    rewrapping_ = true;
    setPlainText(text.left(maxLength_));
    rewrapping_ = false;
    QTextCursor cursor = textCursor();
    cursor.setPosition(WrappedPosition(std::min(caret, maxLength_)));
    setTextCursor(cursor);
  }
  Rewrap();
}

void InPlaceEditor::Rewrap() {
  if (!multiLine_) return;
  const int caret = PlainPosition(textCursor().position());
  const QString wrapped = CellPainter::WrapLines(Text(), QFontMetrics(font()), width() * 9 / 10).join(kBreak);
  if (wrapped == toPlainText()) return;
  rewrapping_ = true;
  setPlainText(wrapped);
  rewrapping_ = false;
  QTextCursor cursor = textCursor();
  cursor.setPosition(WrappedPosition(caret));
  setTextCursor(cursor);
}

int InPlaceEditor::WrappedPosition(int plainPosition) const {
  const QString text = toPlainText();
  int plain = 0;
  int wrapped = 0;
  while (wrapped < text.size() && plain < plainPosition) {
    if (!multiLine_ || text[wrapped] != kBreak) ++plain;
    ++wrapped;
  }
  return wrapped;
}

int InPlaceEditor::PlainPosition(int wrappedPosition) const {
  if (!multiLine_) return wrappedPosition;
  const QString text = toPlainText();
  return wrappedPosition - static_cast<int>(text.left(wrappedPosition).count(kBreak));
}
