// The running window with its real cell behaviour: what a user types into the memory channel
// sheet lands in the document image, marks show what the radio would refuse, the title,
// menus and tree follow the document.
#include <gtest/gtest.h>

#include <QAction>
#include <QTreeWidget>
#include <functional>

#include "PageWindowFixture.h"
#include "ui/cuiMenu.h"

namespace {

constexpr int kDestination = 2;  // rejects 150 MHz
constexpr const char* kMemory0 = "[St_ColCut]GI_Sheet_MemoryCH,0,0";
constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";

template <typename Field>
std::string Text(const Field& field) {
  return std::string(field.begin(), field.end());
}

class LiveWindowTest : public PageWindowTest {
 protected:
  LiveWindowTest() : PageWindowTest(kDestination) {}
  void SetUp() override {
    PageWindowTest::SetUp();
    OpenNode(kMemory0);
  }

  CellPosition Cell(unsigned cellId, int index) {
    const CellPosition cell = FindSelectableCell(Sheet().Layout().Cells(), CT_Conv, cellId, index);
    EXPECT_TRUE(cell.IsSet()) << CellIdName(cellId) << " " << index;
    return cell;
  }

  void Select(unsigned cellId, int index) {
    ActivateWindow();
    ClickCell(Cell(cellId, index));
  }

  void Type(unsigned cellId, int index, const QString& text) { PageWindowTest::Type(Cell(cellId, index), text); }

  // The request as the sheet fills it for drawing, answered by the window's cell behaviour.
  cmcCellCapsule Ask(unsigned cellId, int index) {
    const CellPosition cell = Cell(cellId, index);
    cmcCellCapsule request;
    Sheet().PrepareRequest(cell.column, cell.row, request);
    Main().CellBehaviour()(request, kCellQuery);
    return request;
  }
};

struct TypedCase {
  const char* what;
  unsigned cellId;
  const char* typed;
  const char* shown;
  std::function<bool(const datCh&)> stored;
};

TEST_F(LiveWindowTest, TypedValuesLandInTheImageAndShowAsStored) {
  const TypedCase cases[] = {
      {"frequency", CL_Mch_Freq, "145.5", "145.500000", [](const datCh& r) { return r.frequency == 145500000; }},
      {"offset", CL_Mch_Offset_Freq, "0.6", " 0.600000", [](const datCh& r) { return r.offset == 600000; }},
      {"tone, nearest entry", CL_Mch_TONE_Freq, "100", "100.0", [](const datCh& r) { return r.repeaterTone == 12; }},
      {"name, cut to 16", CL_Mch_Name, "Hello repeater 12345", "Hello repeater 1",
       [](const datCh& r) { return Text(r.name) == "Hello repeater 1"; }},
      {"your call sign", CL_Mch_DYou_Callsign, "cqcqcq", "CQCQCQ",
       [](const datCh& r) { return Text(r.yourCall) == "CQCQCQ  "; }},
      {"repeater 1", CL_Mch_DRpt1_Callsign, "JR1VB A", "JR1VB  A",
       [](const datCh& r) { return Text(r.rpt1) == "JR1VB  A"; }},
  };
  for (const TypedCase& c : cases) {
    SCOPED_TRACE(c.what);
    Type(c.cellId, 0, QString::fromLatin1(c.typed));
    EXPECT_TRUE(c.stored(Channel(0)));
    EXPECT_EQ(Ask(c.cellId, 0).outputText, c.shown);
  }
  EXPECT_TRUE(Channel(0).IsUsed());
}

TEST_F(LiveWindowTest, SpaceAndBackspaceStepThroughTheDuplexListWrapping) {
  Type(CL_Mch_Freq, 4, QStringLiteral("433"));
  Select(CL_Mch_Dup, 4);
  const char* const entries[] = {"", "-DUP", "+DUP"};  // the list in its order; OFF shows nothing in the cell
  int expected = Channel(4).duplex;                    // as the band template set it
  const struct {
    int key;
    QChar text;
    int move;
  } steps[] = {{Qt::Key_Space, u' ', 1},
               {Qt::Key_Space, u' ', 1},
               {Qt::Key_Space, u' ', 1},
               {Qt::Key_Backspace, u'\b', -1},
               {Qt::Key_Backspace, u'\b', -1}};
  for (const auto& step : steps) {
    expected = (expected + step.move + 3) % 3;
    desktop::Key(step.key, Qt::NoModifier, QString(step.text));
    EXPECT_EQ(Channel(4).duplex, expected);
    EXPECT_EQ(Ask(CL_Mch_Dup, 4).outputText, entries[expected]);
  }
}

TEST_F(LiveWindowTest, TypingIntoAnEmptyRowStartsItAtTheFrequency) {
  Select(CL_Mch_Name, 7);
  desktop::Key(Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
  ASSERT_TRUE(PumpUntil([&] { return Sheet().EditorVisible(); }));
  EXPECT_EQ(Sheet().Grid().Col(), Cell(CL_Mch_Freq, 7).column) << "the cursor went to the key column";
}

TEST_F(LiveWindowTest, KeysTypedWhileTheCursorTravelsKeepTheirOrder) {
  Select(CL_Mch_Name, 8);
  desktop::Type(QStringLiteral("145.5"));  // no pause
  ASSERT_TRUE(PumpUntil([&] { return Sheet().EditorVisible(); }));
  desktop::Enter();
  EXPECT_EQ(Channel(8).frequency, 145500000u);
}

// The tree waits a moment before it opens a chosen page; Tab does not wait.
TEST_F(LiveWindowTest, TabRightAfterChoosingANodeTypesIntoThePageChosen) {
  const datCh firstPage = Channel(0);
  cuiTree& tree = *Main().Tree();
  QTreeWidgetItem* node = tree.FindBySheetName(kMemory100);
  tree.Widget().scrollToItem(node);
  desktop::Click(*tree.Widget().viewport(), tree.Widget().visualItemRect(node).center());
  desktop::Key(Qt::Key_Tab);
  ASSERT_EQ(Sheet().Layout().GetName(), kMemory100);
  ASSERT_TRUE(Sheet().Grid().hasFocus());
  desktop::Type(QStringLiteral("145.5"));
  desktop::Enter();
  EXPECT_EQ(Channel(100).frequency, 145500000u);
  EXPECT_EQ(Channel(0).frequency, firstPage.frequency) << "the page left behind took no key";
}

TEST_F(LiveWindowTest, MarksShowWhatTheRadioWouldRefuse) {
  Type(CL_Mch_Freq, 1, QStringLiteral("150"));  // inhibited for this destination
  const cmcCellCapsule rejected = Ask(CL_Mch_Freq, 1);
  EXPECT_TRUE(rejected.HasFlag(kRequestWarningMark));
  EXPECT_FALSE(rejected.HasFlag(kRequestErrorMark));

  datCh loaded = Channel(2);  // as a file may bring it: below every channel band
  loaded.SetUsed(true);
  loaded.frequency = 100000000;
  loaded.Commit();
  const cmcCellCapsule outOfRange = Ask(CL_Mch_Freq, 2);
  EXPECT_TRUE(outOfRange.HasFlag(kRequestErrorMark));
  EXPECT_EQ(outOfRange.outputText, "");

  Type(CL_Mch_Freq, 1, QStringLiteral("430"));
  EXPECT_FALSE(Ask(CL_Mch_Freq, 1).HasFlag(kRequestWarningMark)) << "an allowed value clears the mark";
}

TEST_F(LiveWindowTest, FieldsThatDoNotApplyAreGreyed) {
  Type(CL_Mch_Freq, 3, QStringLiteral("145"));
  EXPECT_EQ(Ask(CL_Mch_Offset_Freq, 3).fontColor, kClSilver) << "simplex has no offset";
  EXPECT_EQ(Ask(CL_Mch_Freq, 3).fontColor, kClNone);
}

TEST_F(LiveWindowTest, AnEditMarksTheDocumentModifiedAndTheTreeAfterTheCheck) {
  EXPECT_FALSE(Main().Doc().IsModified());
  Type(CL_Mch_Freq, 0, QStringLiteral("150"));
  EXPECT_TRUE(Main().Doc().IsModified());

  QTreeWidgetItem* node = Main().Tree()->FindBySheetName(kMemory0);
  ASSERT_NE(node, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return Main().Tree()->OverlayOf(node) == TreeOverlay::Warning; }))
      << "the deferred check marks the sheet's node";

