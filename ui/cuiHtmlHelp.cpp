#include "ui/cuiHtmlHelp.h"

#include <QDir>
#include <QFile>
#include <string>

#include "help/HelpEntry.h"
#include "ui/HelpWindow.h"

namespace {

const QString kContents = QStringLiteral("index.html");

QString RootOf(const QString& set) { return QStringLiteral(":/help/") + set; }

}  // namespace

cuiHtmlHelp::~cuiHtmlHelp() {
  delete popup_.data();
  delete window_.data();
}

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

int cuiHtmlHelp::ShowEntry(const QString& set, const QString& page, QPoint pointer) {
  if (!QDir(RootOf(set)).exists()) return kNoFile;
  QFile file(RootOf(set) + QLatin1Char('/') + page.section(QLatin1Char('#'), 0, 0));
  if (!file.open(QIODevice::ReadOnly)) return kNoTopic;
  const QByteArray html = file.readAll();
  const std::string anchor = page.section(QLatin1Char('#'), 1).toStdString();
  const std::optional<HelpEntry> entry = FindHelpEntry(std::string_view(html.constData(), html.size()), anchor);
  if (!entry) return kNoTopic;
  if (popup_ == nullptr) popup_ = new HelpPopup;
  popup_->ShowEntry(QString::fromStdString(entry->heading), QString::fromStdString(entry->body), linkCaption_,
                    popupWidth_, pointer, [this, set, page] { ShowTopic(set, page); });
  return kShown;
}
