#pragma once
// The small help window of one entry: the item's label, its explanation and a link to the
// full help window. It opens beside the pointer, as large as its text needs (no wider than
// the width it is given), kept on the screen, and closes on Escape or a click elsewhere.
#include <QFrame>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QLabel;

// Where a popup of `size` opens for the pointer at `pointer` on the work area `work`: centred
// below the pointer; above it when there is no room below and room above; moved in from the
// work area's left and right edges.
QPoint PopupPlace(QPoint pointer, QSize size, const QRect& work);

class HelpPopup : public QFrame {
 public:
  HelpPopup();

  // heading: plain text; body: HTML; link: the caption of the link to the full help window,
  // whose activation calls openFull after the popup has closed. maxWidth in pixels.
  void ShowEntry(const QString& heading, const QString& body, const QString& link, int maxWidth, QPoint pointer,
                 std::function<void()> openFull);

  QLabel& Text() const { return *text_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* text_ = nullptr;
  std::function<void()> openFull_;
};
