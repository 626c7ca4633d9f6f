// The sheet widget driven like a user drives it: real tables, real grid, keys and clicks.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <algorithm>

#include "SheetTestSupport.h"
#include "support/FatalTrap.h"
#include "ui/InPlaceEditor.h"

namespace {

const std::string kMemory = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
constexpr int kFirstDataColumn = 3;  // an empty column and the channel number come first
constexpr int kFirstDataRow = 5;

InPlaceEditor& EditorOf(cuiSheet& sheet) {
  auto* editor = sheet.Grid().viewport()->findChild<InPlaceEditor*>();
  if (editor == nullptr) throw std::runtime_error("the sheet has no editor");
  return *editor;
}

QImage Band(const QImage& image, const QRect& area) { return image.copy(area); }

// --- Building -------------------------------------------------------------------------------

class SheetBuildTest : public SheetTest, public ::testing::WithParamInterface<TableLanguage> {};

TEST_P(SheetBuildTest, MemoryChannelSheetShowsItsHeadingsAndBoundCells) {
  SelectLanguage(GetParam());
  const auto sheet = Open(kMemory);
  cuiGrid& grid = sheet->Grid();
  EXPECT_EQ(grid.RowCount(), kFirstDataRow + 100);
  EXPECT_EQ(grid.ColCount(), sheet->Layout().ColumnCount());
  EXPECT_EQ(grid.ColCount(), 22);
  EXPECT_EQ(grid.FixedCols(), 3);
  EXPECT_EQ(grid.FixedRows(), 5);
  EXPECT_EQ(sheet->Layout().GetCell(kFirstDataColumn, kFirstDataRow + 42).cellId, CL_Mch_Freq);
  EXPECT_EQ(sheet->Layout().GetCell(kFirstDataColumn, kFirstDataRow + 42).index, 42);
  EXPECT_EQ(Cursor(*sheet), (CellPosition{kFirstDataColumn, kFirstDataRow}));
  EXPECT_FALSE(sheet->GetTitle().empty());

  behaviour.queried.clear();
  const QImage image = sheet->grab().toImage();
  const auto asked = [&](unsigned cellId, int32_t index) {
    return std::count(behaviour.queried.begin(), behaviour.queried.end(), std::make_pair(cellId, index)) > 0;
  };
  EXPECT_TRUE(asked(CL_Mch_Freq, 0));
  EXPECT_TRUE(asked(CL_Mch_Name, 3));
  EXPECT_FALSE(asked(CL_Mch_Freq, 99)) << "rows below the window are not drawn";
  // The heading band is drawn in the heading colours, not left blank.
  const QImage header = Band(image, QRect(0, 0, image.width(), grid.FixedHeight()));
  EXPECT_NE(header.pixelColor(grid.FixedWidth() + 5, grid.FixedHeight() - 3), image.pixelColor(1, image.height() - 30));
}

INSTANTIATE_TEST_SUITE_P(Languages, SheetBuildTest, ::testing::Values(TableLanguage::English, TableLanguage::Japanese));

TEST_F(SheetTest, ASheetWithoutCellBehaviourIsADefect) {
  EXPECT_EQ(FatalMessageOf([&] { Open(kMemory, false); }), "A sheet was built without its cell behaviour.");
}

TEST_F(SheetTest, FixedRowsAndColumnsStayWhileTheRestScrolls) {
  const auto sheet = Open(kMemory);
  cuiGrid& grid = sheet->Grid();
  const QRect headerCell = grid.CellRect(kFirstDataColumn, 3);
  const QRect numberCell = grid.CellRect(1, kFirstDataRow);
  const QImage before = grid.viewport()->grab().toImage();

  grid.SetTopLeft(grid.LeftCol(), grid.TopRow() + 30);
  const QImage down = grid.viewport()->grab().toImage();
  EXPECT_EQ(grid.TopRow(), kFirstDataRow + 30);
  EXPECT_EQ(grid.CellRect(kFirstDataColumn, 3), headerCell);
  EXPECT_EQ(grid.CellRect(1, kFirstDataRow + 30), numberCell);
  EXPECT_TRUE(grid.CellRect(1, kFirstDataRow).isEmpty()) << "scrolled out";
  const QRect headings(0, 0, down.width(), grid.FixedHeight());
  EXPECT_EQ(Band(down, headings), Band(before, headings));
  const QRect body(0, grid.FixedHeight(), down.width(), down.height() - grid.FixedHeight());
  EXPECT_NE(Band(down, body), Band(before, body));

  grid.SetTopLeft(grid.LeftCol() + 4, grid.TopRow());
  const QImage right = grid.viewport()->grab().toImage();
  const QRect numbers(0, grid.FixedHeight(), grid.FixedWidth(), right.height() - grid.FixedHeight());
  EXPECT_EQ(Band(right, numbers), Band(down, numbers));
  EXPECT_NE(Band(right, headings), Band(down, headings));
}

// --- Cursor and selection -------------------------------------------------------------------

TEST_F(SheetTest, KeysMoveOverSelectableCellsOnly) {
  const auto sheet = Open(kMemory);
  struct Step {
    int key;
    CellPosition expected;
  };
  const Step steps[] = {
      {Qt::Key_Right, {kFirstDataColumn + 1, kFirstDataRow}},
      {Qt::Key_Down, {kFirstDataColumn + 1, kFirstDataRow + 1}},
      {Qt::Key_PageDown, {kFirstDataColumn + 1, kFirstDataRow + 11}},
      {Qt::Key_Left, {kFirstDataColumn, kFirstDataRow + 11}},
      {Qt::Key_PageUp, {kFirstDataColumn, kFirstDataRow + 1}},
      {Qt::Key_Up, {kFirstDataColumn, kFirstDataRow}},
      {Qt::Key_Up, {kFirstDataColumn, kFirstDataRow}},  // the headings are no place for the cursor
      {Qt::Key_Home, {kFirstDataColumn, kFirstDataRow}},
  };
  for (const Step& step : steps) {
    Key(*sheet, step.key);
    EXPECT_EQ(Cursor(*sheet), step.expected) << "after key " << std::hex << step.key;
  }
  EXPECT_TRUE(behaviour.actions.empty());

  // The number and the empty column left of the data cannot take the cursor: Left at the
  // first data column tells the cell instead.
  Key(*sheet, Qt::Key_Left);
  EXPECT_EQ(Cursor(*sheet), (CellPosition{kFirstDataColumn, kFirstDataRow}));
  ASSERT_EQ(behaviour.actions.size(), 1u);
  EXPECT_EQ(behaviour.actions[0].key, kKeyLeftAtEdge);
  EXPECT_EQ(behaviour.actions[0].cellId, CL_Mch_Freq);
}

TEST_F(SheetTest, RightAtTheLastColumnTellsTheCell) {
  const auto sheet = Open(kMemory);
  for (int i = 0; i < sheet->Layout().ColumnCount(); ++i) Key(*sheet, Qt::Key_Right);
  EXPECT_EQ(Cursor(*sheet).column, sheet->Layout().ColumnCount() - 1);
  ASSERT_FALSE(behaviour.actions.empty());
  EXPECT_EQ(behaviour.actions.back().key, kKeyRightAtEdge);
}

TEST_F(SheetTest, ShiftExtendsASelectionOfWholeLines) {
  const auto sheet = Open(kMemory);
  Key(*sheet, Qt::Key_Right);
  Key(*sheet, Qt::Key_Down, Qt::ShiftModifier);
  Key(*sheet, Qt::Key_Down, Qt::ShiftModifier);
  const auto highlighted = [&](int column, int row) {
    return sheet->Layout().Cells().Entry(column, row).Has(clsSheetCellId::kLineHighlighted);
  };
  for (int row = kFirstDataRow; row <= kFirstDataRow + 2; ++row) {
    for (int column = kFirstDataColumn; column < sheet->Layout().ColumnCount(); ++column) {
      EXPECT_TRUE(highlighted(column, row)) << column << "," << row;
    }
    EXPECT_FALSE(highlighted(1, row)) << "fixed columns stay unmarked";
  }
  EXPECT_FALSE(highlighted(kFirstDataColumn, kFirstDataRow + 3));

  // The action on the current cell learns the selected index range.
  cmcCellCapsule request;
  sheet->PrepareRequest(Cursor(*sheet).column, Cursor(*sheet).row, request);
  EXPECT_TRUE(request.rangeFlags & kRangeLinesSelected);
  EXPECT_EQ(request.rangeLow, 0);
  EXPECT_EQ(request.rangeHigh, 2);

  Key(*sheet, Qt::Key_Down);
  EXPECT_FALSE(highlighted(kFirstDataColumn, kFirstDataRow));
  EXPECT_FALSE(highlighted(kFirstDataColumn + 1, kFirstDataRow + 3));
}

// --- In-place editor ------------------------------------------------------------------------

TEST_F(SheetTest, EnterOpensTheEditorOnTheCellAndEnterCommitsOnce) {
  const auto sheet = Open(kMemory);
  Key(*sheet, Qt::Key_Down);
  Key(*sheet, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  ASSERT_TRUE(sheet->EditorVisible());
  InPlaceEditor& editor = EditorOf(*sheet);
  EXPECT_EQ(editor.Text(), QStringLiteral("145.000000"));
  EXPECT_EQ(editor.textCursor().selectedText(), QStringLiteral("145"));
  const QRect cell = sheet->Grid().CellRect(kFirstDataColumn, kFirstDataRow + 1);
  EXPECT_TRUE(cell.contains(editor.geometry().center()));
  EXPECT_LE(editor.geometry().height(), cell.height());

  desktop::Key(Qt::Key_A, Qt::ControlModifier);
  desktop::Type(QStringLiteral("433.500000"));
  desktop::Enter();
  EXPECT_FALSE(sheet->EditorVisible());
  EXPECT_EQ(behaviour.commits, (std::vector<std::string>{"433.500000"}));
  desktop::Click(*sheet->Grid().viewport(), sheet->Grid().CellRect(kFirstDataColumn, kFirstDataRow + 4).center());
  EXPECT_EQ(behaviour.commits.size(), 1u) << "a closed editor commits nothing more";
}

// Capitals come with Shift pressed first, symbols with Shift or AltGr, accents with a dead key:
// none of those keys may end the edit that the keys before them opened.
TEST_F(SheetTest, EveryTypedKeyReachesTheOneEditTheFirstOpened) {
  const auto sheet = Open(kMemory);
  ASSERT_TRUE(desktop::Activate(*sheet));
  desktop::Type(QStringLiteral("HeLLo: A+B"));
  desktop::Key(Qt::Key_AltGr);
  desktop::Key(Qt::Key_Dead_Acute);
  desktop::Key(Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
  ASSERT_TRUE(sheet->EditorVisible());
  desktop::Enter();
  EXPECT_EQ(behaviour.commits, (std::vector<std::string>{"HeLLo: A+Be"}));
  EXPECT_EQ(behaviour.actions.size(), 1u) << "one key opened the editor, the rest went into it";
}

TEST_F(SheetTest, ATypedCharacterOpensTheEditorWithIt) {
  const auto sheet = Open(kMemory);
  Key(*sheet, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  ASSERT_EQ(behaviour.actions.size(), 1u);
  EXPECT_EQ(behaviour.actions[0].key, 'a');
  ASSERT_TRUE(sheet->EditorVisible());
  EXPECT_EQ(EditorOf(*sheet).Text(), QStringLiteral("a"));
  EXPECT_EQ(EditorOf(*sheet).textCursor().position(), 1);
}

TEST_F(SheetTest, EscapeClosesTheEditorWithoutCommitting) {
  const auto sheet = Open(kMemory);
  Key(*sheet, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  desktop::Type(QStringLiteral("1"));
  desktop::Escape();
  EXPECT_FALSE(sheet->EditorVisible());
  EXPECT_TRUE(behaviour.commits.empty());
}

// A click elsewhere commits; a commit that shows a window of its own (a message box) takes
// the focus once more, which commits nothing further.
TEST_F(SheetTest, AClickElsewhereCommitsOnceEvenWhenTheCommitMovesTheFocus) {
  const auto sheet = Open(kMemory);
  Key(*sheet, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  desktop::Key(Qt::Key_A, Qt::ControlModifier);
  desktop::Type(QStringLiteral("50.000000"));
  QWidget message;
  behaviour.onCommit = [&message] {
    message.show();
    EXPECT_TRUE(desktop::Activate(message));
  };
  desktop::Click(*sheet->Grid().viewport(), sheet->Grid().CellRect(kFirstDataColumn, kFirstDataRow + 3).center());
  EXPECT_FALSE(sheet->EditorVisible());
  EXPECT_EQ(behaviour.commits, (std::vector<std::string>{"50.000000"}));
}

// The pointer that wanders off the window (focus follows the mouse) or another program's
// window in front: the text typed so far stays open and the typing goes on when the window
// is back.
TEST_F(SheetTest, AnEditOutlivesTheWindowLosingTheFocus) {
  const auto sheet = Open(kMemory);
  ASSERT_TRUE(desktop::Activate(*sheet));
  desktop::Type(QStringLiteral("AB"));
  QWidget other;
  other.show();
  ASSERT_TRUE(desktop::Activate(other));
  EXPECT_TRUE(sheet->EditorVisible());
  EXPECT_TRUE(behaviour.commits.empty());
  ASSERT_TRUE(desktop::Activate(*sheet));
  desktop::Type(QStringLiteral("CD"));
  desktop::Enter();
  EXPECT_EQ(behaviour.commits, (std::vector<std::string>{"ABCD"}));
}

TEST_F(SheetTest, UpInTheEditorCommitsAndMovesUp) {
  const auto sheet = Open(kMemory);
  Key(*sheet, Qt::Key_Down);
  Key(*sheet, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  desktop::Key(Qt::Key_Up);
  EXPECT_EQ(behaviour.commits.size(), 1u);
  EXPECT_EQ(Cursor(*sheet), (CellPosition{kFirstDataColumn, kFirstDataRow}));
}

// --- Column widths --------------------------------------------------------------------------

// Drags the right edge of column in the heading row by dx pixels.
void DragColumnEdge(cuiSheet& sheet, int column, int dx) {
  const QRect rect = sheet.Grid().CellRect(column, 3);
  const QPoint from(rect.right() + 1, rect.center().y());
  desktop::Drag(*sheet.Grid().viewport(), from, from + QPoint(dx, 0));
}

TEST_F(SheetTest, DraggedColumnWidthsPersistPerSheet) {
  const int column = kFirstDataColumn + 5;  // the name
  int dragged = 0;
  {
    const auto sheet = Open(kMemory);
    const int measured = sheet->Grid().ColWidth(column);
    DragColumnEdge(*sheet, column, 40);
    dragged = sheet->Grid().ColWidth(column);
    EXPECT_EQ(dragged, measured + 40);
  }
  EXPECT_EQ(settings.user.ReadInteger(settings.WidthKey("memory"), std::to_string(column)), dragged);
  EXPECT_EQ(Open(kMemory)->Grid().ColWidth(column), dragged);
  EXPECT_EQ(Open("GI_Sheet_ScanEdge")->Grid().ColWidth(column), dragged) << "scan edges share the widths";
  EXPECT_NE(Open("[St_ColCut]GI_Sheet_BankCH,21")->Grid().ColWidth(column), dragged);
}

TEST_F(SheetTest, AColumnDraggedTooWideSnapsBack) {
  const auto sheet = Open(kMemory);
  sheet->resize(2000, 600);
  QApplication::processEvents();
  DragColumnEdge(*sheet, kFirstDataColumn, 900);
  EXPECT_EQ(sheet->Grid().ColWidth(kFirstDataColumn), kMaximumColumnWidth);
  DragColumnEdge(*sheet, kFirstDataColumn, -900);
  EXPECT_EQ(sheet->Grid().ColWidth(kFirstDataColumn), kMinimumColumnWidth);
}

TEST_F(SheetTest, ResetWidthsForgetsTheStoredOnes) {
  const int column = kFirstDataColumn + 5;
  int measured = 0;
  {
    const auto sheet = Open(kMemory);
    measured = sheet->Grid().ColWidth(column);
    DragColumnEdge(*sheet, column, 30);
  }
  auto sheet = std::make_unique<cuiSheet>(nullptr, ApplicationTexts(), &display, events);
  sheet->Layout().SetName(kMemory);
  sheet->SetCallback(behaviour.Callback());
  sheet->RequestWidthReset();
  sheet->Build();
  EXPECT_EQ(sheet->Grid().ColWidth(column), measured);
}

TEST_F(SheetTest, SavedPositionComesBack) {
  SheetPosition position;
  {
    const auto sheet = Open(kMemory);
    for (int i = 0; i < 3; ++i) Key(*sheet, Qt::Key_PageDown);
    Key(*sheet, Qt::Key_Right);
    position = sheet->GetPosition();
  }
  EXPECT_EQ(position.row, kFirstDataRow + 30);
  auto sheet = std::make_unique<cuiSheet>(nullptr, ApplicationTexts(), &display, events);
  sheet->Layout().SetName(kMemory);
  sheet->SetCallback(behaviour.Callback());
  sheet->SetSavedPosition(position);
  sheet->resize(1000, 600);
  sheet->Build();
  EXPECT_EQ(sheet->GetPosition(), position);
}

}  // namespace
