#pragma once
// How a sheet is cut into printed pages, in the printer's pixels: the printable rectangle
// inside the page margins, the cell area the page frame leaves, the column bands across a
// page and the row bands down it, and the smaller font a block that overflows its page is
// built again with. Pure arithmetic over a laid-out sheet; no printer is needed.
#include <string_view>
#include <vector>

class SheetLayout;

// A rectangle of printer pixels; right and bottom are exclusive.
struct PageRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PageRect&) const = default;
};

// Page margins in millimetres.
struct PageMargins {
  int left = 15;
  int top = 10;
  int right = 5;
  int bottom = 5;
};

// "left,top,right,bottom" in millimetres; a missing or unreadable field keeps its default.
PageMargins ParseMargins(std::string_view text);

// Millimetres to pixels at dpi, the fraction dropped.
int MillimetresToPixels(int millimetres, int dpi);

// The printable rectangle of a page of pageWidth x pageHeight pixels: the horizontal
// margins at the horizontal resolution, the vertical ones at the vertical resolution.
PageRect PrintRect(int pageWidth, int pageHeight, int dpiX, int dpiY, const PageMargins& margins);

// What the page frame takes of the printable rectangle, for a frame font whose characters
// are fontPixels high: the title line with a bar under it at the top, the maker's line
// with a bar over it at the bottom.
struct FrameGeometry {
  int textHeight = 0;  // a: the frame font's height
  int bar = 0;         // b: a bar's thickness
  PageRect titleBar;   // the black bar under the title line
  PageRect makerBar;   // the black bar over the maker's line
  PageRect cellArea;   // where the sheet's block goes
};
FrameGeometry PageFrame(const PageRect& printRect, int fontPixels);

// A run of columns or rows on one page: the first one and how many.
struct PageBand {
  int first = 0;
  int count = 0;
  bool operator==(const PageBand&) const = default;
};

// The column bands of a sheet for a cell area width pixels wide. Every band begins after
// the fixed columns, holds at least one column and ends at the last column that may begin
// the next band before the fixed columns and the band grow wider than width; a column whose
// header (fixed-row) cells continue the cell to their left may not begin a band.
std::vector<PageBand> ColumnBands(const SheetLayout& sheet, int width);
// The row bands for a cell area height pixels high, after the fixed rows; a row whose
// fixed-column cells carry a second combination value continues the record above and may
// not begin a band.
std::vector<PageBand> RowBands(const SheetLayout& sheet, int height);

// The right and bottom edges a block reaches from the area's top-left corner: the fixed
// columns and rows and the band's; at least one pixel each way.
struct BlockExtent {
  int right = 0;
  int bottom = 0;
};
BlockExtent MeasureBlock(const SheetLayout& sheet, const PageRect& area, PageBand columns, PageBand rows);

// The character height (negative, pixels) a block is built again with when it overflows
// area: scaled by the smaller of the two ratios of area to block, the fraction dropped, at
// least one pixel. A block that fits keeps fontHeight.
int ReducedFontHeight(int fontHeight, const PageRect& area, const BlockExtent& block);

// How often a block is built smaller before the last build is used as it is.
inline constexpr int kMaximumFontReductions = 3;
