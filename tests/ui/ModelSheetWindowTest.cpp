// Pages as a user reaches them, through the navigation tree: each node opens its own records,
// its row header names them, typing lands in them and nowhere else; View > Memory CH hides and
// shows column groups; list pages are titled by their group with the free entries and grow
// and shrink as entries come and go.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <optional>

#include "PageWindowFixture.h"
#include "base/cmcEvMan.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/indDestination.h"
#include "sheet/layout/SheetCursor.h"
#include "support/IsolatedUserFolders.h"
#include "text/CellIds.h"
#include "ui/DisplayText.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"
#include "ui/cuiTree.h"

namespace {

using ModelSheetWindowTest = PageWindowTest;

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

  Focus(first + 3, CL_Repeater_List_Name);
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
  desktop::ChooseMenuEntry(*Main().MainWindow()->menuBar(), *toneGroup);
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
  desktop::ChooseMenuEntry(*Main().MainWindow()->menuBar(), *toneGroup);
  ASSERT_TRUE(PumpUntil([&] { return Sheet().Grid().ColWidth(tone) > 0; }));
}

}  // namespace
