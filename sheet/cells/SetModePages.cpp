#include "sheet/cells/SetModeItems.h"

#include <array>

#include "sheet/layout/CellDocument.h"
#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetLayout.h"
#include "text/cmcCellObj.h"

namespace {

struct SetModePage {
  std::string_view page;
  std::string_view sheetName;
};

constexpr std::array<SetModePage, 4> kPages{{
    {"Digital", "[St_Common]GI_Sheet_Digital,215"},
    {"GPS", "[St_Common]GI_Sheet_GPS,248"},
    {"Common", "[St_Common]GI_Sheet_Common,250"},
    {"AB_Band", "[St_Common]GI_Sheet_AB_Band,251"},
}};

// The caption of the row: the nearest unbound cell with text left of the item.
std::string RowLabel(const SheetLayout& sheet, int column, int row) {
  for (int c = column - 1; c >= 0; --c) {
    const cmcCellObj& cell = sheet.GetCell(c, row);
    if (cell.cellId == kCellIdNone && !GetCaption(cell).empty()) return GetCaption(cell);
  }
  return {};
}

}  // namespace

std::vector<SetModeRow> SetModeRows(CellDocument& document) {
  std::vector<SetModeRow> rows;
  NoTextMeasure measure;
  for (const SetModePage& page : kPages) {
    SheetLayout sheet(SheetEnvironment{document.Texts(), measure, nullptr, &document});
    sheet.SetName(page.sheetName);
    sheet.Build();
    for (int row = 0; row < sheet.RowCount(); ++row) {
      for (int column = 0; column < sheet.ColumnCount(); ++column) {
        const cmcCellObj& cell = sheet.GetCell(column, row);
        if (SettingElementCount(cell.cellId) == 0) continue;
        rows.push_back({page.page, std::string(page.sheetName), cell.cellId, cell.index, RowLabel(sheet, column, row)});
      }
    }
  }
  return rows;
}
