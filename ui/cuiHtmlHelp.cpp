#include "ui/cuiHtmlHelp.h"

#include <QDir>

#include "ui/HelpWindow.h"

namespace {

const QString kContents = QStringLiteral("index.html");

QString RootOf(const QString& set) { return QStringLiteral(":/help/") + set; }

}  // namespace

cuiHtmlHelp::~cuiHtmlHelp() { delete window_.data(); }

HelpWindow* cuiHtmlHelp::OpenWindow(const QString& set) {
  if (!QDir(RootOf(set)).exists()) return nullptr;
  if (window_ != nullptr && window_->Root() != RootOf(set)) delete window_.data();
  if (window_ == nullptr) window_ = new HelpWindow(RootOf(set), tabCaptions_);
  window_->show();
  window_->raise();
  window_->activateWindow();
  return window_;
}

int cuiHtmlHelp::ShowContents(const QString& set) {
  HelpWindow* window = OpenWindow(set);
  if (window == nullptr) return kNoFile;
  window->ShowPage(kContents);
  return kShown;
}

int cuiHtmlHelp::ShowTopic(const QString& set, const QString& page) {
  HelpWindow* window = OpenWindow(set);
  if (window == nullptr) return kNoFile;
  if (!window->HasPage(page)) {
    window->ShowPage(kContents);
    return kNoTopic;
  }
  window->ShowPage(page);
  return kShown;
}
