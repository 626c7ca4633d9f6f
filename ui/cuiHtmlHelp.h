#pragma once
// The help: the program's own HTML pages, one set per language, compiled into the program,
// shown in a help window with the contents, an index of keywords and a full-text search
// beside the page. A topic opens at its page and place; the contents page opens for Help >
// Contents and for anything without a page of its own.
#include <QPointer>
#include <QString>
#include <QStringList>

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

  // The window while it is open.
  HelpWindow* Window() const { return window_; }

 private:
  HelpWindow* OpenWindow(const QString& set);

  QPointer<HelpWindow> window_;
  QStringList tabCaptions_{QStringLiteral("Contents"), QStringLiteral("Index"), QStringLiteral("Search")};
};
