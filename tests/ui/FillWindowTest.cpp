// Fill and Fill Down on the memory channel page, reached as a user does: cells of one column
// selected with Shift+Down, a value typed or picked and handed on with Ctrl+Enter or Edit >
// Fill, or the first cell's value copied down with Ctrl+D; each cell takes the value by its own
// rules, one that cannot keeps its value and is counted in the status bar, and every fill is
// one undo step.
#include <gtest/gtest.h>

#include "PageWindowFixture.h"
#include "ui/cuiFlector.h"

namespace {

using namespace ChannelMode;

constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";

class FillWindowTest : public PageWindowTest {
 protected:
  // A, B, C, D on channels 100-103 at different frequencies and modes; channel 104 is empty.
  void PutChannels() {
    PutChannel(100, "A", kNoBank, 0, 145000000);
    PutChannel(101, "B", kNoBank, 0, 145500000);
    PutChannel(102, "C", kNoBank, 0, 146000000);
    PutChannel(103, "D", kNoBank, 0, 146500000);
    for (const auto& [index, mode] : {std::pair{100, kFm}, {101, kAm}, {102, kFmNarrow}, {103, kFm}}) {
      datCh record = Channel(index);
      record.mode = mode;
      record.Commit();
    }
    Main().Doc().ResetHistory();  // the document as it was opened
  }

  // The cells of the column from the `from`th data row to the `to`th, the cursor ending on the
  // latter.
  void Select(unsigned cellId, int from, int to) {
    OpenNode(kMemory100);
    Focus(FirstDataRow() + from, cellId);
    for (int n = from; n != to; n += from < to ? 1 : -1) {
      desktop::Key(from < to ? Qt::Key_Down : Qt::Key_Up, Qt::ShiftModifier);
    }
  }

  std::vector<std::string> ShownColumn(unsigned cellId, int count) {
    std::vector<std::string> shown;
    for (int row = FirstDataRow(); row < FirstDataRow() + count; ++row) shown.push_back(Shown(cellId, row));
    return shown;
  }

  void UndoAll() {
    ActivateWindow();
    desktop::Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Main().Doc().CanUndo()) << "the fill was one step";
  }
};

// How the typed value is handed on.
struct FillWay {
  const char* name;
  void (*fill)(indMain& main);
};

class TypedFillTest : public FillWindowTest, public ::testing::WithParamInterface<FillWay> {};

TEST_P(TypedFillTest, ATypedValueGoesToEverySelectedCell) {
  PutChannels();
  Select(CL_Mch_Name, 0, 2);
  desktop::Type(QStringLiteral("SAME"));
  ASSERT_TRUE(Sheet().EditorVisible());
  GetParam().fill(Main());
  ASSERT_TRUE(PumpUntil([&] { return !Sheet().EditorVisible(); }));
  EXPECT_EQ(ShownColumn(CL_Mch_Name, 4), (std::vector<std::string>{"SAME", "SAME", "SAME", "D"}));
  EXPECT_EQ(Status(), QString()) << "no cell refused";
  UndoAll();
  EXPECT_EQ(ShownColumn(CL_Mch_Name, 4), (std::vector<std::string>{"A", "B", "C", "D"}));
}