  datCh loaded = Channel(100);
  loaded.SetUsed(true);
  loaded.frequency = 500000000;
  loaded.Commit();
  int errors = 0;
  int warnings = 0;
  Main().RunWarningCheck(errors, warnings);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(warnings, 1);
  EXPECT_EQ(Main().Tree()->OverlayOf(Main().Tree()->FindBySheetName(kMemory100)), TreeOverlay::Error);
}

TEST_F(LiveWindowTest, MenuEntriesTakeTheirStatesFromTheCellBehaviour) {
  cuiMenu& menu = *Main().Menu();
  EnvironSettings& settings = run_->Process().Environ().settings;
  const struct {
    unsigned cellId;
    const std::int32_t& setting;
  } toggles[] = {{CL_Menu_CallSign_AutoCorrect, settings.autoCorrect},
                 {CL_Menu_CallSign_RptDialog, settings.repeaterDialog}};
  for (const auto& toggle : toggles) {
    SCOPED_TRACE(CellIdName(toggle.cellId));
    QAction& entry = *menu.FindByCellId(toggle.cellId);
    const bool before = entry.isChecked();
    EXPECT_EQ(before, toggle.setting != 0);
    ChooseMenuEntry(Main(), toggle.cellId);
    EXPECT_NE(entry.isChecked(), before);
    EXPECT_EQ(entry.isChecked(), toggle.setting != 0);
  }

  QAction& toneColumns = *menu.FindByCellId(CL_Menu_View_Tone_Cut);
  EXPECT_TRUE(toneColumns.isChecked());
  Sheet().setProperty("before", true);
  ChooseMenuEntry(Main(), CL_Menu_View_Tone_Cut);
  EXPECT_FALSE(toneColumns.isChecked());
  EXPECT_EQ(Main().DisplayStore().ColumnCutMask() & 1, 0) << "the tone group is hidden";
  EXPECT_FALSE(Sheet().property("before").isValid()) << "the sheet opened again";
}

}  // namespace
