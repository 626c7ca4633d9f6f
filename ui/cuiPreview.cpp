#include "ui/cuiPreview.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "text/cmcGTex.h"
#include "ui/DisplayText.h"
#include "ui/WindowPlacement.h"

namespace {

enum Line { kPrint, kSetting, kTopPage, kPreviousPage, kNextPage, kLastPage, kZoom, kLineCount };
constexpr int kMinimumPointSize = 8;
constexpr int kFontChoices = 5;
const QColor kBackdrop(85, 85, 85);

// The work area of the owner's monitor, or of the primary one.
QRect WorkArea(const QWidget* owner) {
  const QScreen* screen =
      owner != nullptr && owner->screen() != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

double ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

cuiPreview::cuiPreview(QWidget* owner, cmcGTex& texts, Printout printout, int& pointSize)
    : QDialog(owner, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      texts_(texts),
      printout_(std::move(printout)),
      pointSize_(pointSize) {
  setWindowTitle(DisplayText(texts.GetLine("GI_Sys_AppTitle", 0)));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildToolBar();
  scroll_ = new QScrollArea;
  scroll_->setBackgroundRole(QPalette::Dark);
  QPalette palette = scroll_->palette();
  palette.setColor(QPalette::Dark, kBackdrop);
  scroll_->setPalette(palette);
  scroll_->setAlignment(Qt::AlignCenter);
  picture_ = new QLabel;
  picture_->setObjectName(QStringLiteral("previewPage"));
  scroll_->setWidget(picture_);
  layout->addWidget(scroll_, 1);
  auto* statusBar = new QStatusBar;
  status_ = new QLabel(QStringLiteral(" 1 / 1"));
  status_->setMinimumWidth(80);
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  statusBar->addWidget(status_);
  statusBar->addWidget(new QLabel, 1);
  layout->addWidget(statusBar);
  const double ratio = ScreenDpi() / std::max(1, printout_.printerDpi);
  image_ = QImage(std::max(1, static_cast<int>(printout_.pageSize.width() * ratio)),
                  std::max(1, static_cast<int>(printout_.pageSize.height() * ratio)), QImage::Format_RGB32);
  resize(image_.width() + 50, image_.height() + 100);
}

QAction& cuiPreview::Action(int line) const { return *actions_.at(static_cast<std::size_t>(line)); }

bool cuiPreview::Zoomed() const { return Action(kZoom).isChecked(); }

void cuiPreview::BuildToolBar() {
  auto* bar = new QToolBar;
  layout()->addWidget(bar);
  actions_.resize(kLineCount);
  const auto text = [this](int line) { return DisplayText(texts_.GetLine("GI_AppInd_Preview_Caption", line)); };
  const auto add = [&](int line, QStyle::StandardPixmap icon) {
    QAction* action =
        icon == QStyle::SP_CustomBase ? bar->addAction(text(line)) : bar->addAction(style()->standardIcon(icon), {});
    action->setToolTip(text(line).remove(QLatin1Char('&')));
    actions_[static_cast<std::size_t>(line)] = action;
    return action;
  };
  connect(add(kPrint, QStyle::SP_CustomBase), &QAction::triggered, this, [this] {
    printChosen_ = true;
    accept();
  });
  bar->addSeparator();
  connect(add(kSetting, QStyle::SP_CustomBase), &QAction::triggered, this, [this] { OpenSetting(); });
  bar->addSeparator();
  connect(add(kTopPage, QStyle::SP_MediaSkipBackward), &QAction::triggered, this, [this] { ShowPage(0); });
  connect(add(kPreviousPage, QStyle::SP_MediaSeekBackward), &QAction::triggered, this,
          [this] { ShowPage(current_ - 1); });
  pageField_ = new QLineEdit(QStringLiteral("1"));
  pageField_->setMaxLength(3);
  pageField_->setFixedWidth(30);
  pageField_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), pageField_));
  connect(pageField_, &QLineEdit::returnPressed, this, [this] { ShowPage(pageField_->text().toInt() - 1); });
  bar->addWidget(pageField_);
  countLabel_ = new QLabel(QStringLiteral(" / 1"));
  bar->addWidget(countLabel_);
  connect(add(kNextPage, QStyle::SP_MediaSeekForward), &QAction::triggered, this, [this] { ShowPage(current_ + 1); });
  connect(add(kLastPage, QStyle::SP_MediaSkipForward), &QAction::triggered, this,
          [this] { ShowPage(PageCount() - 1); });
  bar->addSeparator();
  QAction* zoom = add(kZoom, QStyle::SP_FileDialogContentsView);
  zoom->setCheckable(true);
  connect(zoom, &QAction::toggled, this, [this] { ShowImage(); });
}