INSTANTIATE_TEST_SUITE_P(
    KeyAndMenu, TypedFillTest,
    ::testing::Values(
        FillWay{"CtrlEnter", [](indMain&) { desktop::Key(Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\r")); }},
        FillWay{"EditMenu", [](indMain& main) { ChooseMenuEntry(main, CL_Menu_Edit_Fill); }}),
    [](const ::testing::TestParamInfo<FillWay>& info) { return std::string(info.param.name); });

TEST_F(FillWindowTest, TheSelectedCellsStayMarkedWhileTheValueIsTyped) {
  PutChannels();
  Select(CL_Mch_Name, 0, 2);
  desktop::Type(QStringLiteral("X"));
  ASSERT_TRUE(Sheet().EditorVisible());
  cuiGrid& grid = Sheet().Grid();
  const QImage shown = grid.viewport()->grab().toImage();
  // The right end of a name cell, clear of its text.
  const auto background = [&](int row) {
    const CellPosition cell = CellIn(CL_Mch_Name, row);
    const QRect rect = grid.CellRect(cell.column, cell.row);
    return shown.pixelColor(rect.right() - 3, rect.center().y());
  };
  const QColor unselected = background(FirstDataRow() + 3);
  EXPECT_NE(background(FirstDataRow()), unselected);
  EXPECT_NE(background(FirstDataRow() + 1), unselected);
  EXPECT_EQ(background(FirstDataRow()), background(FirstDataRow() + 1));
}

TEST_F(FillWindowTest, AnEnterAloneStoresTheCurrentCellOnly) {
  PutChannels();
  Select(CL_Mch_Name, 0, 2);
  desktop::Type(QStringLiteral("ONE"));
  desktop::Enter();
  EXPECT_EQ(ShownColumn(CL_Mch_Name, 4), (std::vector<std::string>{"A", "B", "ONE", "D"}));
}

TEST_F(FillWindowTest, ACellThatCannotTakeTheValueKeepsItAndIsCounted) {
  PutChannels();
  Select(CL_Mch_Name, 4, 0);  // channel 104 is empty: its name cell takes nothing
  desktop::Type(QStringLiteral("SAME"));
  desktop::Key(Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\r"));
  EXPECT_EQ(ShownColumn(CL_Mch_Name, 5), (std::vector<std::string>{"SAME", "SAME", "SAME", "SAME", ""}));
  EXPECT_FALSE(Channel(104).IsUsed());
  EXPECT_EQ(Status(), QStringLiteral("1 cell(s) refused the value"));
}

TEST_F(FillWindowTest, AnEntryPickedWithCtrlEnterGoesToEverySelectedCell) {
  PutChannels();
  Select(CL_Mch_Mode, 0, 2);
  desktop::Key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  auto* list = Sheet().Grid().findChild<cuiFlector*>();
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return list->isVisible(); }));
  desktop::Key(Qt::Key_Home);
  const std::string picked =
      GetCaption(list->Sheet().Layout().GetCell(list->Sheet().Grid().Col(), list->Sheet().Grid().Row()));
  desktop::Key(Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\r"));
  ASSERT_TRUE(PumpUntil([&] { return Sheet().Grid().findChild<cuiFlector*>() == nullptr || !list->isVisible(); }));
  EXPECT_EQ(ShownColumn(CL_Mch_Mode, 4),
            (std::vector<std::string>{picked, picked, picked, Shown(CL_Mch_Mode, FirstDataRow() + 3)}));
  EXPECT_NE(Channel(101).mode, kAm);
  UndoAll();
  EXPECT_EQ(Channel(101).mode, kAm);
}

class FillDownTest : public FillWindowTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(FillDownTest, CtrlDCopiesTheFirstCellDownItsColumn) {
  const unsigned cellId = GetParam();
  PutChannels();
  Select(cellId, 0, 2);
  const std::vector<std::string> before = ShownColumn(cellId, 4);
  ASSERT_NE(before[0], before[1]);
  desktop::Key(Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(ShownColumn(cellId, 4), (std::vector<std::string>{before[0], before[0], before[0], before[3]}));
  EXPECT_EQ(Status(), QString());
  UndoAll();
  EXPECT_EQ(ShownColumn(cellId, 4), before);
}

// A typed text, a frequency and a list entry.
INSTANTIATE_TEST_SUITE_P(Columns, FillDownTest, ::testing::Values(CL_Mch_Name, CL_Mch_Freq, CL_Mch_Mode),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                           return std::string(CellIdName(info.param).substr(std::string_view("CL_Mch_").size()));
                         });

}  // namespace
