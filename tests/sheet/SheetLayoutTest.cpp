// Laying sheets out from small definitions: names, style, rows and loops, the cell table,
// sizes and the basic cell's font.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SheetFixture.h"
#include "sheet/layout/SheetName.h"
#include "support/FatalTrap.h"
#include "text/CellIds.h"

namespace {

const std::string kKey = "GI_Sheet_T";

// A sheet over literal lines; the layout is made on demand so a test can set it up first.
class FixtureSheet {
 public:
  FixtureSheet(const std::string& style, const std::vector<std::string>& cells, const std::string& basic = "{S}")
      : texts_(SheetDefinition(kKey, style, basic, cells)) {}

  SheetLayout& Layout() {
    if (!layout_) {
      layout_ = std::make_unique<SheetLayout>(texts_.Environment());
      layout_->SetName(kKey);
    }
    return *layout_;
  }
  SheetLayout& Built() {
    Layout().Build();
    return Layout();
  }

 private:
  FixtureTexts texts_;
  std::unique_ptr<SheetLayout> layout_;
};

// The index of every cell of column in row order.
std::vector<int32_t> ColumnIndices(const SheetLayout& sheet, int column) {
  std::vector<int32_t> indices;
  for (int row = 0; row < sheet.RowCount(); ++row) indices.push_back(sheet.GetCell(column, row).index);
  return indices;
}

TEST(SheetNameTest, SplitsTypeKeyAndArguments) {
  struct Case {
    const char* name;
    const char* type;
    const char* key;
    const char* arguments;
    int number;
  };
  const Case cases[] = {
      {"[St_ColCut]GI_Sheet_MemoryCH,1,100", "St_ColCut", "GI_Sheet_MemoryCH", "1,100", 1},
      {"GI_Sheet_TopPage", "", "GI_Sheet_TopPage", "", -1},
      {"[St_ChGps]GI_Sheet_GPS_BankCH,221,GpsMemory  0", "St_ChGps", "GI_Sheet_GPS_BankCH", "221,GpsMemory  0", 221},
      {"[St_UrList]GI_Sheet_You_Callsign,,UrCH", "St_UrList", "GI_Sheet_You_Callsign", ",UrCH", 0},
      {"GI_Sheet_Common,2", "", "GI_Sheet_Common", "2", 2},
      {"[St_Common GI_Sheet_X,1", "", "[St_Common GI_Sheet_X", "1", 1},  // no closing bracket: no tag
      {"GI_Sheet_Y,[a]b", "", "GI_Sheet_Y", "[a]b", 0},                  // brackets after the comma are arguments
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SheetName name = SplitSheetName(c.name);
    EXPECT_EQ(name.type, c.type);
    EXPECT_EQ(name.key, c.key);
    EXPECT_EQ(name.arguments, c.arguments);
    EXPECT_EQ(ArgumentNumber(name.arguments), c.number);
  }
}

TEST(SheetLayoutTest, SetNameKeepsTheFullNameAndTheArgumentNumber) {
  FixtureSheet sheet("", {"A"});
  sheet.Layout().SetName("[St_ColCut]" + kKey + ",4,400");
  EXPECT_EQ(sheet.Layout().GetName(), "[St_ColCut]" + kKey + ",4,400");
  EXPECT_EQ(sheet.Layout().TypeTag(), "St_ColCut");
  EXPECT_EQ(sheet.Layout().Key(), kKey);
  EXPECT_EQ(sheet.Layout().GetArgument(), "4,400");
  EXPECT_EQ(sheet.Layout().ArgumentNumber(), 4);
}

TEST(SheetLayoutTest, StyleItemsSetTheStyle) {
  FixtureSheet sheet(
      "(TitleString= Memory CH)(TitleColor=clNavy)(TitleFont=DEFAULT_CHARSET,,clYellow,16,,fsBold,)"
      "(FixedCols=3)(FixedRows=2)(PrintFontRatio=80)(MultiSelect=Line)(ColSizing)(ColorSelectLine)"
      "(ColCutMenu)(NoPrint)(Unknown=1) ignored text",
      {"A|B|C|D", "A", "A"});
  const SheetStyle& style = sheet.Built().Style();
  EXPECT_EQ(style.titleString, " Memory CH");
  EXPECT_EQ(style.titleColor, 0x00800000u);
  ASSERT_TRUE(style.titleFont.has_value());
  EXPECT_EQ(style.titleFont->height, 16);
  EXPECT_EQ(style.titleFont->color, 0x0000FFFFu);
  EXPECT_EQ(style.titleFont->style, fsBold);
  EXPECT_EQ(style.fixedColumns, 3);
  EXPECT_EQ(style.fixedRows, 2);
  EXPECT_EQ(style.printFontRatio, 80);
  EXPECT_EQ(style.multiSelect, MultiSelectMode::Line);
  EXPECT_TRUE(style.columnSizing);
  EXPECT_TRUE(style.colorSelectLine);
  EXPECT_TRUE(style.columnCutMenu);
  EXPECT_TRUE(style.noPrint);
}

TEST(SheetLayoutTest, StyleDefaultsAndValuesThatChangeNothing) {
  struct Case {
    const char* style;
    MultiSelectMode multiSelect;
    const char* title;
    uint32_t titleColor;
  };
  const Case cases[] = {
      {"", MultiSelectMode::None, "", kClGrayText},
      {"(MultiSelect=Cell)(TitleString=)(TitleColor=clNoSuchColour)", MultiSelectMode::Cell, "", kClGrayText},
      {"(MultiSelect=Lines)(TitleString=x)", MultiSelectMode::None, "x", kClGrayText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    FixtureSheet sheet(c.style, {"A"});
    const SheetStyle& style = sheet.Built().Style();
    EXPECT_EQ(style.multiSelect, c.multiSelect);
    EXPECT_EQ(style.titleString, c.title);
    EXPECT_EQ(style.titleColor, c.titleColor);
    EXPECT_EQ(style.printFontRatio, 100);
    EXPECT_FALSE(style.noPrint);
  }
}

TEST(SheetLayoutTest, DefinitionsWithoutRowsOrColumnsAreFatal) {
  const std::vector<std::vector<std::string>> definitions = {
      {":(LoopFrom 3)", ":(LoopTo)", ":(SelectOFF)"},  // directives only: no rows
      {"", "", ""},                                    // rows without cells: no columns
      {},
  };
  for (const auto& cells : definitions) {
    FixtureSheet sheet("", cells);
    EXPECT_EQ(FatalMessageOf([&] { sheet.Built(); }), "Illegal Cell assign");
  }
}

TEST(SheetLayoutTest, RowsColumnsAndFixedArea) {
  struct Case {
    const char* style;
    std::vector<std::string> cells;
    int columns, rows, fixedColumns, fixedRows;
  };
  const Case cases[] = {
      {"(FixedRows=9)(FixedCols=1)", {"A", "A|B", "", "|A|B\\|C", "A"}, 3, 5, 1, 4},
      {"(FixedRows=1)(FixedCols=5)", {"A|B|C", "A"}, 3, 2, 2, 1},
      {"", {"A|B|"}, 2, 1, 0, 0},  // a separator at the end opens no cell
      {"(FixedRows=2)", {"", "|", "A"}, 1, 3, 0, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cells.front());
    FixtureSheet sheet(c.style, c.cells);
    const SheetLayout& layout = sheet.Built();
    EXPECT_EQ(layout.ColumnCount(), c.columns);
    EXPECT_EQ(layout.RowCount(), c.rows);
    EXPECT_EQ(layout.FixedColumnCount(), c.fixedColumns);
    EXPECT_EQ(layout.FixedRowCount(), c.fixedRows);
    EXPECT_EQ(layout.Cells().Columns(), c.columns);
    EXPECT_EQ(layout.Cells().Rows(), c.rows);
  }
}

TEST(SheetLayoutTest, CellsOutsideTheTableAreFatal) {
  FixtureSheet sheet("", {"A|B", "C"});
  SheetLayout& layout = sheet.Built();
  EXPECT_EQ(layout.GetCell(1, 1).caption, "");  // a cell the row does not define is fresh
  EXPECT_EQ(layout.GetCell(1, 1).cellId, kCellIdNone);
  for (const auto& [column, row] : std::vector<std::pair<int, int>>{{2, 0}, {0, 2}, {-1, 0}, {0, -1}}) {
    EXPECT_EQ(FatalMessageOf([&layout, c = column, r = row] { layout.GetCell(c, r); }), "Illegal Cell selection")
        << column << "," << row;
  }
}

struct LoopCase {
  const char* name;
  std::vector<std::string> cells;
  std::vector<int32_t> indices;  // of column 0, row by row
};

TEST(SheetLayoutTest, LoopsRepeatTheirBody) {
  const std::string row = "{(%CL_Mch_Freq[@ch0])}F";
  const LoopCase cases[] = {
      {"count 3, one-row body", {"{(@ch0=5)}H", ":(LoopFrom 3)", row, ":(LoopTo)"}, {0, 5, 6, 7}},
      {"count 1", {"{(@ch0=5)}H", ":(LoopFrom 1)", row, ":(LoopTo)"}, {0, 5}},
      {"count 0 behaves as 1", {"{(@ch0=5)}H", ":(LoopFrom 0)", row, ":(LoopTo)"}, {0, 5}},
      {"no count: the body once", {"{(@ch0=5)}H", ":(LoopFrom)", row, ":(LoopTo)"}, {0, 5}},
      {"no end: the body once", {"{(@ch0=5)}H", ":(LoopFrom 4)", row}, {0, 5}},
      {"rows after the loop", {":(LoopFrom 2)", row, ":(LoopTo)", row}, {0, 1, 0}},
      {"both items on one line", {":(LoopFrom 3)", row, ":(SelectON)(LoopTo)"}, {0, 1, 2}},
      {"two-row body, incremented in its last cell",
       {"{(@ch0=0)}H", ":(LoopFrom 3)", row, "{(%CL_Mch_Name[@ch0])(@ch0++)}N", ":(LoopTo)"},
       {0, 0, 0, 1, 1, 2, 2}},
  };
  for (const LoopCase& c : cases) {
    SCOPED_TRACE(c.name);
    FixtureSheet sheet("", c.cells);
    const SheetLayout& layout = sheet.Built();
    EXPECT_EQ(ColumnIndices(layout, 0), c.indices);
  }
}

TEST(SheetLayoutTest, OneRowBodyRepeatsAreCopiesOfTheRowAbove) {
  FixtureSheet sheet("", {"{(@ch0=10)}Head|x", ":(LoopFrom 3)",
                          "{S(%CL_Mch_Freq[@ch0])}999.99|{W(%CT_Conv.CL_Mch_Name[@ch0])}NAME", ":(LoopTo)"});
  const SheetLayout& layout = sheet.Built();
  ASSERT_EQ(layout.RowCount(), 4);
  for (int row = 1; row < 4; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(layout.RowAttributes().Line(row), 2);
    EXPECT_EQ(layout.GetCell(0, row).cellId, CL_Mch_Freq);
    EXPECT_EQ(layout.GetCell(0, row).index, 10 + row - 1);
    EXPECT_EQ(layout.GetCell(1, row).cellId, CL_Mch_Name);
    EXPECT_EQ(layout.GetCell(1, row).category, CT_Conv);
    EXPECT_EQ(layout.GetCell(1, row).index, 10 + row - 1);
    EXPECT_EQ(layout.GetCell(1, row).caption, "NAME");
    EXPECT_EQ(layout.GetCell(0, row).parent, &layout.BasicCell());
    EXPECT_EQ(layout.RowHeight(row), layout.RowHeight(1));
  }
  // The sheet's variable moved only as far as the one parsed row took it.
  EXPECT_EQ(layout.Variables()[0], 10);
}

TEST(SheetLayoutTest, RowAttributesKeepTheLineAndTheSelectState) {
  FixtureSheet sheet("(MultiSelect=Line)",
                     {"{S}H", ":(LoopFrom 2)", "{S}A", ":(LoopTo)", ":(SelectOFF)", "{S}B", ":(SelectON)", "{S}C"});
  const SheetLayout& layout = sheet.Built();
  ASSERT_EQ(layout.RowCount(), 5);
  const int lines[] = {0, 2, 2, 5, 7};
  const bool region[] = {true, true, true, false, true};
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(layout.RowAttributes().Line(row), lines[row]);
    EXPECT_EQ(layout.RowAttributes().SelectRegion(row), region[row]);
    EXPECT_EQ(layout.Cells().InSelectRegion({0, row}), region[row]);
  }
}

TEST(SheetLayoutTest, OnlyMultiSelectSheetsHaveASelectRegion) {
  FixtureSheet sheet("(MultiSelect=)", {"{S}A", "{S}B"});
  const SheetLayout& layout = sheet.Built();
  EXPECT_FALSE(layout.Cells().InSelectRegion({0, 0}));
  EXPECT_FALSE(layout.Cells().InSelectRegion({0, 1}));
}

TEST(SheetLayoutTest, RowAttributeTableGrowsByHalfPlusOne) {
  clsSheeRowAtr rows;
  rows.Set(0, 4, false);
  EXPECT_EQ(rows.Capacity(), 1);
  rows.Set(1, 5, true);
  EXPECT_EQ(rows.Capacity(), 2);
  rows.Set(6, 6, true);
  EXPECT_EQ(rows.Capacity(), 7);  // 2 -> 4 -> 7
  EXPECT_EQ(rows.Line(3), 0);     // new entries: line 0, in the region
  EXPECT_TRUE(rows.SelectRegion(3));
  EXPECT_EQ(rows.Line(0), 4);
  EXPECT_FALSE(rows.SelectRegion(0));
}

// A sheet for destinations without the regional lines.
class RegionalSheet final : public SheetLayout {
 public:
  using SheetLayout::SheetLayout;

