#pragma once
// The help: the program's own HTML pages, one set per language, compiled into the program,
// shown in a help window with the contents, an index of keywords and a full-text search
// beside the page. A topic opens at its page and place; the contents page opens for Help >
// Contents and for anything without a page of its own. The entry of one item opens first in
// a small popup beside the pointer, which links to its place in the help window.
#include <QPointer>
#include <QString>
#include <QStringList>

#include "ui/HelpPopup.h"
#include "ui/HelpWindow.h"

class cuiHtmlHelp {
 public:
  static constexpr int kShown = 0;
  static constexpr int kNoFile = 1;
  static constexpr int kNoTopic = 2;

  ~cuiHtmlHelp();

  // The captions of the help window's contents, index and search tabs.
  void SetTabCaptions(const QStringList& captions) { tabCaptions_ = captions; }
  // set: the folder of one language's pages (the help file name without its extension).
  // Answers kShown, or kNoFile when the program carries no such set.
  int ShowContents(const QString& set);
  // page: "page.html" or "page.html#place" within set; an empty or unknown page shows the
  // contents and answers kNoTopic.
  int ShowTopic(const QString& set, const QString& page);

  // The caption of the popup's link to the help window and the popup's greatest width.
  void SetPopupLink(const QString& caption, int maxWidth) {
    linkCaption_ = caption;
    popupWidth_ = maxWidth;
  }
  // The entry at page ("page.html#place") of set in the popup beside pointer. Answers kShown,
  // kNoFile when the program carries no such set, or kNoTopic (showing nothing) when the
  // page holds no entry at that place.
  int ShowEntry(const QString& set, const QString& page, QPoint pointer);

  // The window while it is open.
  HelpWindow* Window() const { return window_; }
  // The popup once it has been shown (hidden again after it closed).
  HelpPopup* Popup() const { return popup_; }

 private:
  HelpWindow* OpenWindow(const QString& set);

  QPointer<HelpWindow> window_;
  QPointer<HelpPopup> popup_;
  QString linkCaption_ = QStringLiteral("Open in the help window");
  int popupWidth_ = 300;
  QStringList tabCaptions_{QStringLiteral("Contents"), QStringLiteral("Index"), QStringLiteral("Search")};
};
