#pragma once
// The find bar at the bottom of the main window: the text looked for, whether the whole
// document is searched or the open page, and the bar's message ("No more matches"). Enter in
// the text and F3 anywhere in the window ask for the next match, Shift+F3 for the one before;
// Escape in the bar closes it. What a step does is its owner's.
#include <QFrame>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class cmcGTex;

class FindBar final : public QFrame {
  Q_OBJECT

 public:
  // texts must outlive the bar; parent is the window whose F3 keys the bar takes.
  FindBar(QWidget* parent, cmcGTex& texts);

  // Shows the bar with the focus in its text, all of it selected for typing over.
  void Open();

  QLineEdit& Text() const { return *text_; }
  QCheckBox& WholeDocument() const { return *wholeDocument_; }
  QString Message() const;
  void SetMessage(const QString& message);

  std::function<void(bool forward)> onStep;
  // After Escape has hidden the bar.
  std::function<void()> onClosed;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLineEdit* text_;
  QCheckBox* wholeDocument_;
  QLabel* message_;
};
