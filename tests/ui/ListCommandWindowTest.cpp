// The list commands as a user gives them on a real page reached through the tree: the
// pop-up menu's entries, the keys the menu names (Ctrl+C, Ctrl+V, Del, Ins), Ctrl+X, the
// questions, the status bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "PageWindowFixture.h"
#include "memory/BankEdits.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "ui/ApplicationWindow.h"
#include "ui/CellPopupMenu.h"
#include "ui/cuiFlector.h"

namespace {

using namespace MemoryMap;

constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
constexpr const char* kBankA = "[St_CCBank]GI_Sheet_BankCH,21";

class ListCommandWindowTest : public PageWindowTest {};

TEST_F(ListCommandWindowTest, KeysOfTheMenuCopyPasteDeleteAndInsertOnThePageShown) {
  PutChannel(100, "A");
  PutChannel(101, "B");
  PutChannel(102, "C");
  OpenNode(kMemory100);
  const int first = FirstDataRow();
  Focus(first + 1);
  desktop::Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Status(), QStringLiteral(" Copied"));
  Focus(first + 50);
  desktop::Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(NameAt(150), "B") << "the page of channels 100-199 pastes into its own row";
  EXPECT_EQ(Status(), QStringLiteral(" Pasted"));

  Focus(first);
  run_->Messages().answers = {kAnswerOk};
  desktop::Key(Qt::Key_Delete);
  EXPECT_EQ(run_->Messages().asked.back().text, "Deleting. Are you sure?");
  EXPECT_EQ(NameAt(100), "B");
  EXPECT_EQ(NameAt(101), "C");
  EXPECT_EQ(NameAt(149), "B") << "the pasted copy moved up with the rest";
  desktop::Key(Qt::Key_Insert);
  EXPECT_EQ(NameAt(100), "");
  EXPECT_EQ(NameAt(101), "B");
  EXPECT_EQ(Status(), QStringLiteral(" Inserted"));
}

TEST_F(ListCommandWindowTest, CopiedRowsGoToTheDesktopClipboardAndItsEditedTextPastesBack) {
  PutChannel(100, "A");
  PutChannel(101, "B");
  OpenNode(kMemory100);
  Focus(FirstDataRow());
  desktop::Key(Qt::Key_Down, Qt::ShiftModifier);
  desktop::Key(Qt::Key_C, Qt::ControlModifier);
  QClipboard& clipboard = *QGuiApplication::clipboard();
  const QStringList lines = clipboard.text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << clipboard.text().toStdString();
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("CH No\tFrequency\tDup\t")));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("00\t145.000000\t"))) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].contains(QStringLiteral("\tB\t"))) << lines[2].toStdString();

  QString edited = clipboard.text();
  edited.replace(QStringLiteral("\tB\t"), QStringLiteral("\tEDITED\t"));
  edited.replace(QStringLiteral("01\t145.000000"), QStringLiteral("01\t146.500000"));
  clipboard.setText(edited);
  Focus(FirstDataRow() + 50);
  desktop::Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(NameAt(150), "A");
  EXPECT_EQ(NameAt(151), "EDITED");
  EXPECT_EQ(Channel(151).frequency, 146500000u);
  EXPECT_EQ(NameAt(101), "B") << "the copied rows stay as they were";
  EXPECT_EQ(Status(), QStringLiteral(" Pasted"));

  clipboard.setText(QStringLiteral("no list here"));
  const std::size_t asked = run_->Messages().asked.size();
  Focus(FirstDataRow() + 60);
  desktop::Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(NameAt(160), "") << "a text that yields no record pastes nothing";
  ASSERT_EQ(run_->Messages().asked.size(), asked + 1);
  EXPECT_FALSE(run_->Messages().asked.back().text.empty());
}

TEST_F(ListCommandWindowTest, CtrlXCopiesAndEmptiesTheRow) {
  PutChannel(100, "A");
  OpenNode(kMemory100);
  Focus(FirstDataRow());
  run_->Messages().answers = {kAnswerOk};
  desktop::Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(run_->Messages().asked.back().text, "Clearing. Are you sure?");
  EXPECT_EQ(NameAt(100), "");
  EXPECT_EQ(Status(), QStringLiteral(" Cleared"));
  Focus(FirstDataRow() + 5);
  desktop::Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(NameAt(105), "A");
}

TEST_F(ListCommandWindowTest, PopupMenuEntriesReachTheOperations) {
  PutChannel(100, "A");
  PutChannel(101, "B");
  OpenNode(kMemory100);
  Focus(FirstDataRow() + 1);
  ChooseFromMenu(QStringLiteral("Up"));
  EXPECT_EQ(NameAt(100), "B");
  EXPECT_EQ(NameAt(101), "A");
  EXPECT_EQ(Sheet().Grid().Row(), FirstDataRow()) << "the cursor follows the row";
  ChooseFromMenu(QStringLiteral("Copy"));
  Focus(FirstDataRow() + 10);
  ChooseFromMenu(QStringLiteral("Paste"));
  EXPECT_EQ(NameAt(110), "B");
}

TEST_F(ListCommandWindowTest, BankPageDeleteClosesTheGap) {
  PutChannel(0, "A0", 0, 0);
  PutChannel(1, "A1", 0, 1);
  PutChannel(2, "A2", 0, 2);
  OpenNode(kBankA);
  Focus(FirstDataRow() + 1);
  run_->Messages().answers = {kAnswerOk};
  desktop::Key(Qt::Key_Delete);
  EXPECT_EQ(BankRowChannel(Image(), 0, 1), 2);
  EXPECT_EQ(NameAt(1), "");
  EXPECT_EQ(Shown(CL_Mch_Name, FirstDataRow() + 1), "A2");
}

TEST_F(ListCommandWindowTest, SpaceOnTheBankSlotListsTheChannelsAndThePickTakesTheSlot) {
  PutChannel(0, "A0", 0, 0);
  PutChannel(1, "FREE");
  OpenNode(kBankA);
  Focus(FirstDataRow() + 3, CL_Mch_Select_ChNo);
  desktop::Key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  auto* list = Sheet().Grid().findChild<cuiFlector*>();
  ASSERT_NE(list, nullptr);
  desktop::Key(Qt::Key_Down);
  desktop::Enter();
  ASSERT_TRUE(PumpUntil([&] { return Sheet().Grid().findChild<cuiFlector*>() == nullptr; }));
  EXPECT_EQ(BankRowChannel(Image(), 0, 3), 1);
  EXPECT_EQ(Shown(CL_Mch_Select_ChNo, FirstDataRow() + 3), "1");
  EXPECT_EQ(Shown(CL_Mch_Name, FirstDataRow() + 3), "FREE");
}

// A click after a click moves the cursor; only Shift or a drag selects the lines between.
TEST_F(ListCommandWindowTest, AClickedRowAloneIsDeleted) {
  PutChannel(100, "A");
  PutChannel(101, "B");
  PutChannel(102, "C");
  OpenNode(kMemory100);
  Focus(FirstDataRow());
  ClickCell(CellIn(CL_Mch_Name, FirstDataRow()));
  ClickCell(CellIn(CL_Mch_Name, FirstDataRow() + 2));
  EXPECT_EQ(Sheet().Grid().Row(), FirstDataRow() + 2);
  run_->Messages().answers = {kAnswerOk};
  desktop::Key(Qt::Key_Delete);
  EXPECT_EQ(NameAt(100), "A");
  EXPECT_EQ(NameAt(101), "B");
  EXPECT_EQ(NameAt(102), "");
}

}  // namespace
