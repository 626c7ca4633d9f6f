// The running window with its real cell behaviour: what a user types into the memory channel
// sheet lands in the document image, marks show what the radio would refuse, the title,
// menus and tree follow the document.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QTreeWidget>
#include <functional>
#include <optional>

#include "MainTestSupport.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "sheet/SheetCursor.h"
#include "support/IsolatedUserFolders.h"
#include "ui/InPlaceEditor.h"
#include "ui/cuiGrid.h"
#include "ui/cuiMenu.h"
#include "ui/cuiSheet.h"
#include "ui/cuiTree.h"

namespace {

constexpr int kDestination = 2;  // rejects 150 MHz
constexpr const char* kMemory0 = "[St_ColCut]GI_Sheet_MemoryCH,0,0";
constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";

template <typename Field>
std::string Text(const Field& field) {
  return std::string(field.begin(), field.end());
}

class LiveWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWithDestination(run_, kDestination);
    Main().OpenSheet(kMemory0);
  }
  void TearDown() override {
    run_->Messages().answers.push_back(kAnswerNo);  // leave the edited document unsaved
    run_.reset();
  }

  indMain& Main() { return run_->Controller(); }
  cuiSheet& Sheet() { return *Main().CurrentSheet(); }

  CellPosition Cell(unsigned cellId, int index) {
    const CellPosition cell = FindSelectableCell(Sheet().Layout().Cells(), CT_Conv, cellId, index);
    EXPECT_TRUE(cell.IsSet()) << CellIdName(cellId) << " " << index;
    return cell;
  }

  void Select(unsigned cellId, int index) {
    const CellPosition cell = Cell(cellId, index);
    Sheet().Grid().TrySelectCell(cell.column, cell.row);
  }

  static void Press(QWidget& target, int key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&target, &event);
  }

  // The first character opens the editor on the cell, the rest is typed into it, Enter commits.
  void Type(unsigned cellId, int index, const QString& text) {
    Select(cellId, index);
    for (const QChar c : text) {
      auto* editor = Sheet().Grid().viewport()->findChild<InPlaceEditor*>();
      const bool open = editor != nullptr && Sheet().EditorVisible();
      Press(open ? static_cast<QWidget&>(*editor) : static_cast<QWidget&>(Sheet().Grid()), c.toUpper().unicode(),
            QString(c));
    }
    ASSERT_TRUE(Sheet().EditorVisible()) << "typing opened the editor";
    Press(*Sheet().Grid().viewport()->findChild<InPlaceEditor*>(), Qt::Key_Return, QStringLiteral("\r"));
  }

  // The request as the sheet fills it for drawing, answered by the window's cell behaviour.
  cmcCellCapsule Ask(unsigned cellId, int index) {
    const CellPosition cell = Cell(cellId, index);
    cmcCellCapsule request;
    Sheet().PrepareRequest(cell.column, cell.row, request);
    Main().CellBehaviour()(request, kCellQuery);
    return request;
  }

  datCh Channel(int index) {
    datCh record(Main().Doc().CurrentImage());
    record.Load(RecordKind::kChannel, index);
    return record;
  }

  std::optional<ProgramRun> run_;
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
  int expected = Channel(4).duplex;                       // as the band template set it
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
    Press(Sheet().Grid(), step.key, QString(step.text));
    EXPECT_EQ(Channel(4).duplex, expected);
    EXPECT_EQ(Ask(CL_Mch_Dup, 4).outputText, entries[expected]);
  }
}

TEST_F(LiveWindowTest, TypingIntoAnEmptyRowStartsItAtTheFrequency) {
  Select(CL_Mch_Name, 7);
  Press(Sheet().Grid(), Qt::Key_4, QStringLiteral("4"));
  ASSERT_TRUE(PumpUntil([&] { return Sheet().EditorVisible(); }));
  EXPECT_EQ(Sheet().Grid().Col(), Cell(CL_Mch_Freq, 7).column) << "the cursor went to the key column";
}

TEST_F(LiveWindowTest, KeysTypedWhileTheCursorTravelsKeepTheirOrder) {
  Select(CL_Mch_Name, 8);
  const auto receiver = [&]() -> QWidget& {
    auto* editor = Sheet().Grid().viewport()->findChild<InPlaceEditor*>();
    return editor != nullptr && Sheet().EditorVisible() ? static_cast<QWidget&>(*editor) : Sheet().Grid();
  };
  for (const QChar c : QStringLiteral("145.5")) Press(receiver(), c.unicode(), QString(c));  // no pause
  ASSERT_TRUE(PumpUntil([&] { return Sheet().EditorVisible(); }));
  Press(receiver(), Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(Channel(8).frequency, 145500000u);
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
    entry.trigger();
    EXPECT_NE(entry.isChecked(), before);
    EXPECT_EQ(entry.isChecked(), toggle.setting != 0);
  }

  QAction& toneColumns = *menu.FindByCellId(CL_Menu_View_Tone_Cut);
  EXPECT_TRUE(toneColumns.isChecked());
  Sheet().setProperty("before", true);
  toneColumns.trigger();
  EXPECT_FALSE(toneColumns.isChecked());
  EXPECT_EQ(Main().DisplayStore().ColumnCutMask() & 1, 0) << "the tone group is hidden";
  EXPECT_FALSE(Sheet().property("before").isValid()) << "the sheet opened again";
}

}  // namespace
