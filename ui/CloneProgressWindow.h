#pragma once
// The progress of a clone read or write: a small tool window captioned "Cloning" with a bar
// of 32 segments, the done ones in the highlight colour. It has no system buttons and the
// user cannot close it; it goes when the session ends.
#include <QWidget>

class QCloseEvent;

class CloneProgressWindow final : public QWidget {
  Q_OBJECT

 public:
  // The drawing area of the bar.
  static constexpr int kBarWidth = 256;
  static constexpr int kBarHeight = 16;

  explicit CloneProgressWindow(QWidget* owner);

  // segments of 32 are shown done.
  void SetSegments(int segments);
  int Segments() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class Bar;
  Bar* bar_;
};
