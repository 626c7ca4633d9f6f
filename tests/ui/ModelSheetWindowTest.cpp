// Pages as a user reaches them, through the navigation tree: each node opens its own records,
// its row header names them, typing lands in them and nowhere else; View > Memory CH hides and
// shows column groups; list pages are titled by their group with the free entries and grow
// and shrink as entries come and go.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <optional>

#include "MainTestSupport.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/indDestination.h"
#include "sheet/SheetCursor.h"
#include "shell/cmcEvMan.h"
#include "support/IsolatedUserFolders.h"
#include "text/CellIds.h"
#include "ui/DisplayText.h"
#include "ui/InPlaceEditor.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"
#include "ui/cuiTree.h"

namespace {

constexpr int kDestination = 2;

class ModelSheetWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { StartWithDestination(run_, kDestination); }
  void TearDown() override {
    run_->Messages().answers.push_back(kAnswerNo);  // leave the edited document unsaved
    run_.reset();
  }

  indMain& Main() { return run_->Controller(); }
  cuiSheet& Sheet() { return *Main().CurrentSheet(); }
  cmcEeprom& Image() { return Main().Doc().CurrentImage(); }

  // Selects the tree node of a sheet name as a click would and waits for its page.
  void OpenNode(const std::string& sheetName) {
    cuiTree& tree = *Main().Tree();
    QTreeWidgetItem* node = tree.FindBySheetName(sheetName);
    ASSERT_NE(node, nullptr) << sheetName;
    tree.Widget().setCurrentItem(node);
    ASSERT_TRUE(PumpUntil([&] { return Main().CurrentSheet() != nullptr && Sheet().Layout().GetName() == sheetName; }))
        << sheetName;
  }

  // The text the window's cell behaviour gives the cell in the first list or block row.
  std::string Shown(unsigned cellId, int row) {
    const CellPosition cell = CellIn(cellId, row);
    cmcCellCapsule request;
    Sheet().PrepareRequest(cell.column, cell.row, request);
    Main().CellBehaviour()(request, kCellQuery);
    return request.outputText;
  }

  CellPosition CellIn(unsigned cellId, int row) {
    for (int column = 0; column < Sheet().Layout().ColumnCount(); ++column) {
      if (Sheet().Layout().GetCell(column, row).cellId == cellId) return {column, row};
    }
    ADD_FAILURE() << CellIdName(cellId) << " not in row " << row;
    return {0, row};
  }

  int FirstDataRow() { return Sheet().Layout().FixedRowCount(); }

  static void Press(QWidget& target, int key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&target, &event);
  }

  // Selects the cell, types the text (the first character opens the editor) and presses Enter.
  void Type(CellPosition cell, const QString& text) {
    Sheet().Grid().TrySelectCell(cell.column, cell.row);
    for (const QChar c : text) {
      auto* editor = Sheet().Grid().viewport()->findChild<InPlaceEditor*>();
      const bool open = editor != nullptr && Sheet().EditorVisible();
      Press(open ? static_cast<QWidget&>(*editor) : static_cast<QWidget&>(Sheet().Grid()), c.toUpper().unicode(),
            QString(c));
    }
    ASSERT_TRUE(Sheet().EditorVisible());
    Press(*Sheet().Grid().viewport()->findChild<InPlaceEditor*>(), Qt::Key_Return, QStringLiteral("\r"));
  }

  datCh Channel(int index) {
    datCh record(Image());
    record.Load(RecordKind::kChannel, index);
    return record;
  }

  QString TitleShown() {
    for (QLabel* label : Sheet().findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) return label->text();
    }
    return {};
  }

  QAction* ViewAction(const QString& menuText, const QString& entryText) {
    for (QAction* top : Main().MainWindow()->menuBar()->actions()) {
      if (top->menu() == nullptr || !top->text().remove(u'&').startsWith(u"View")) continue;
      for (QAction* entry : top->menu()->actions()) {
        if (entry->menu() == nullptr || entry->text().remove(u'&') != menuText) continue;
        for (QAction* item : entry->menu()->actions()) {
          if (item->text().remove(u'&').startsWith(entryText)) return item;
        }
      }
    }
    return nullptr;
  }

  std::optional<ProgramRun> run_;
};

struct PageCase {
  const char* node;
  unsigned numberCell;
  const char* number;  // the row header of the first row
  unsigned typedCell;  // typed into on the first row
  int changedChannel;  // the memory channel the typing fills
};

TEST_F(ModelSheetWindowTest, EveryChannelPageEditsItsOwnChannels) {
  const PageCase cases[] = {
      {"[St_ColCut]GI_Sheet_MemoryCH,0,0", CL_Misc_ChNo_0Base, "0", CL_Mch_Freq, 0},
      {"[St_ColCut]GI_Sheet_MemoryCH,1,100", CL_Misc_ChNo_0Base, "100", CL_Mch_Freq, 100},
      {"[St_ColCut]GI_Sheet_MemoryCH,4,400", CL_Misc_ChNo_0Base, "400", CL_Mch_Freq, 400},
      {"[St_ColCut]GI_Sheet_ScanEdge,5", CL_Misc_ChNo_Edge, "00A", CL_Mch_Freq, 500},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.node);
    OpenNode(c.node);
    const int row = FirstDataRow();
    EXPECT_EQ(Shown(c.numberCell, row), c.number);
    const cmcEeprom before = Image();
    Type(CellIn(c.typedCell, row), QStringLiteral("145.5"));
    EXPECT_EQ(Channel(c.changedChannel).frequency, 145500000u);
    for (int channel : {0, 100, 400, 500}) {
      if (channel == c.changedChannel) continue;
      datCh other(const_cast<cmcEeprom&>(before));
      other.Load(RecordKind::kChannel, channel);
      EXPECT_EQ(Channel(channel).frequency, other.frequency) << "channel " << channel << " untouched";
    }
  }
}

