#include "ui/ApplicationWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/FindBar.h"
#include "ui/ImageLists.h"
#include "ui/cuiMain.h"

namespace {

constexpr int kSplitterWidth = 3;
constexpr int kPanelBevel = 2;

QFrame* MakePanel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(kPanelBevel);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(kPanelBevel, kPanelBevel, kPanelBevel, kPanelBevel);
  layout->setSpacing(0);
  return panel;
}

}  // namespace

ApplicationWindow::ApplicationWindow(cuiMain& controller, cmcGTex& texts)
    : controller_(controller),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      left_(MakePanel(splitter_, "LeftPanel")),
      right_(MakePanel(splitter_, "RightPanel")),
      status_(new QLabel(this)),
      finder_(new FindBar(this, texts)) {
  setWindowIcon(ProgramIcon());
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  splitter_->setHandleWidth(kSplitterWidth);
  splitter_->setOpaqueResize(true);
  splitter_->setChildrenCollapsible(false);
  left_->setMinimumWidth(kMinimumPanelWidth);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(splitter_, 1);
  column->addWidget(finder_);
  setCentralWidget(central);
  status_->setMinimumWidth(100);
  statusBar()->addWidget(status_, 1);
  auto* second = new QLabel(this);
  second->setFixedWidth(statusBar()->sizeHint().height());
  statusBar()->addPermanentWidget(second);
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  connect(quit, &QShortcut::activated, this, &QWidget::close);
}

QWidget& ApplicationWindow::LeftPanel() const { return *left_; }
QWidget& ApplicationWindow::RightPanel() const { return *right_; }

int ApplicationWindow::LeftPanelWidth() const { return splitter_->sizes().value(0, left_->width()); }

void ApplicationWindow::SetLeftPanelWidth(int width) {
  const int left = std::max(kMinimumPanelWidth, width);
  const int total = std::max(splitter_->width(), geometry().width());
  splitter_->setSizes({left, std::max(1, total - left - kSplitterWidth)});
}

void ApplicationWindow::ShowSheet(QWidget& sheet) {
  right_->layout()->addWidget(&sheet);
  sheet.show();
}

void ApplicationWindow::SetStatusText(const QString& text) { status_->setText(text); }
QString ApplicationWindow::StatusText() const { return status_->text(); }

void ApplicationWindow::closeEvent(QCloseEvent* event) {
  if (!controller_.CloseQuery()) {
    event->ignore();
    return;
  }
  controller_.OnClose();
  event->accept();
}

void ApplicationWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  controller_.UpdateTitle();
}
