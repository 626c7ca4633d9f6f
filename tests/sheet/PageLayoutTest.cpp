#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/PageLayout.h"
#include "sheet/SheetFixture.h"

namespace {

const std::string kKey = "GI_Sheet_PageTest";

// Widths with 8-pixel characters and the 8-pixel margin: "#" 16, four characters 40. The
// header of column 3 continues the one of column 2, so column 3 cannot begin a band. Rows are
// 12 pixels high (10-pixel characters and the 2-pixel margin).
std::vector<std::string> PageSheet(int dataRows) {
  std::vector<std::string> cells = {"{WH}#|{WH}AAAA|{WH}BBBB|{+}|{WH}DDDD"};
  for (int row = 0; row < dataRows; ++row) cells.push_back("{WH}1|{WH}aaaa|{WH}bbbb|{WH}cccc|{WH}dddd");
  return SheetDefinition(kKey, "(FixedCols=1)(FixedRows=1)", "{(Font=,,,-10,,,)}", cells);
}

TEST(PageLayoutTest, MarginsAreMillimetresAtEachDirectionsResolution) {
  const PageMargins margins = ParseMargins("15,10,5,5");
  // A4 at 600 dpi: 4961 x 7016 pixels.
  EXPECT_EQ(PrintRect(4961, 7016, 600, 600, margins), (PageRect{354, 236, 4961 - 118, 7016 - 118}));
  EXPECT_EQ(PrintRect(2480, 7016, 300, 600, margins), (PageRect{177, 236, 2480 - 59, 7016 - 118}));
  const PageMargins partly = ParseMargins("20,x,,7");
  EXPECT_EQ(partly.left, 20);
  EXPECT_EQ(partly.top, 10);
  EXPECT_EQ(partly.right, 5);
  EXPECT_EQ(partly.bottom, 7);
}

TEST(PageLayoutTest, FrameTakesTitleAndMakerLinesWithTheirBars) {
  // 14 points at 600 dpi: a = 116, b = 12.
  const FrameGeometry frame = PageFrame({354, 236, 4843, 6898}, 14 * 600 / 72);
  EXPECT_EQ(frame.textHeight, 116);
  EXPECT_EQ(frame.bar, 12);
  EXPECT_EQ(frame.titleBar, (PageRect{354, 236 + 128, 4843, 236 + 140}));
  EXPECT_EQ(frame.makerBar, (PageRect{354, 6898 - 128 - 12, 4843, 6898 - 128}));
  EXPECT_EQ(frame.cellArea, (PageRect{354, 236 + 128 + 60, 4843, 6898 - 128 - 60}));
  EXPECT_LE(PageFrame({0, 0, 100, 100}, 100).cellArea.Height(), 0);
}

TEST(PageLayoutTest, ColumnBandsBreakOnlyBeforeColumnsThatBeginAHeader) {
  FixtureTexts texts(PageSheet(5));
  SheetLayout sheet(texts.Environment());
  sheet.SetName(kKey);
  sheet.Build();
  ASSERT_EQ(sheet.TotalWidth(0, 5), 16 + 4 * 40);
  struct Case {
    int width;
    std::vector<PageBand> bands;
  };
  const Case cases[] = {
      {200, {{1, 4}}},                  // everything fits
      {176, {{1, 4}}},                  // exactly
      {140, {{1, 3}, {4, 1}}},          // the header group stays together
      {130, {{1, 1}, {2, 2}, {4, 1}}},  // the group alone fills a page
      {100, {{1, 1}, {2, 2}, {4, 1}}},  // the group cannot be split, so it overflows
      {10, {{1, 1}, {2, 2}, {4, 1}}},   // narrower than any column: one band per breakable run
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(ColumnBands(sheet, c.width), c.bands);
  }
}

TEST(PageLayoutTest, RowBandsFillThePageHeightBelowTheHeader) {
  struct Case {
    int dataRows;
    int height;
    std::vector<PageBand> bands;
  };
  const Case cases[] = {
      {5, 40, {{1, 2}, {3, 2}, {5, 1}}},
      {5, 72, {{1, 5}}},
      {5, 71, {{1, 4}, {5, 1}}},
      {5, 5, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}},  // a row taller than the page still prints
      {100, 612, {{1, 50}, {51, 50}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dataRows << " rows on " << c.height);
    FixtureTexts texts(PageSheet(c.dataRows));
    SheetLayout sheet(texts.Environment());
    sheet.SetName(kKey);
    sheet.Build();
    EXPECT_EQ(RowBands(sheet, c.height), c.bands);
  }
}

TEST(PageLayoutTest, AnOverflowingBlockShrinksTheFontByTheSmallerRatio) {
  const PageRect area{100, 100, 1100, 2100};  // 1000 x 2000
  struct Case {
    BlockExtent block;
    int fontHeight;
    int expected;
  };
  const Case cases[] = {
      {{1100, 2100}, -13, -13},   // fits exactly
      {{1350, 1100}, -13, -10},   // 1.25 times as wide: x 0.8, fraction dropped (10.4)
      {{1000, 4100}, -20, -10},   // twice as high
      {{1350, 4100}, -20, -10},   // both: the smaller ratio wins
      {{100100, 2100}, -13, -1},  // never below one pixel
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReducedFontHeight(c.fontHeight, area, c.block), c.expected) << c.block.right << "x" << c.block.bottom;
  }
  FixtureTexts texts(PageSheet(5));
  SheetLayout sheet(texts.Environment());
  sheet.SetName(kKey);
  sheet.Build();
  const BlockExtent block = MeasureBlock(sheet, area, {2, 2}, {3, 2});
  EXPECT_EQ(block.right, 100 + 16 + 80);
  EXPECT_EQ(block.bottom, 100 + 12 + 24);
}

}  // namespace
