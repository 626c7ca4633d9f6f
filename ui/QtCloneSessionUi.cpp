#include "ui/QtCloneSessionUi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/MessageBox.h"
#include "text/Codepage.h"
#include "ui/DisplayText.h"
#include "ui/WindowPlacement.h"

QtCloneSessionUi::~QtCloneSessionUi() = default;

void QtCloneSessionUi::OpenProgress() {
  QWidget* owner = owner_();
  progress_ = std::make_unique<CloneProgressWindow>(owner);
  progress_->adjustSize();
  if (owner != nullptr) {
    CentreOverOwner(owner);
    owner->setEnabled(false);
  }
  progress_->show();
}

void QtCloneSessionUi::ShowProgress(int segments) {
  if (progress_ != nullptr) progress_->SetSegments(segments);
}

void QtCloneSessionUi::CloseProgress() { progress_.reset(); }

void QtCloneSessionUi::ShowCloneError(const std::string& caption, const std::string& text) {
  ShowMessageBox({ToUtf8(text, DisplayCodePage()), ToUtf8(caption, DisplayCodePage()), MessageButtons::Ok,
                  MessageIcon::Error, kAnswerOk});
}

// Centred over the owner's frame, then kept on the work area of the owner's monitor.
void QtCloneSessionUi::CentreOverOwner(QWidget* owner) {
  QRect placed(QPoint(), progress_->frameGeometry().size());
  placed.moveCenter(owner->frameGeometry().center());
  QList<QRect> areas;
  if (const QScreen* screen = owner->screen()) areas.append(screen->availableGeometry());
  progress_->move(PlaceOnWorkAreas(placed, areas).topLeft());
}