 protected:
  bool AllowsRegionalLines(std::string_view directive) const override { return directive != "Only_USA"; }
};

TEST(SheetLayoutTest, RegionalDirectivesSkipTheLinesTheyGuardWhenNotAllowed) {
  FixtureTexts texts(SheetDefinition(kKey, "", "",
                                     {"{(%CL_Common_TOT)}A", ":(Only_USA 2)", "{(%CL_Common_Wx_Alert)}W", "",
                                      "{(%CL_Common_VOX)}B", ":(Only_JPUSKR 1)", "{(%CL_Common_AutoRepeater)}R"}));
  RegionalSheet skipping(texts.Environment());
  skipping.SetName(kKey);
  skipping.Build();
  EXPECT_EQ(skipping.RowCount(), 3);
  EXPECT_EQ(skipping.GetCell(0, 1).cellId, CL_Common_VOX);
  EXPECT_EQ(skipping.GetCell(0, 2).cellId, CL_Common_AutoRepeater);

  SheetLayout keeping(texts.Environment());
  keeping.SetName(kKey);
  keeping.Build();
  EXPECT_EQ(keeping.RowCount(), 5);
  EXPECT_EQ(keeping.GetCell(0, 1).cellId, CL_Common_Wx_Alert);
}

TEST(SheetLayoutTest, AutoSizedCellsWidenTheirColumnAndHeightenTheirRow) {
  // The basic cell's font is 10 pixels high; the fake measure makes every byte 8 wide.
  FixtureSheet sheet("", {"{W}ABC|{H}AB\\nCD\\nE|x", "{WH}ABCDEFGH", ""}, "{(Font=,,,-10,,,)}");
  const SheetLayout& layout = sheet.Built();
  EXPECT_EQ(layout.ColumnWidth(0), 8 * 8 + 8);  // the widest caption of the column
  EXPECT_EQ(layout.ColumnWidth(1), 1);          // auto height only
  EXPECT_EQ(layout.ColumnWidth(2), 1);
  EXPECT_EQ(layout.RowHeight(0), 3 * 10 + 2);  // three lines
  EXPECT_EQ(layout.RowHeight(1), 10 + 2);
  EXPECT_EQ(layout.RowHeight(2), 1);  // an empty line is a 1-pixel row
}

TEST(SheetLayoutTest, PrintingScalesDefaultsAndPadding) {
  FixtureSheet sheet("", {"{WH}AB|x"}, "{(Font=,,,-10,,,)}");
  sheet.Layout().SetPrinting(3.4, false);
  const SheetLayout& layout = sheet.Built();
  EXPECT_EQ(layout.ColumnWidth(0), 16 + 27);  // padding 8 x 3.4, rounded
  EXPECT_EQ(layout.ColumnWidth(1), 3);        // the default size is the scale, cut to whole pixels
  EXPECT_EQ(layout.RowHeight(0), 10 + 7);

  FixtureSheet preview("", {"{W}AB|x"});
  preview.Layout().SetPrinting(3.4, true);
  EXPECT_EQ(preview.Built().ColumnWidth(1), 1);  // a preview bitmap keeps 1-pixel defaults
}

TEST(SheetLayoutTest, FirstSelectableCellAndBaseIndex) {
  FixtureSheet sheet("", {"H|H|H", "|x|{S(%CL_Mch_Freq[3])}", "{S}|x"}, "");
  sheet.Layout().SetBaseIndex(100);
  const SheetLayout& layout = sheet.Built();
  EXPECT_EQ(layout.FirstSelectableColumn(), 0);
  EXPECT_EQ(layout.FirstSelectableRow(), 1);
  EXPECT_EQ(layout.GetCell(2, 1).index, 103);
  EXPECT_EQ(layout.GetCell(0, 0).index, 100);  // every cell, bound or not
  EXPECT_EQ(layout.BasicCell().index, 100);
}

TEST(SheetLayoutTest, ARebuildLaysTheSameRowsOut) {
  FixtureSheet sheet("(MultiSelect=Line)", {"{(@ch0=2)}H", ":(SelectOFF)", ":(LoopFrom 2)",
                                            "{S(%CL_Mch_Freq[@ch0])(@ch0++)}F", "x", ":(LoopTo)"});
  SheetLayout& layout = sheet.Built();
  const std::vector<int32_t> first = ColumnIndices(layout, 0);
  layout.Build();
  EXPECT_EQ(ColumnIndices(layout, 0), first);
  EXPECT_EQ(first, (std::vector<int32_t>{0, 2, 0, 3, 0}));
  EXPECT_FALSE(layout.RowAttributes().SelectRegion(1));
  EXPECT_TRUE(layout.RowAttributes().SelectRegion(0));  // a rebuild starts with select on
}

struct FontCase {
  const char* name;
  int fontHeight;
  int32_t percentage;
  bool printing;
  const char* style;
  int expected;
};

TEST(SheetLayoutTest, BasicCellFontFollowsTheOverrideTheSettingsAndThePrintRatio) {
  const FontCase cases[] = {
      {"settings 100 %", 0, 100, false, "", -17},
      {"settings 150 %", 0, 150, false, "", -25},
      {"override", -30, 150, false, "", -30},
      {"print ratio on screen", 0, 100, false, "(PrintFontRatio=50)", -17},
      {"print ratio when printing", 0, 100, true, "(PrintFontRatio=50)", -8},
      {"override and print ratio", -20, 100, true, "(PrintFontRatio=150)", -30},
  };
  for (const FontCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestSettings settings;
    settings.environ.settings.fontSizePercentage = c.percentage;
    FixtureTexts texts(WithWidthList(SheetDefinition(kKey, c.style, "{(Font=,,,-17,,,)}", {"A"}), {}));
    SheetDisplayStore display(settings.environ, kSettingsKey, texts.Texts());
    SheetLayout layout(texts.Environment(&display));
    layout.SetName(kKey);
    layout.SetFontHeight(c.fontHeight);
    if (c.printing) layout.SetPrinting(1.0, true);
    layout.Build();
    EXPECT_EQ(EffectiveFont(layout.BasicCell()).height, c.expected);
    EXPECT_EQ(EffectiveFont(layout.GetCell(0, 0)).height, c.expected);
  }
}

}  // namespace
