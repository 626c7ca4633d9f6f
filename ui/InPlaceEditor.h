#pragma once
// The borderless text box a sheet opens on a cell to edit its text. It commits once per
// opening: on Enter, on the keys that leave it, or when the focus moves elsewhere in the
// program (not when the whole window stops being active); Escape closes it without
// committing. No key it receives passes on to the grid. A menu of the menu bar leaves it open,
// so that Edit > Fill can take its text. It marks itself closed and hides
// before it hands the text on, so a focus change caused by the commit itself (a message box)
// commits nothing more.
//
// In multi-line mode (a word-wrapped cell) the text is re-broken after every change so that
// no line is wider than 90 % of the box; the breaks are not part of the text.
#include <QPlainTextEdit>
#include <QRect>
#include <functional>

class InPlaceEditor : public QPlainTextEdit {
  Q_OBJECT

 public:
  struct Hooks {
    // The committed text (without the wrapping line breaks).
    std::function<void(const QString& text)> commit;
    // The text committed to fill the selected cells (Edit > Fill).
    std::function<void(const QString& text)> fill;
    // After a commit by a key that also moves: Up, Down, Page Up or Page Down.
    std::function<void(int key)> leftByKey;
    // Asked to take the focus back before the box hides.
    std::function<void()> returnFocus;
  };

  struct Opening {
    QRect rect;
    QFont font;
    bool multiLine = false;
    bool inputMethod = false;
    int maxLength = 1024;
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
  };

  explicit InPlaceEditor(QWidget* parent);

  Hooks hooks;

  void Open(const Opening& opening);
  // Does nothing when the box is not open.
  void Close(bool commit);
  // Closes the box and hands its text to the fill hook; nothing when the box is not open.
  void CloseToFill();
  bool IsOpen() const { return open_; }
  // The text without the wrapping line breaks.
  QString Text() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Finish(const std::function<void(const QString& text)>* hand);
  void OnTextChanged();
  void Rewrap();
  // Positions counted in the text without breaks, and the same in the wrapped text.
  int WrappedPosition(int plainPosition) const;
  int PlainPosition(int wrappedPosition) const;
  bool CaretNextToBreak(bool before) const;

  bool open_ = false;
  bool multiLine_ = false;
  bool rewrapping_ = false;
  int maxLength_ = 1024;
};
