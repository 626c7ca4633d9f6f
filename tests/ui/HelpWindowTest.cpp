// Context help in the window: F1 on a cell, or Help in its pop-up menu, opens the entry of
// the cell's item in the help popup beside the pointer (headed by the item's label, sized to
// its text, on the screen, closing on Escape or a click elsewhere) with a link to the help
// window; an item without a topic says so. Help > Contents and a topic without a page open
// the contents, and the help window keeps working while a dialog waits. The help pages
// themselves: both languages hold the same pages, every page the topic table names exists
// with the place it names, and no page is empty.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

#include "PageWindowFixture.h"
#include "help/cmcHelpGTex.h"
#include "text/CellIds.h"
#include "ui/HelpMenuCommands.h"
#include "ui/HelpPopup.h"
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

HelpPopup* OpenPopup() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* popup = dynamic_cast<HelpPopup*>(widget); popup != nullptr && popup->isVisible()) return popup;
  }
  return nullptr;
}

QString Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first line of the popup's text: the entry's heading.
QString Heading(const HelpPopup& popup) {
  QTextDocument document;
  document.setHtml(popup.Text().text());
  return document.toPlainText().section(QLatin1Char('\n'), 0, 0);
}

class HelpWindowTest : public PageWindowTest {
 protected:
  void TearDown() override {
    if (HelpPopup* popup = OpenPopup()) popup->close();
    if (HelpWindow* help = OpenHelpWindow()) help->close();
    PageWindowTest::TearDown();
  }

  // Opens the page and clicks the item's cell in its first row of data.
  void ClickItem(const char* sheet, unsigned cellId) {
    OpenNode(sheet);
    int dataRow = -1;
    for (int row = Sheet().Layout().RowCount() - 1; row >= 0; --row) {
      for (int column = 0; column < Sheet().Layout().ColumnCount(); ++column) {
        if (Sheet().Layout().GetCell(column, row).cellId == cellId) dataRow = row;
      }
    }
    ASSERT_GE(dataRow, 0);
    ActivateWindow();
    ClickCell(CellIn(cellId, dataRow));
  }
};

TEST_F(HelpWindowTest, F1OnASetModeItemOpensItsEntryBesideThePointerAndLinksToTheHelpWindow) {
  ClickItem("[St_Common]GI_Sheet_Common,250", CL_Common_BeepLevel);
  desktop::Key(Qt::Key_F1);
  HelpPopup* popup = OpenPopup();
  ASSERT_NE(popup, nullptr) << "F1 opened no help popup";
  EXPECT_EQ(OpenHelpWindow(), nullptr) << "the whole help window came first";
  EXPECT_EQ(Heading(*popup), QStringLiteral("Beep Level"));
  EXPECT_NE(popup->Text().text().indexOf(QStringLiteral("1 (softest) to 9 (loudest)")), -1);
  EXPECT_NE(popup->Text().text().indexOf(QStringLiteral("Open in the help window")), -1);
  EXPECT_LE(popup->width(), 300) << "wider than the popup width of the texts";
  EXPECT_TRUE(popup->screen()->availableGeometry().contains(popup->frameGeometry())) << "off the screen";

  desktop::Escape();
  EXPECT_FALSE(popup->isVisible()) << "Escape left the popup open";

  // Again, and a click elsewhere closes it.
  desktop::Key(Qt::Key_F1);
  ASSERT_TRUE(popup->isVisible());
  QWidget& window = *Main().MainWindow();
  const QPoint elsewhere = window.rect().bottomRight() - QPoint(20, 20);
  ASSERT_FALSE(popup->frameGeometry().contains(window.mapToGlobal(elsewhere)));
  desktop::Click(window, elsewhere);
  EXPECT_FALSE(popup->isVisible()) << "a click elsewhere left the popup open";

  // Again, and its link (Tab reaches it, Enter follows it) opens the help window at the entry.
  ActivateWindow();
  desktop::Key(Qt::Key_F1);
  ASSERT_TRUE(popup->isVisible());
  desktop::Key(Qt::Key_Tab);
  desktop::Enter();
  EXPECT_FALSE(popup->isVisible());
  HelpWindow* help = OpenHelpWindow();
  ASSERT_NE(help, nullptr) << "the link opened no help window";
  EXPECT_EQ(help->CurrentPage(), QStringLiteral("set-common.html"));
  EXPECT_TRUE(Main().MainWindow()->isEnabled());
}

TEST_F(HelpWindowTest, HelpOnAListColumnShowsTheEntryHeadedByItsCaption) {
  struct Case {
    const char* sheet;
    unsigned cellId;
    bool fromMenu;  // the pop-up menu's Help instead of F1
    const char* heading;
  };
  const Case cases[] = {
      {"[St_ColCut]GI_Sheet_MemoryCH,1,100", CL_Mch_Freq, false, "Operating Freq"},
      {"[St_ColCut]GI_Sheet_MemoryCH,1,100", CL_Mch_DRpt2_Callsign, true, "RPT2"},
      {"GI_Sheet_DTMF_Memory,150", CL_DTMF_Memory_Code, false, "DTMF Code"},
      {"[St_Common]GI_Sheet_AB_Band,251", CL_Common_PauseTimer, true, "Pause Timer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sheet);
    ClickItem(c.sheet, c.cellId);
    if (c.fromMenu) {
      ChooseFromMenu(QStringLiteral("Help"));
    } else {
      desktop::Key(Qt::Key_F1);
    }
    HelpPopup* popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(Heading(*popup), QString::fromLatin1(c.heading));
    desktop::Escape();
    EXPECT_EQ(OpenPopup(), nullptr);
  }
}

TEST_F(HelpWindowTest, AnItemWithoutATopicSaysSo) {
  cmcCellObj cell;
  cell.cellId = CL_Menu_Debug_Window;  // no topic names it
  Main().HelpMenu().ShowCellHelp(cell, "[St_Common]GI_Sheet_Common,250");
  ASSERT_EQ(run_->Messages().asked.size(), 1U);
  EXPECT_EQ(run_->Messages().asked[0].text, "No Help topic is associated with this item.");
  EXPECT_EQ(OpenPopup(), nullptr);
  EXPECT_EQ(OpenHelpWindow(), nullptr);
}

// While the About box waits for its OK, a click into the help window's contents still opens
// the page.
TEST_F(HelpWindowTest, TheHelpWindowWorksWhileADialogIsOpen) {
  ChooseMenuEntry(Main(), CL_Help_Contents);
  HelpWindow* help = OpenHelpWindow();
  ASSERT_NE(help, nullptr);
  QTreeWidgetItem* item = help->Contents().topLevelItem(0)->child(0);
  ASSERT_NE(item, nullptr);
  const QString page = item->data(0, Qt::UserRole).toString().section(QLatin1Char('#'), 0, 0);
  ASSERT_NE(page, help->CurrentPage());
  bool dialogOpen = false;
  QTimer whileOpen;
  QObject::connect(&whileOpen, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible()) return;
    whileOpen.stop();
    dialogOpen = true;
    QTreeWidget& contents = help->Contents();
    desktop::Click(*contents.viewport(), contents.visualItemRect(item).center());
    dialog->close();
  });
  whileOpen.start(10);
  ChooseMenuEntry(Main(), CL_Help_About);
  EXPECT_TRUE(dialogOpen) << "the About box did not wait";
  EXPECT_EQ(help->CurrentPage(), page) << "the dialog blocked the help window";
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
      if (!place.isEmpty()) {
        EXPECT_NE(text.indexOf(QStringLiteral("name=\"") + place + QLatin1Char('"')), -1) << target.toStdString();
      }
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
