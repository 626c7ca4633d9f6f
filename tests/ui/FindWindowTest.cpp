// The find bar as a user drives it: Ctrl+F, typing, Enter, F3 and Shift+F3, the whole-document
// choice that opens another page through the tree, "No more matches", and Escape.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "PageWindowFixture.h"
#include "ui/FindBar.h"

namespace {

constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
constexpr const char* kMemory200 = "[St_ColCut]GI_Sheet_MemoryCH,2,200";

class FindWindowTest : public PageWindowTest {
 protected:
  void SetUp() override {
    PageWindowTest::SetUp();
    PutChannel(101, "Home");
    PutChannel(103, "home B");
    PutChannel(104, "Park", kNoBank, 0, 145500000);
    PutChannel(250, "HOME C");
    OpenNode(kMemory100);
    Focus(FirstDataRow());
  }

  FindBar& Bar() { return Main().MainWindow()->Finder(); }

  // The cursor's cell as its identifier's name and index.
  std::string Cursor() {
    const cmcCellObj& cell = Sheet().Layout().GetCell(Sheet().Grid().Col(), Sheet().Grid().Row());
    return std::string(CellIdName(cell.cellId)) + " " + std::to_string(cell.index);
  }

  void OpenBarAndType(const QString& text) {
    desktop::Key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(Bar().isVisible());
    ASSERT_TRUE(PumpUntil([&] { return Bar().Text().hasFocus(); }));
    desktop::Type(text);
  }
};

TEST_F(FindWindowTest, EnterAndF3GoThroughThePageAndWrap) {
  OpenBarAndType(QStringLiteral("home"));
  desktop::Enter();
  EXPECT_EQ(Cursor(), "CL_Mch_Name 101");
  desktop::Key(Qt::Key_F3);
  EXPECT_EQ(Cursor(), "CL_Mch_Name 103");
  desktop::Key(Qt::Key_F3);
  EXPECT_EQ(Cursor(), "CL_Mch_Name 101") << "the page alone: channel 250 lies on another page";
  EXPECT_EQ(Bar().Message(), QString());
  desktop::Key(Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(Cursor(), "CL_Mch_Name 103");
  EXPECT_EQ(Sheet().Layout().GetName(), kMemory100);
}

TEST_F(FindWindowTest, TheWholeDocumentOpensTheMatchsPageThroughTheTree) {
  OpenBarAndType(QStringLiteral("HOME c"));
  desktop::ClickOn(Bar().WholeDocument());
  ASSERT_TRUE(Bar().WholeDocument().isChecked());
  desktop::Key(Qt::Key_F3);
  EXPECT_EQ(Sheet().Layout().GetName(), kMemory200);
  EXPECT_EQ(Cursor(), "CL_Mch_Name 250");
  QTreeWidgetItem* node = Main().Tree()->Widget().currentItem();
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(Main().Tree()->FindBySheetName(kMemory200), node) << "the tree shows the page's node";
  PumpFor(300);  // longer than the tree's change delay: nothing opens the page again
  EXPECT_EQ(Cursor(), "CL_Mch_Name 250");
  ASSERT_TRUE(Bar().Text().hasFocus()) << "the bar keeps the typing";
  desktop::Escape();
  EXPECT_FALSE(Bar().isVisible());
  EXPECT_EQ(Cursor(), "CL_Mch_Name 250");
}

TEST_F(FindWindowTest, FrequenciesByValueNoMoreMatchesAndEscape) {
  OpenBarAndType(QStringLiteral("145.5"));
  desktop::Enter();
  EXPECT_EQ(Cursor(), "CL_Mch_Freq 104");
  desktop::Enter();
  EXPECT_EQ(Cursor(), "CL_Mch_Freq 104");
  EXPECT_EQ(Bar().Message(), QStringLiteral("No more matches"));

  desktop::Key(Qt::Key_A, Qt::ControlModifier);
  desktop::Type(QStringLiteral("nowhere"));
  EXPECT_EQ(Bar().Message(), QString()) << "typing clears the message";
  desktop::Enter();
  EXPECT_EQ(Bar().Message(), QStringLiteral("No more matches"));
  EXPECT_EQ(Cursor(), "CL_Mch_Freq 104");

  desktop::Escape();
  EXPECT_FALSE(Bar().isVisible());
  EXPECT_EQ(Cursor(), "CL_Mch_Freq 104");
  EXPECT_TRUE(Sheet().Grid().hasFocus());
  desktop::Key(Qt::Key_F3);
  EXPECT_EQ(Cursor(), "CL_Mch_Freq 104") << "F3 steps only while the bar shows";
}

TEST_F(FindWindowTest, EditFindOpensTheBarFromTheMenu) {
  ChooseMenuEntry(Main(), CL_Menu_Edit_Find);
  ASSERT_TRUE(PumpUntil([&] { return Bar().isVisible() && Bar().Text().hasFocus(); }));
}

}  // namespace
