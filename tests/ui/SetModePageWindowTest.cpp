// The four set-mode pages as a user reaches them through the tree: every bound cell shows its
// setting, and stepping, typing, a pick from a pop-up list and the bit-field editor land in
// the settings block of the image.
#include <gtest/gtest.h>

#include <QPushButton>

#include "PageWindowFixture.h"
#include "memory/MemoryMap.h"
#include "ui/cuiFBitsR.h"
#include "ui/cuiFlector.h"

namespace {

using MemoryMap::kSettings;

constexpr int kUsDestination = 1;  // shows every regional row

class SetModePageWindowTest : public PageWindowTest {
 protected:
  SetModePageWindowTest() : PageWindowTest(kUsDestination) {}

  std::uint8_t Setting(int offset) { return Image().GetByte(kSettings + offset); }

  CellPosition Find(unsigned cellId, int index = 0) {
    const SheetLayout& layout = Sheet().Layout();
    for (int row = 0; row < layout.RowCount(); ++row) {
      for (int column = 0; column < layout.ColumnCount(); ++column) {
        const cmcCellObj& cell = layout.GetCell(column, row);
        if (cell.cellId == cellId && cell.index == index) return {column, row};
      }
    }
    ADD_FAILURE() << CellIdName(cellId) << "[" << index << "] not on the page";
    return {0, 0};
  }

  std::string ShownAt(CellPosition cell) {
    cmcCellCapsule request;
    Sheet().PrepareRequest(cell.column, cell.row, request);
    Main().CellBehaviour()(request, kCellQuery);
    return request.outputText;
  }

  // Every bound cell of the open page has its behaviour; answers how many there are.
  int ExpectEveryCellBuilt() {
    const SheetLayout& layout = Sheet().Layout();
    int bound = 0;
    for (int row = 0; row < layout.RowCount(); ++row) {
      for (int column = 0; column < layout.ColumnCount(); ++column) {
        if (layout.GetCell(column, row).cellId == kCellIdNone) continue;
        ++bound;
        EXPECT_EQ(ShownAt({column, row}).find("*Yet*"), std::string::npos)
            << CellIdName(layout.GetCell(column, row).cellId);
      }
    }
    return bound;
  }

  void PressAt(CellPosition cell, int key, const QString& text = {}) {
    ActivateWindow();
    ClickCell(cell);
    desktop::Key(key, Qt::NoModifier, text);
  }

  cuiFlector* List() { return Sheet().Grid().findChild<cuiFlector*>(); }
  cuiFBitsR* BitEditor() { return Sheet().Grid().findChild<cuiFBitsR*>(); }
};

TEST_F(SetModePageWindowTest, DigitalPageStepsAListAndTakesATypedNumber) {
  OpenNode("[St_Common]GI_Sheet_Digital,215");
  EXPECT_GT(ExpectEveryCellBuilt(), 25);
  const CellPosition bass = Find(CL_Common_RxBass);
  EXPECT_EQ(ShownAt(bass), "Normal");
  PressAt(bass, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(Setting(93), 2);
  EXPECT_EQ(ShownAt(bass), "Boost");
  Type(Find(CL_Common_EmrAfLevel), QStringLiteral("25"));
  EXPECT_EQ(Setting(69), 25);
}

TEST_F(SetModePageWindowTest, GpsPageTakesSentencesFromTheBitEditorAndATypedComment) {
  OpenNode("[St_Common]GI_Sheet_GPS,248");
  EXPECT_GT(ExpectEveryCellBuilt(), 35);
  const CellPosition sentences = Find(CL_Common_GPS_ControlMode);
  PressAt(sentences, Qt::Key_Return, QStringLiteral("\r"));
  cuiFBitsR* editor = BitEditor();
  ASSERT_NE(editor, nullptr);
  cuiGrid& grid = editor->Sheet().Grid();
  const SheetLayout& layout = editor->Sheet().Layout();
  for (int column = 0; column < layout.ColumnCount(); ++column) {
    const cmcCellObj& cell = layout.GetCell(column, grid.Row());
    if (cell.cellId == CL_FBits && cell.index == 2) {
      desktop::Click(*grid.viewport(), grid.CellRect(column, grid.Row()).center());  // "GGA"
    }
  }
  desktop::Key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  desktop::ClickOn(editor->OkButton());
  ASSERT_TRUE(PumpUntil([&] { return BitEditor() == nullptr; }));
  EXPECT_EQ(Setting(34), 0x01);
  EXPECT_EQ(ShownAt(sentences), "GGA");

  Type(Find(CL_Common_Comment), QStringLiteral("Portable"));
  EXPECT_EQ(Setting(324), 'P');
  EXPECT_EQ(Setting(324 + 8), 0xFF);
}

TEST_F(SetModePageWindowTest, CommonPagePicksFromItsListsIncludingTheRadioLevel) {
  OpenNode("[St_Common]GI_Sheet_Common,250");
  EXPECT_GT(ExpectEveryCellBuilt(), 90);
  const CellPosition power = Find(CL_Common_AutoPowerOFF);
  PressAt(power, Qt::Key_Return, QStringLiteral("\r"));
  ASSERT_NE(List(), nullptr);
  desktop::Key(Qt::Key_Down);
  desktop::Enter();
  ASSERT_TRUE(PumpUntil([&] { return List() == nullptr; }));
  EXPECT_EQ(Setting(2), 1);
  EXPECT_EQ(ShownAt(power), "30min");

  const CellPosition level = Find(CL_Common_RadioLevel);
  EXPECT_EQ(ShownAt(level), "0 ");
  PressAt(level, Qt::Key_Return, QStringLiteral("\r"));
  ASSERT_NE(List(), nullptr);
  desktop::Key(Qt::Key_Up);  // the list runs from +5 down to -5
  desktop::Enter();
  ASSERT_TRUE(PumpUntil([&] { return List() == nullptr; }));
  EXPECT_EQ(Setting(114), 6);
  EXPECT_EQ(ShownAt(level), "+1 ");

  Type(Find(CL_Common_UTCOffset), QStringLiteral("-5:30"));
  EXPECT_EQ(Setting(234), 0xFE);
  EXPECT_EQ(Setting(235), 0xB6);
}

TEST_F(SetModePageWindowTest, AbBandPageTogglesABankLinkAndTypesAWeatherChannel) {
  OpenNode("[St_Common]GI_Sheet_AB_Band,251");
  EXPECT_GT(ExpectEveryCellBuilt(), 15);
  const CellPosition links = Find(CL_Common_BankLink_A_J, 1);
  PressAt(links, 'C', QStringLiteral("c"));
  EXPECT_EQ(Setting(1073), 0x04);
  EXPECT_EQ(ShownAt(links), "__C_______\n");
  Type(Find(CL_Common_Wx_Ch, 0), QStringLiteral("7"));
  EXPECT_EQ(Setting(1051), 7);
  EXPECT_EQ(Setting(1052), 0) << "band B keeps its channel";
}

}  // namespace