bool cuiPreview::ShowModal(std::vector<PrintedPage>& pages) {
  pages_ = pages;
  ShowPage(0);
  const QRect work = WorkArea(parentWidget());
  const QSize size = this->size().boundedTo(work.size());
  resize(size);
  move(PlaceOnWorkAreas(QRect(QPoint(work.left() + (work.width() - size.width()) / 2,
                                     work.top() + (work.height() - size.height()) / 2),
                              size),
                        {work})
           .topLeft());
  exec();
  pages = pages_;
  return printChosen_;
}

void cuiPreview::ShowPage(int page) {
  current_ = std::clamp(page, 0, std::max(0, PageCount() - 1));
  image_.fill(Qt::white);
  {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (!pages_.empty()) {
      painter.save();
      painter.scale(static_cast<double>(image_.width()) / printout_.pageSize.width(),
                    static_cast<double>(image_.height()) / printout_.pageSize.height());
      printout_.render(painter, pages_[static_cast<std::size_t>(current_)]);
      painter.restore();
    }
    painter.setPen(Qt::black);
    painter.drawRect(image_.rect().adjusted(0, 0, -1, -1));
  }
  const bool first = current_ == 0;
  const bool last = current_ >= PageCount() - 1;
  Action(kTopPage).setEnabled(!first);
  Action(kPreviousPage).setEnabled(!first);
  Action(kNextPage).setEnabled(!last);
  Action(kLastPage).setEnabled(!last);
  pageField_->setText(QString::number(current_ + 1));
  pageField_->setCursorPosition(pageField_->text().size());
  countLabel_->setText(QStringLiteral(" / %1").arg(std::max(1, PageCount())));
  status_->setText(QStringLiteral(" %1 / %2").arg(current_ + 1).arg(std::max(1, PageCount())));
  ShowImage();
}

// Fitted: the page scaled to the visible area, centred. Zoomed: the page at its own size,
// scrolled. The fitted page takes the whole area, also while the scroll bars of the zoomed
// page are still shown: they go once the fitted page is in.
void cuiPreview::ShowImage() {
  if (Zoomed()) {
    scroll_->setWidgetResizable(false);
    picture_->setPixmap(QPixmap::fromImage(image_));
    picture_->resize(image_.size());
    return;
  }
  scroll_->setWidgetResizable(true);
  const QSize area = scroll_->maximumViewportSize();
  const QSize room = area.boundedTo(image_.size().scaled(area, Qt::KeepAspectRatio));
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setPixmap(QPixmap::fromImage(image_.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void cuiPreview::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (!image_.isNull()) ShowImage();
}

void cuiPreview::keyPressEvent(QKeyEvent* event) {
  QScrollBar* vertical = scroll_->verticalScrollBar();
  QScrollBar* horizontal = scroll_->horizontalScrollBar();
  switch (event->key()) {
    case Qt::Key_PageUp:
      return ShowPage(current_ - 1);
    case Qt::Key_PageDown:
      return ShowPage(current_ + 1);
    case Qt::Key_Up:
      return vertical->setValue(vertical->value() - vertical->singleStep());
    case Qt::Key_Down:
      return vertical->setValue(vertical->value() + vertical->singleStep());
    case Qt::Key_Left:
      if (Zoomed()) horizontal->setValue(horizontal->value() - horizontal->singleStep());
      return;
    case Qt::Key_Right:
      if (Zoomed()) horizontal->setValue(horizontal->value() + horizontal->singleStep());
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void cuiPreview::ChooseFontPosition(int position) {
  pointSize_ = kMinimumPointSize + std::clamp(position, 0, kFontChoices - 1);
  pages_ = printout_.paginate(pointSize_);
  ShowPage(0);
}

void cuiPreview::OpenSetting() {
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("previewSetting"));
  dialog.setWindowTitle(DisplayText(texts_.GetLine("GI_AppInd_Preview_Setting_Caption", 0)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(DisplayText(texts_.GetLine("GI_AppInd_Preview_Setting_Caption", 1))));
  auto* sizes = new QComboBox;
  for (int choice = 1; choice <= kFontChoices; ++choice) sizes->addItem(QString::number(choice));
  sizes->setCurrentIndex(std::clamp(pointSize_ - kMinimumPointSize, 0, kFontChoices - 1));
  row->addWidget(sizes);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(DisplayText(texts_.GetLine("GI_AppInd_Button_OkCancel", 0)), QDialogButtonBox::AcceptRole)
      ->setDefault(true);
  buttons->addButton(DisplayText(texts_.GetLine("GI_AppInd_Button_OkCancel", 1)), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() == QDialog::Accepted) ChooseFontPosition(sizes->currentIndex());
}
