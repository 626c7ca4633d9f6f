#include "sheet/cells/DocumentSearch.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

#include "sheet/cells/DocumentDifferences.h"
#include "sheet/cells/ListRangeAnswer.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetLayout.h"
#include "sheet/layout/TreeNodes.h"
#include "text/CellIds.h"

namespace {

char Folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kPadding{" \n\0", 3};
  const std::size_t first = text.find_first_not_of(kPadding);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kPadding) - first + 1);
}

// The value of a text made of digits with at most one decimal point, and nothing else.
std::optional<double> DecimalValue(std::string_view text) {
  if (text.empty() || std::ranges::count(text, '.') > 1) return std::nullopt;
  if (!std::ranges::all_of(text, [](char c) { return (c >= '0' && c <= '9') || c == '.'; })) return std::nullopt;
  if (text == ".") return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool HoldsFolded(std::string_view text, std::string_view query) {
  const auto same = [](char a, char b) { return Folded(a) == Folded(b); };
  return std::search(text.begin(), text.end(), query.begin(), query.end(), same) != text.end();
}

struct CellPlace {
  int column;
  int row;
};

// The selectable data cells of a built page in reading order.
std::vector<CellPlace> DataCells(SheetLayout& sheet) {
  std::vector<CellPlace> cells;
  for (int row = sheet.FixedRowCount(); row < sheet.RowCount(); ++row) {
    if (row == sheet.NewEntryRow()) continue;  // it stands for the next free place, not an entry
    for (int column = sheet.FixedColumnCount(); column < sheet.ColumnCount(); ++column) {
      if (sheet.GetCell(column, row).cellId == kCellIdNone || !sheet.Cells().IsSelectable(column, row)) continue;
      cells.push_back({column, row});
    }
  }
  return cells;
}

bool Before(int rowA, int columnA, int rowB, int columnB) { return rowA != rowB ? rowA < rowB : columnA < columnB; }

// One page built as the window builds it, asked for its cells' texts.
class SearchedPage {
 public:
  SearchedPage(CellDocument& document, const std::string& sheetName)
      : sheet_(SheetEnvironment{document.Texts(), measure_, nullptr, &document}),
        behaviour_(document),
        name_(sheetName) {
    sheet_.SetName(sheetName);
    sheet_.Build();
    answer_.emplace(document.Events(), sheet_.Model().List());
  }

  // The first match among the page's cells that the filter lets through, in the direction.
  std::optional<SearchHit> FirstMatch(std::string_view query, bool forward,
                                      const std::function<bool(const CellPlace&)>& inRange) {
    std::vector<CellPlace> cells = DataCells(sheet_);
    if (!forward) std::ranges::reverse(cells);
    for (const CellPlace& place : cells) {
      if (!inRange(place)) continue;
      cmcCellObj& cell = sheet_.GetCell(place.column, place.row);
      if (TextMatches(behaviour_.QueryCellText(cell, 0, sheet_.GetArgument()), query)) {
        return SearchHit{{name_, place.column, place.row}, cell.category, cell.cellId, cell.index};
      }
    }
    return std::nullopt;
  }

 private:
  NoTextMeasure measure_;
  SheetLayout sheet_;
  indActiveCell behaviour_;
  std::string name_;
  std::optional<ListRangeAnswer> answer_;
};

}  // namespace

bool TextMatches(std::string_view shown, std::string_view query) {
  const std::string_view text = Trimmed(shown);
  const std::string_view wanted = Trimmed(query);
  if (wanted.empty()) return false;
  const std::optional<double> wantedValue = DecimalValue(wanted);
  const std::optional<double> shownValue = wantedValue ? DecimalValue(text) : std::nullopt;
  // Numbers compare to the precision a shown frequency has: a hertz is 0.000001 MHz.
  if (shownValue) return std::abs(*shownValue - *wantedValue) < 5e-7;
  return HoldsFolded(text, wanted);
}

std::vector<std::string> SearchedSheets(cmcGTex& texts) {
  std::vector<std::string> sheets = TreeSheetNames(texts);
  std::erase_if(sheets, [](const std::string& name) { return !IsComparedSheet(name); });
  return sheets;
}

std::optional<SearchHit> FindStep(CellDocument& document, std::string_view query, const SearchPlace& from, bool forward,
                                  bool wholeDocument) {
  std::vector<std::string> sheets{from.sheetName};
  if (wholeDocument) sheets = SearchedSheets(document.Texts());
  const auto start = std::ranges::find(sheets, from.sheetName);
  const bool fromListed = start != sheets.end();
  const auto count = static_cast<int>(sheets.size());
  const int first = fromListed ? static_cast<int>(start - sheets.begin()) : (forward ? 0 : count - 1);
  const int direction = forward ? 1 : -1;
  // The place's page is walked twice: after the place first, then, once every other page had
  // its turn, up to the place itself.
  const int steps = fromListed ? count + 1 : count;
  for (int step = 0; step < steps; ++step) {
    const int page = ((first + direction * step) % count + count) % count;
    const bool placePage = fromListed && page == first;
    const bool afterPlace = placePage && step == 0;
    const auto inRange = [&](const CellPlace& place) {
      if (!placePage) return true;
      const bool ahead = forward ? Before(from.row, from.column, place.row, place.column)
                                 : Before(place.row, place.column, from.row, from.column);
      return afterPlace ? ahead : !ahead;
    };
    SearchedPage searched(document, sheets[static_cast<std::size_t>(page)]);
    if (auto hit = searched.FirstMatch(query, forward, inRange)) return hit;
  }
  return std::nullopt;
}
