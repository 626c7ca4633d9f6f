#include "ui/CloneProgressWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "clone/CloneRanges.h"

namespace {

constexpr int kSideMargin = 16;
constexpr int kTopMargin = 8;

}  // namespace

// Each segment is followed by a one-pixel line in the window colour, so the done segments
// read as separate blocks.
class CloneProgressWindow::Bar final : public QWidget {
 public:
  explicit Bar(QWidget* parent) : QWidget(parent) { setFixedSize(kBarWidth, kBarHeight); }

  void SetSegments(int segments) {
    segments = std::clamp(segments, 0, kProgressSegments);
    if (segments == segments_) return;
    segments_ = segments;
    update();
  }
  int Segments() const { return segments_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QColor done = palette().color(QPalette::Highlight);
    const QColor open = palette().color(QPalette::Base);
    painter.fillRect(rect(), open);
    const int segmentWidth = width() / kProgressSegments;
    for (int i = 0; i < segments_; ++i) {
      painter.fillRect(i * segmentWidth, 0, segmentWidth - 1, height(), done);
    }
  }

 private:
  int segments_ = 0;
};

CloneProgressWindow::CloneProgressWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Cloning"));
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  bar_ = new Bar(panel);
  panelLayout->addWidget(bar_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kSideMargin, kTopMargin, kSideMargin, kTopMargin);
  layout->addWidget(panel);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CloneProgressWindow::SetSegments(int segments) { bar_->SetSegments(segments); }

int CloneProgressWindow::Segments() const { return bar_->Segments(); }

void CloneProgressWindow::closeEvent(QCloseEvent* event) { event->ignore(); }
