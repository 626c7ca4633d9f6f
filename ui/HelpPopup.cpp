#include "ui/HelpPopup.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>
#include <utility>

QPoint PopupPlace(QPoint pointer, QSize size, const QRect& work) {
  const int width = size.width();
  const int height = size.height();
  const int workBottom = work.y() + work.height();
  const int workRight = work.x() + work.width();
  int x = pointer.x() - width / 2 > work.left() ? pointer.x() - width / 2 : work.left();
  int y = pointer.y();
  if (y + height > workBottom) {
    y = pointer.y() - work.top() > height && pointer.y() < workBottom ? pointer.y() - height : workBottom - height;
  }
  if (x + width > workRight) x = workRight - width;
  return {x, y};
}

HelpPopup::HelpPopup() : QFrame(nullptr, Qt::Popup) {
  setObjectName(QStringLiteral("helpPopup"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAttribute(Qt::WA_DeleteOnClose, false);
  text_ = new QLabel;
  text_->setTextFormat(Qt::RichText);
  text_->setWordWrap(true);
  text_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addWidget(text_);
  connect(text_, &QLabel::linkActivated, this, [this] {
    close();
    if (openFull_) openFull_();
  });
}

void HelpPopup::ShowEntry(const QString& heading, const QString& body, const QString& link, int maxWidth,
                          QPoint pointer, std::function<void()> openFull) {
  openFull_ = std::move(openFull);
  const QString html = QStringLiteral("<p><b>") + heading.toHtmlEscaped() + QStringLiteral("</b></p>") + body +
                       QStringLiteral("<p><a href=\"help\">") + link.toHtmlEscaped() + QStringLiteral("</a></p>");
  text_->setText(html);

  // As wide as the text needs up to maxWidth, then as high as the wrapped text needs.
  QTextDocument measure;
  measure.setDefaultFont(text_->font());
  measure.setHtml(html);
  const QMargins margins = layout()->contentsMargins() + contentsMargins();
  const int room = std::max(1, maxWidth - margins.left() - margins.right());
  measure.setTextWidth(room);
  const int textWidth = std::min(room, static_cast<int>(std::ceil(measure.idealWidth())));
  text_->setFixedWidth(textWidth);
  text_->setFixedHeight(text_->heightForWidth(textWidth));
  adjustSize();

  const QScreen* screen = QGuiApplication::screenAt(pointer);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  const QRect work = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
  move(PopupPlace(pointer, size(), work));
  show();
  text_->setFocus();
}

void HelpPopup::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QFrame::keyPressEvent(event);
}
