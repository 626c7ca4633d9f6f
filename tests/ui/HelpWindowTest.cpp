// Context help in the window: F1 on a cell of a page opens the help at the cell's column, or
// at the page when the column has no topic; Help > Contents and a topic without a page open
// the contents. The help pages themselves: both languages hold the same pages, every page
// the topic table names exists with the place it names, and no page is empty.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include "PageWindowFixture.h"
#include "help/cmcHelpGTex.h"
#include "text/CellIds.h"
#include "ui/HelpWindow.h"
#include "ui/cuiHtmlHelp.h"
#include "ui/cuiMenu.h"

namespace {

HelpWindow* OpenHelpWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* help = dynamic_cast<HelpWindow*>(widget); help != nullptr && help->isVisible()) return help;
  }
  return nullptr;
}

QString Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class HelpWindowTest : public PageWindowTest {
 protected:
  void TearDown() override {
    if (HelpWindow* help = OpenHelpWindow()) help->close();
    PageWindowTest::TearDown();
  }

  // Clicks the cell and presses F1, as the user does.
  HelpWindow* PressF1On(unsigned cellId, int row) {
    ActivateWindow();
    ClickCell(CellIn(cellId, row));
    desktop::Key(Qt::Key_F1);
    return OpenHelpWindow();
  }
};

TEST_F(HelpWindowTest, F1OnACellOpensItsColumnOrItsPage) {
  struct Case {
    const char* sheet;
    unsigned cellId;
    const char* page;
    const char* place;  // the anchor the browser scrolls to; empty for the page's top
  };
  const Case cases[] = {
      {"[St_ColCut]GI_Sheet_MemoryCH,1,100", CL_Mch_Freq, "memory.html", "CL_Mch_Freq"},
      {"[St_ColCut]GI_Sheet_MemoryCH,1,100", CL_Mch_DRpt2_Callsign, "memory.html", "CL_Mch_DRpt1_Callsign"},
      {"GI_Sheet_DTMF_Memory,150", CL_DTMF_Memory_Code, "dtmf.html", "CL_DTMF_Memory_Code"},
      {"[St_Common]GI_Sheet_Common,250", CL_Common_BeepLevel, "set-common.html", ""},  // the page's own topic
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sheet);
    OpenNode(c.sheet);
    int dataRow = -1;
    for (int row = Sheet().Layout().RowCount() - 1; row >= 0; --row) {
      for (int column = 0; column < Sheet().Layout().ColumnCount(); ++column) {
        if (Sheet().Layout().GetCell(column, row).cellId == c.cellId) dataRow = row;
      }
    }
    ASSERT_GE(dataRow, 0);
    HelpWindow* help = PressF1On(c.cellId, dataRow);
    ASSERT_NE(help, nullptr) << "F1 opened no help";
    EXPECT_EQ(help->CurrentPage(), QString::fromLatin1(c.page));
    if (*c.place != '\0') {
      EXPECT_NE(help->Browser().toHtml().indexOf(QString::fromLatin1(c.place)), -1);
    }
    EXPECT_TRUE(Main().MainWindow()->isEnabled());
  }
}

TEST_F(HelpWindowTest, ContentsFromTheMenuAndForATopicWithoutAPage) {
  ChooseMenuEntry(Main(), CL_Help_Contents);
  HelpWindow* help = OpenHelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->CurrentPage(), QStringLiteral("index.html"));
  EXPECT_GT(help->Contents().topLevelItemCount(), 0);

  cuiHtmlHelp own;
  EXPECT_EQ(own.ShowTopic(QStringLiteral("Tessel_ENG"), QStringLiteral("no-such-page.html")), cuiHtmlHelp::kNoTopic);
  EXPECT_EQ(own.Window()->CurrentPage(), QStringLiteral("index.html"));
  EXPECT_EQ(own.ShowTopic(QStringLiteral("Tessel_ENG"), {}), cuiHtmlHelp::kNoTopic);
  EXPECT_EQ(own.ShowContents(QStringLiteral("Tessel_XXX")), cuiHtmlHelp::kNoFile);
}

TEST_F(HelpWindowTest, IndexAndSearchLeadToPages) {
  cuiHtmlHelp help;
  ASSERT_EQ(help.ShowContents(QStringLiteral("Tessel_ENG")), cuiHtmlHelp::kShown);
  HelpWindow& window = *help.Window();
  window.IndexFilter().setText(QStringLiteral("Offset Freq"));
  QListWidgetItem* entry = window.Index().currentItem();
  ASSERT_NE(entry, nullptr);
  emit window.Index().itemActivated(entry);
  EXPECT_EQ(window.CurrentPage(), QStringLiteral("memory.html"));

  QTabBar& tabs = *window.findChild<QTabWidget*>()->tabBar();
  desktop::Click(tabs, tabs.tabRect(2).center());  // Search
  desktop::ReplaceText(window.SearchText(), QStringLiteral("dialout permission"));
  desktop::Enter();
  ASSERT_GT(window.SearchResults().count(), 0);
  emit window.SearchResults().itemActivated(window.SearchResults().item(0));
  EXPECT_NE(window.Browser().toPlainText().indexOf(QStringLiteral("dialout")), -1);
}

TEST(HelpPages, BothLanguagesHoldEveryPageTheTopicsNameWithContent) {
  const QStringList english = QDir(QStringLiteral(":/help/Tessel_ENG")).entryList(QDir::Files, QDir::Name);
  const QStringList japanese = QDir(QStringLiteral(":/help/Tessel_JPN")).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(english, japanese);
  EXPECT_GT(english.filter(QStringLiteral(".html")).size(), 50);
  for (const QString& set : {QStringLiteral("Tessel_ENG"), QStringLiteral("Tessel_JPN")}) {
    for (const QString& page : english.filter(QStringLiteral(".html"))) {
      SCOPED_TRACE((set + QLatin1Char('/') + page).toStdString());
      QTextDocument document;
      document.setHtml(Read(QStringLiteral(":/help/") + set + QLatin1Char('/') + page));
      EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty());
      // Japanese needs about a third of the characters English does.
      EXPECT_GT(document.toPlainText().size(), set == QStringLiteral("Tessel_ENG") ? 150 : 60)
          << "a page with next to nothing on it";
    }
    cmcHelpGTex topics;
    for (int context = 1;; ++context) {
      const QString target = QString::fromStdString(PageOfContext(topics, context));
      if (target.isEmpty()) break;
      const QString text =
          Read(QStringLiteral(":/help/") + set + QLatin1Char('/') + target.section(QLatin1Char('#'), 0, 0));
      ASSERT_FALSE(text.isEmpty()) << target.toStdString();
      const QString place = target.section(QLatin1Char('#'), 1);
      if (!place.isEmpty())
        EXPECT_NE(text.indexOf(QStringLiteral("name=\"") + place + QLatin1Char('"')), -1) << target.toStdString();
    }
    for (const QString& list : {QStringLiteral("contents.txt"), QStringLiteral("keywords.txt")}) {
      for (const QString& line : Read(QStringLiteral(":/help/") + set + QLatin1Char('/') + list)
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString page = (list == QStringLiteral("contents.txt") ? line.section(QLatin1Char('\t'), 1, 1)
                                                                     : line.section(QLatin1Char('\t'), 1))
                                 .section(QLatin1Char('#'), 0, 0);
        EXPECT_TRUE(english.contains(page)) << list.toStdString() << ": " << line.toStdString();
      }
    }
  }
}

}  // namespace
