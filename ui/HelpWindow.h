#pragma once
// The help window: a text browser with the contents (contents.txt: depth, page and title
// separated by tabs), the index (keywords.txt: keyword and page) and a search over the text
// of every page of one language's set. Links between pages follow in the browser.
#include <QUrl>
#include <QWidget>
#include <utility>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

class HelpWindow : public QWidget {
 public:
  // root: the resource folder of the set, e.g. ":/help/Tessel_ENG"; tabs: the captions of
  // the contents, index and search tabs.
  HelpWindow(const QString& root, const QStringList& tabs);

  const QString& Root() const { return root_; }
  // Whether the set has the page (the part before any '#').
  bool HasPage(const QString& page) const;
  void ShowPage(const QString& page);

  QTextBrowser& Browser() const { return *browser_; }
  QTreeWidget& Contents() const { return *contents_; }
  QLineEdit& IndexFilter() const { return *indexFilter_; }
  QListWidget& Index() const { return *index_; }
  QLineEdit& SearchText() const { return *searchText_; }
  QListWidget& SearchResults() const { return *searchResults_; }
  // The page the browser shows, as "page.html".
  QString CurrentPage() const;

 private:
  void FillContents();
  void FillIndex();
  void FilterIndex(const QString& text);
  void Search(const QString& text);

  QString root_;
  QTabWidget* tabs_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QLineEdit* indexFilter_ = nullptr;
  QListWidget* index_ = nullptr;
  QLineEdit* searchText_ = nullptr;
  QListWidget* searchResults_ = nullptr;
  std::vector<std::pair<QString, QString>> pageTexts_;  // page, plain text in lower case
};
