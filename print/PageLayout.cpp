#include "print/PageLayout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "sheet/layout/SheetLayout.h"

namespace {

// Whether a band may begin at index: the predicate of the band's kind.
template <typename Size, typename CanBegin>
std::vector<PageBand> Bands(int first, int end, int room, int fixedSize, Size size, CanBegin canBegin) {
  std::vector<PageBand> bands;
  int start = first;
  while (start < end) {
    int used = fixedSize;
    int lastBreak = 0;  // the band would hold this many items when it ended at the last break
    int count = 0;
    for (int i = start; i < end; ++i) {
      if (i > start && canBegin(i)) lastBreak = i - start;
      used += size(i);
      ++count;
      if (lastBreak > 0 && used > room) {
        count = lastBreak;
        break;
      }
    }
    count = std::max(1, count);
    bands.push_back({start, count});
    start += count;
  }
  return bands;
}

}  // namespace

PageMargins ParseMargins(std::string_view text) {
  PageMargins margins;
  int* const fields[] = {&margins.left, &margins.top, &margins.right, &margins.bottom};
  for (int* field : fields) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    int value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (error == std::errc{} && end == item.data() + item.size() && value >= 0) *field = value;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return margins;
}

int MillimetresToPixels(int millimetres, int dpi) {
  return static_cast<int>(static_cast<long long>(millimetres) * dpi * 10 / 254);
}

PageRect PrintRect(int pageWidth, int pageHeight, int dpiX, int dpiY, const PageMargins& margins) {
  return {MillimetresToPixels(margins.left, dpiX), MillimetresToPixels(margins.top, dpiY),
          pageWidth - MillimetresToPixels(margins.right, dpiX), pageHeight - MillimetresToPixels(margins.bottom, dpiY)};
}

FrameGeometry PageFrame(const PageRect& printRect, int fontPixels) {
  FrameGeometry frame;
  const int a = std::abs(fontPixels);
  const int b = a / 10 + 1;
  frame.textHeight = a;
  frame.bar = b;
  PageRect area = printRect;
  area.top += a + b;
  frame.titleBar = {area.left, area.top, area.right, area.top + b};
  area.top += 5 * b;
  area.bottom -= a + b;
  frame.makerBar = {area.left, area.bottom - b, area.right, area.bottom};
  area.bottom -= 5 * b;
  frame.cellArea = area;
  return frame;
}

std::vector<PageBand> ColumnBands(const SheetLayout& sheet, int width) {
  const int fixedColumns = sheet.FixedColumnCount();
  const int fixedRows = sheet.FixedRowCount();
  const auto canBegin = [&](int column) {
    for (int row = 0; row < fixedRows; ++row) {
      if (sheet.GetCell(column, row).Continuation()) return false;
    }
    return true;
  };
  return Bands(
      fixedColumns, sheet.ColumnCount(), width, sheet.TotalWidth(0, fixedColumns),
      [&](int column) { return sheet.ColumnWidth(column); }, canBegin);
}

std::vector<PageBand> RowBands(const SheetLayout& sheet, int height) {
  const int fixedColumns = sheet.FixedColumnCount();
  const int fixedRows = sheet.FixedRowCount();
  int fixedHeight = 0;
  for (int row = 0; row < fixedRows; ++row) fixedHeight += sheet.RowHeight(row);
  const auto canBegin = [&](int row) {
    for (int column = 0; column < fixedColumns; ++column) {
      const cmcCellObj& cell = sheet.GetCell(column, row);
      if (cell.hasCombination && cell.combination[1] != 0) return false;
    }
    return true;
  };
  return Bands(
      fixedRows, sheet.RowCount(), height, fixedHeight, [&](int row) { return sheet.RowHeight(row); }, canBegin);
}

BlockExtent MeasureBlock(const SheetLayout& sheet, const PageRect& area, PageBand columns, PageBand rows) {
  int width =
      sheet.TotalWidth(0, sheet.FixedColumnCount()) + sheet.TotalWidth(columns.first, columns.first + columns.count);
  int height = 0;
  for (int row = 0; row < sheet.FixedRowCount(); ++row) height += sheet.RowHeight(row);
  for (int row = rows.first; row < std::min(rows.first + rows.count, sheet.RowCount()); ++row)
    height += sheet.RowHeight(row);
  return {area.left + std::max(1, width), area.top + std::max(1, height)};
}

int ReducedFontHeight(int fontHeight, const PageRect& area, const BlockExtent& block) {
  if (block.right <= area.right && block.bottom <= area.bottom) return fontHeight;
  const double widthRatio = static_cast<double>(area.Width()) / (block.right - area.left);
  const double heightRatio = static_cast<double>(area.Height()) / (block.bottom - area.top);
  const double factor = std::min(widthRatio, heightRatio);
  return -std::max(1, static_cast<int>(std::floor(std::abs(fontHeight) * factor)));
}
