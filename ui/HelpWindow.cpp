#include "ui/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPageRole = Qt::UserRole;

QStringList Lines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString PageFile(const QString& page) { return page.section(QLatin1Char('#'), 0, 0); }

QWidget* Column(QWidget* top, QWidget* list) {
  auto* panel = new QWidget;
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(2, 2, 2, 2);
  if (top != nullptr) layout->addWidget(top);
  layout->addWidget(list, 1);
  return panel;
}

}  // namespace

HelpWindow::HelpWindow(const QString& root, const QStringList& tabs) : QWidget(nullptr, Qt::Window), root_(root) {
  setObjectName(QStringLiteral("helpWindow"));
  auto* splitter = new QSplitter;
  tabs_ = new QTabWidget;
  contents_ = new QTreeWidget;
  contents_->setHeaderHidden(true);
  indexFilter_ = new QLineEdit;
  index_ = new QListWidget;
  searchText_ = new QLineEdit;
  searchResults_ = new QListWidget;
  browser_ = new QTextBrowser;
  browser_->setOpenExternalLinks(true);
  tabs_->addTab(contents_, tabs.value(0));
  tabs_->addTab(Column(indexFilter_, index_), tabs.value(1));
  tabs_->addTab(Column(searchText_, searchResults_), tabs.value(2));
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  resize(900, 640);

  FillContents();
  FillIndex();
  for (const QString& name : QDir(root_).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    QFile file(root_ + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly)) continue;
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    pageTexts_.emplace_back(name, document.toPlainText().toLower());
  }
  const auto open = [this](const QString& page) {
    if (!page.isEmpty()) ShowPage(page);
  };
  connect(contents_, &QTreeWidget::itemActivated, this,
          [open](QTreeWidgetItem* item) { open(item->data(0, kPageRole).toString()); });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [open](QTreeWidgetItem* item) { open(item->data(0, kPageRole).toString()); });
  connect(index_, &QListWidget::itemActivated, this,
          [open](QListWidgetItem* item) { open(item->data(kPageRole).toString()); });
  connect(index_, &QListWidget::itemClicked, this,
          [open](QListWidgetItem* item) { open(item->data(kPageRole).toString()); });
  connect(searchResults_, &QListWidget::itemActivated, this,
          [open](QListWidgetItem* item) { open(item->data(kPageRole).toString()); });
  connect(searchResults_, &QListWidget::itemClicked, this,
          [open](QListWidgetItem* item) { open(item->data(kPageRole).toString()); });
  connect(indexFilter_, &QLineEdit::textChanged, this, [this](const QString& text) { FilterIndex(text); });
  connect(searchText_, &QLineEdit::returnPressed, this, [this] { Search(searchText_->text()); });
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    if (!browser_->documentTitle().isEmpty()) setWindowTitle(browser_->documentTitle());
  });
}

// Lines "depth<TAB>page<TAB>title"; a deeper line is a child of the line before.
void HelpWindow::FillContents() {
  std::vector<QTreeWidgetItem*> parents;
  for (const QString& line : Lines(root_ + QStringLiteral("/contents.txt"))) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() < 3) continue;
    const auto depth = static_cast<std::size_t>(std::max(0, fields[0].toInt()));
    parents.resize(std::min(parents.size(), depth));
    auto* item = parents.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
    item->setText(0, fields[2]);
    item->setData(0, kPageRole, fields[1]);
    parents.push_back(item);
  }
  contents_->expandAll();
}

// Lines "keyword<TAB>page".
void HelpWindow::FillIndex() {
  for (const QString& line : Lines(root_ + QStringLiteral("/keywords.txt"))) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() < 2) continue;
    auto* item = new QListWidgetItem(fields[0], index_);
    item->setData(kPageRole, fields[1]);
  }
  index_->sortItems();
}

void HelpWindow::FilterIndex(const QString& text) {
  QListWidgetItem* first = nullptr;
  for (int row = 0; row < index_->count(); ++row) {
    QListWidgetItem* item = index_->item(row);
    const bool shown = item->text().contains(text, Qt::CaseInsensitive);
    item->setHidden(!shown);
    if (shown && first == nullptr) first = item;
  }
  if (first != nullptr) index_->setCurrentItem(first);
}

// Pages that hold every word of text, in the order of the contents' file names.
void HelpWindow::Search(const QString& text) {
  searchResults_->clear();
  const QStringList words = text.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.isEmpty()) return;
  for (const auto& [page, plain] : pageTexts_) {
    const bool all = std::all_of(words.begin(), words.end(),
                                 [&pageText = plain](const QString& word) { return pageText.contains(word); });
    if (!all) continue;
    QTextDocument document;
    QFile file(root_ + QLatin1Char('/') + page);
    QString title = page;
    if (file.open(QIODevice::ReadOnly)) {
      document.setHtml(QString::fromUtf8(file.readAll()));
      if (!document.metaInformation(QTextDocument::DocumentTitle).isEmpty())
        title = document.metaInformation(QTextDocument::DocumentTitle);
    }
    auto* item = new QListWidgetItem(title, searchResults_);
    item->setData(kPageRole, page);
  }
}

bool HelpWindow::HasPage(const QString& page) const {
  const QString file = PageFile(page);
  return !file.isEmpty() && QFile::exists(root_ + QLatin1Char('/') + file);
}

void HelpWindow::ShowPage(const QString& page) {
  browser_->setSource(QUrl(QStringLiteral("qrc") + root_ + QLatin1Char('/') + PageFile(page)));
  const QString place = page.section(QLatin1Char('#'), 1);
  if (!place.isEmpty()) browser_->scrollToAnchor(place);
}

QString HelpWindow::CurrentPage() const { return browser_->source().fileName(); }