TEST_F(ModelSheetWindowTest, ScanLinkAndBankPagesShowTheirOwnRecords) {
  OpenNode("[St_PLink]GI_Sheet_ScanLink,52,26");
  EXPECT_EQ(Shown(CL_Misc_ChNo_PLink, FirstDataRow() + 1), "1");
  EXPECT_EQ(Sheet().Layout().GetCell(CellIn(CL_PgLink_No, FirstDataRow()).column, FirstDataRow()).index, 26);
  EXPECT_EQ(TitleShown(), QStringLiteral(" 1: ") + DisplayText(std::string(16, ' ')));

  OpenNode("[St_CCBank]GI_Sheet_BankCH,23");
  EXPECT_EQ(Shown(CL_Misc_ChNo_0Base, FirstDataRow()), "0");
  EXPECT_TRUE(TitleShown().startsWith(QStringLiteral(" C: "))) << TitleShown().toStdString();
  const QString remain = QStringLiteral("(Remain %1 CH)").arg(CountFreeChannels(Image()), 3);
  EXPECT_TRUE(TitleShown().endsWith(remain)) << TitleShown().toStdString();
}

TEST_F(ModelSheetWindowTest, ListPagesCountTheirGroupAndGrowAsEntriesAreAdded) {
  SetGroupCount(Image(), 0, 2);
  SetGroupCount(Image(), 3, 2);
  OpenNode("[St_RptList]GI_Sheet_RepeaterList,166,RptCH  3");
  const int first = Sheet().Layout().FirstListRow();
  EXPECT_EQ(Sheet().Layout().RowCount(), first + 3);
  EXPECT_EQ(Shown(CL_Repeater_List_ChNo, first), "0");
  EXPECT_EQ(Shown(CL_Repeater_List_ChNo, first + 2), "New");
  EXPECT_EQ(Sheet().Layout().GetCell(CellIn(CL_Repeater_List_Name, first).column, first).index, 2)
      << "group 4 starts at 2";
  EXPECT_TRUE(TitleShown().startsWith(QStringLiteral(" 04: "))) << TitleShown().toStdString();
  EXPECT_TRUE(TitleShown().endsWith(QStringLiteral("(Remain 746)"))) << TitleShown().toStdString();

  SetGroupCount(Image(), 3, 3);
  run_->Events().Send(EV_ListEntryAdded);
  EXPECT_EQ(Sheet().Layout().RowCount(), first + 4);
  EXPECT_EQ(Shown(CL_Repeater_List_ChNo, first + 2), "2");
  EXPECT_EQ(Shown(CL_Repeater_List_ChNo, first + 3), "New");
  EXPECT_EQ(Sheet().Grid().RowCount(), first + 4) << "the grid grows with the list";
  EXPECT_TRUE(TitleShown().endsWith(QStringLiteral("(Remain 745)")));

  Sheet().Grid().TrySelectCell(CellIn(CL_Repeater_List_Name, first + 3).column, first + 3);
  SetGroupCount(Image(), 3, 2);
  run_->Events().Send(EV_ListEntryRemoved);
  EXPECT_EQ(Sheet().Grid().RowCount(), first + 3);
  EXPECT_EQ(Sheet().Grid().Row(), first + 2) << "the cursor leaves the row that went";
}

TEST_F(ModelSheetWindowTest, ViewMenuHidesAndShowsColumnGroupsAtOnceAndAfterARestart) {
  OpenNode("[St_ColCut]GI_Sheet_MemoryCH,1,100");
  const int tone = CellIn(CL_Mch_TONE_Freq, FirstDataRow()).column;
  ASSERT_GT(Sheet().Grid().ColWidth(tone), 0);
  QAction* toneGroup = ViewAction(QStringLiteral("Memory CH"), QStringLiteral("Tone"));
  ASSERT_NE(toneGroup, nullptr);
  toneGroup->trigger();
  ASSERT_TRUE(PumpUntil([&] { return Sheet().Grid().ColWidth(tone) == 0; }));
  EXPECT_EQ(Sheet().Layout().GetName(), "[St_ColCut]GI_Sheet_MemoryCH,1,100") << "the same page, rebuilt";

  run_->Messages().answers.push_back(kAnswerNo);
  run_.reset();
  run_.emplace();
  run_->Start();
  OpenNode("[St_ColCut]GI_Sheet_MemoryCH,0,0");
  EXPECT_EQ(Sheet().Grid().ColWidth(tone), 0) << "the choice survives a restart";
  toneGroup = ViewAction(QStringLiteral("Memory CH"), QStringLiteral("Tone"));
  ASSERT_NE(toneGroup, nullptr);
  toneGroup->trigger();
  ASSERT_TRUE(PumpUntil([&] { return Sheet().Grid().ColWidth(tone) > 0; }));
}

}  // namespace
