#include "sheet/layout/SheetLayout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "platform/Fatal.h"
#include "sheet/layout/SheetDisplayStore.h"
#include "sheet/layout/SheetName.h"
#include "text/ColorNames.h"
#include "text/Cp932.h"
#include "text/TextFields.h"
#include "text/cmcGTex.h"
#include "text/cmcScrBlock.h"

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

int ToInt(std::string_view s) {
  s = TrimSpacesAndTabs(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int value = 0;
  std::from_chars(s.data(), s.data() + s.size(), value);
  return value;
}

// Calls visit with the text of every parenthesised item of line; parentheses inside
// double-byte characters do not count.
template <typename Visit>
void ForEachItem(std::string_view line, Visit visit) {
  std::size_t open = std::string_view::npos;
  for (std::size_t i = 0; i < line.size(); i += CharacterLength(line, i)) {
    if (line[i] == '(' && open == std::string_view::npos) {
      open = i;
    } else if (line[i] == ')' && open != std::string_view::npos) {
      visit(line.substr(open + 1, i - open - 1));
      open = std::string_view::npos;
    }
  }
}

// The number of cell definitions in a row text.
int CountCells(std::string_view text) {
  int count = 0;
  cmcCellObj scratch;
  while (!text.empty()) {
    text = ParseCellDefinition(scratch, text, nullptr, nullptr, true);
    ++count;
  }
  return count;
}

}  // namespace

SheetLayout::SheetLayout(const SheetEnvironment& environment)
    : texts_(environment.texts),
      measure_(environment.measure),
      display_(environment.display),
      document_(environment.document),
      model_(std::make_unique<SheetModel>()) {}

void SheetLayout::SetName(std::string_view fullName) {
  SheetName name = SplitSheetName(fullName);
  fullName_ = std::string(fullName);
  typeTag_ = std::move(name.type);
  key_ = std::move(name.key);
  model_ = MakeSheetModel(typeTag_, document_);
  SetArgument(name.arguments);
}

void SheetLayout::SetArgument(std::string_view text) {
  argument_ = std::string(text);
  argumentNumber_ = ::ArgumentNumber(text);
  model_->SetArgument(text);
  baseIndex_ = model_->BaseIndex();
}

void SheetLayout::SetPrinting(double scale, bool toBitmap) {
  printing_ = true;
  toBitmap_ = toBitmap;
  scale_ = scale > 0 ? scale : 1.0;
}

void SheetLayout::Build() {
  ReadStyle();
  BuildCells();
}

void SheetLayout::ReadStyle() {
  ForEachItem(texts_.GetLine(key_ + "_Style", 0), [this](std::string_view item) { ApplyStyleItem(item); });
}

void SheetLayout::ApplyStyleItem(std::string_view item) {
  const auto valueOf = [item](std::string_view prefix) { return item.substr(prefix.size()); };
  if (StartsWith(item, "TitleString=")) {
    if (item.size() > 12) style_.titleString = std::string(valueOf("TitleString="));
  } else if (StartsWith(item, "TitleColor=")) {
    if (const auto color = ColorFromName(TrimSpacesAndTabs(valueOf("TitleColor=")))) style_.titleColor = *color;
  } else if (StartsWith(item, "TitleFont=")) {
    style_.titleFont = CellFont{};
    ApplyFontFields(*style_.titleFont, valueOf("TitleFont="));
  } else if (StartsWith(item, "FixedCols=")) {
    style_.fixedColumns = ToInt(valueOf("FixedCols="));
  } else if (StartsWith(item, "FixedRows=")) {
    style_.fixedRows = ToInt(valueOf("FixedRows="));
  } else if (item == "NoPrint") {
    style_.noPrint = true;
  } else if (StartsWith(item, "PrintFontRatio")) {
    const std::size_t equals = item.find('=');
    if (equals != std::string_view::npos) style_.printFontRatio = ToInt(item.substr(equals + 1));
  } else if (StartsWith(item, "MultiSelect=")) {
    const std::string_view mode = TrimSpacesAndTabs(valueOf("MultiSelect="));
    style_.multiSelect = mode == "Cell"   ? MultiSelectMode::Cell
                         : mode == "Line" ? MultiSelectMode::Line
                                          : MultiSelectMode::None;
  } else if (StartsWith(item, "ColCutMenu")) {
    style_.columnCutMenu = true;
  } else if (StartsWith(item, "ColSizing")) {
    style_.columnSizing = true;
  } else if (StartsWith(item, "ColorSelectLine")) {
    style_.colorSelectLine = true;
  }
}

void SheetLayout::BuildCells() {
  BuildBasicCell();
  LayOutRows(key_ + "_Cells");
  MakeCellTable(rowCount_);
  FillCells(key_ + "_Cells");
  model_->AfterFill(*this);
  AddBaseIndex();
}

int SheetLayout::FontSizePercentage() const { return display_ ? display_->FontSizePercentage() : 100; }

void SheetLayout::BuildBasicCell() {
  std::string definition = texts_.GetLine(key_ + "_BasicCell", 0);
  if (fontHeight_ != 0) {
    definition += "{(Font=,,," + std::to_string(fontHeight_) + ",,,)}";
  } else {
    definition += "{(Font=,,,%" + std::to_string(FontSizePercentage()) + ",,,)}";
  }
  if (printing_ && style_.printFontRatio != 100) {
    definition += "{(Font=,,,%" + std::to_string(style_.printFontRatio) + ",,,)}";
  }
  ParseCellDefinition(basicCell_, definition, nullptr, nullptr);
}

void SheetLayout::LayOutRows(const std::string& cellsKey) {
  rowCount_ = 0;
  columnCount_ = 0;
  rowAttributes_.Clear();
  linesToSkip_ = 0;
  selectOn_ = true;
  loopStartLine_ = -1;
  loopEndLine_ = -1;
  loopCount_ = 0;
  loopBodyRows_.clear();
  firstListRow_ = -1;
  for (currentLine_ = 0;; ++currentLine_) {
    const std::string line = texts_.GetLine(cellsKey, currentLine_);
    if (!line.empty() && line[0] == '#') break;
    if (linesToSkip_ > 0) {
      --linesToSkip_;
    } else if (!line.empty() && line[0] == ':') {
      ForEachItem(line, [this](std::string_view item) { ApplyDirective(item); });
      FinishDirectiveLine();
    } else {
      columnCount_ = std::max(columnCount_, CountCells(line));
      AppendRow(loopStartLine_ >= 0 && loopEndLine_ < 0);
    }
  }
  if (columnCount_ == 0 || rowCount_ == 0) Fatal("Illegal Cell assign");
  MarkListRegion();
}

void SheetLayout::AppendRow(bool inLoopBody) {
  if (inLoopBody) loopBodyRows_.push_back(rowCount_);
  rowAttributes_.Set(rowCount_++, currentLine_, selectOn_);
}

// Repeats the rows of a finished loop body; a loop still open waits for its end.
void SheetLayout::FinishDirectiveLine() {
  if (loopStartLine_ < 0 || loopEndLine_ < 0 || loopCount_ <= 0) return;
  const std::vector<int> body = std::move(loopBodyRows_);
  for (int pass = 1; pass < loopCount_; ++pass) {
    for (const int bodyRow : body) rowAttributes_.Set(rowCount_++, rowAttributes_.Line(bodyRow), selectOn_);
  }
  loopStartLine_ = -1;
  loopEndLine_ = -1;
  loopCount_ = 0;
  loopBodyRows_.clear();
}

void SheetLayout::StartLoop(int count) {
  loopStartLine_ = currentLine_;
  loopEndLine_ = -1;
  loopCount_ = count > 1 ? count : 1;
  loopBodyRows_.clear();
}

void SheetLayout::ApplyDirective(std::string_view item) {
  cmcScrBlock block;
  block.Parse(item);
  const std::string& name = block.Name();
  if (name == "LoopFrom") {
    if (!block.GetItem(0).empty()) {
      StartLoop(ToInt(block.GetItem(0)));
    } else if (model_->List() != nullptr) {
      StartListLoop();
    }
  } else if (name == "LoopTo") {
    loopEndLine_ = currentLine_;
  } else if (name == "SelectON") {
    selectOn_ = true;
  } else if (name == "SelectOFF") {
    selectOn_ = false;
  } else if (name == "Only_JPUSKR" || name == "Only_USA") {
    if (!AllowsRegionalLines(name)) linesToSkip_ = std::max(0, ToInt(block.GetItem(0)));
  }
}

bool SheetLayout::AllowsRegionalLines(std::string_view directive) const {
  return model_->AllowsRegionalLines(directive);
}

// An open loop repeats its body once per entry, and on screen once more for a new entry.
void SheetLayout::StartListLoop() {
  const int count = model_->List()->count;
  StartLoop(printing_ ? count : count + 1);
  firstListRow_ = rowCount_;
}

// Every row of a list sheet may join a line selection except the new-entry row.
void SheetLayout::MarkListRegion() {
  if (firstListRow_ < 0) return;
  for (int row = 0; row < rowCount_; ++row) rowAttributes_.SetSelectRegion(row, row != NewEntryRow());
}

int SheetLayout::NewEntryRow() const {
  if (firstListRow_ < 0 || printing_) return -1;
  return firstListRow_ + model_->List()->count;
}

bool SheetLayout::AddListRow() {
  SheetList* list = model_->List();
  if (firstListRow_ < 0 || list == nullptr) return false;
  const int row = rowCount_++;
  ++list->count;
  cells_.AppendRow();
  rowHeights_.push_back(DefaultSize());
  rowAttributes_.Set(row, rowAttributes_.Line(row - 1), false);
  CopyRowAbove(row, columnCount_);
  MarkListRegion();
  SetRegionFlag(row - 1);
  SetRegionFlag(row);
  return true;
}

bool SheetLayout::RemoveListRow() {
  SheetList* list = model_->List();
  if (firstListRow_ < 0 || list == nullptr || list->count == 0) return false;
  --rowCount_;
  --list->count;
  cells_.RemoveLastRow();
  rowHeights_.pop_back();
  MarkListRegion();
  SetRegionFlag(rowCount_ - 1);
  return true;
}

int SheetLayout::DefaultSize() const {
  if (!printing_ || toBitmap_) return 1;
  return std::max(1, static_cast<int>(scale_));
}

void SheetLayout::MakeCellTable(int tableRows) {
  cells_.Reset(columnCount_, tableRows);
  columnWidths_.assign(static_cast<std::size_t>(columnCount_), DefaultSize());
  rowHeights_.assign(static_cast<std::size_t>(std::max(tableRows, 0)), DefaultSize());
  firstSelectableColumn_ = -1;
  firstSelectableRow_ = -1;
}

void SheetLayout::FillCells(const std::string& cellsKey) {
  int previousLine = -1;
  int cellsAbove = 0;
  for (int row = 0; row < rowCount_; ++row) {
    OnRowFill(row);
    const int line = rowAttributes_.Line(row);
    if (row > 0 && line == previousLine) {
      CopyRowAbove(row, cellsAbove);
    } else {
      cellsAbove = ParseRow(row, texts_.GetLine(cellsKey, line));
    }
    SetRegionFlag(row);
    previousLine = line;
  }
  PersistWidthsAfterFill();
}

int SheetLayout::ParseRow(int row, std::string_view text) {
  int column = 0;
  for (; !text.empty() && column < columnCount_; ++column) {
    OnCellFill(column, row);
    cmcCellObj& cell = cells_.Entry(column, row).cell;
    text = ParseCellDefinition(cell, text, &variables_, &basicCell_);
    FitCell(cell, column, row);
    NoteSelectable(cell, column, row);
  }
  return column;
}

// A repetition of a one-row loop body: the row above, one index further on.
void SheetLayout::CopyRowAbove(int row, int cells) {
  for (int column = 0; column < cells; ++column) {
    cmcCellObj& cell = cells_.Entry(column, row).cell;
    CopyCell(cell, cells_.Entry(column, row - 1).cell);
    ++cell.index;
    NoteSelectable(cell, column, row);
  }
  SetRowHeight(row, RowHeight(row - 1));
}

void SheetLayout::FitCell(const cmcCellObj& cell, int column, int row) {
  if (!cell.AutoWidth() && !cell.AutoHeight()) return;
  const CellFont font = EffectiveFont(cell);
  int width = 0;
  int height = 0;
  for (const std::string_view line : SplitFields(GetCaption(cell), '\n')) {
    width = std::max(width, measure_.Width(font, line));
    height += measure_.Height(font, line);
  }
  if (cell.AutoWidth()) SetColumnWidth(column, std::max(ColumnWidth(column), width + ScaledPixels(8)));
  if (cell.AutoHeight()) SetRowHeight(row, std::max(RowHeight(row), height + ScaledPixels(2)));
}

void SheetLayout::NoteSelectable(const cmcCellObj& cell, int column, int row) {
  if (!cell.Selectable()) return;
  if (firstSelectableColumn_ < 0 || column < firstSelectableColumn_) firstSelectableColumn_ = column;
  if (firstSelectableRow_ < 0 || row < firstSelectableRow_) firstSelectableRow_ = row;
}

// Only multi-select sheets have a select region; elsewhere no cell may join a selection.
void SheetLayout::SetRegionFlag(int row) {
  const bool inRegion = style_.multiSelect != MultiSelectMode::None && rowAttributes_.SelectRegion(row);
  for (int column = 0; column < columnCount_; ++column) {
    uint8_t& flags = cells_.Entry(column, row).flags;
    flags =
        static_cast<uint8_t>(inRegion ? flags | clsSheetCellId::kSelectRegion : flags & ~clsSheetCellId::kSelectRegion);
  }
}

void SheetLayout::PersistWidthsAfterFill() {
  if (printing_) {
    RestoreColumnWidths();
  } else if (!listMode_) {
    if (resetWidths_) {
      if (display_) display_->DeleteAllWidths();
    } else {
      RestoreColumnWidths();
    }
    SaveColumnWidths();
  }
  resetWidths_ = false;
}

void SheetLayout::AddBaseIndex() {
  for (int row = 0; row < cells_.Rows(); ++row) {
    for (int column = 0; column < cells_.Columns(); ++column) cells_.Entry(column, row).cell.index += baseIndex_;
  }
  basicCell_.index += baseIndex_;
}

// The rows of a list count from the list's first index on.
void SheetLayout::OnRowFill(int row) {
  if (row == firstListRow_) variables_[0] = model_->List()->first;
}

void SheetLayout::OnCellFill(int, int) {}

int SheetLayout::ScaledPixels(int pixels) const { return static_cast<int>(std::lround(pixels * scale_)); }

int SheetLayout::FixedColumnCount() const { return std::max(0, std::min(style_.fixedColumns, columnCount_ - 1)); }

int SheetLayout::FixedRowCount() const { return std::max(0, std::min(style_.fixedRows, rowCount_ - 1)); }

int SheetLayout::ColumnWidth(int column) const {
  if (column < 0 || static_cast<std::size_t>(column) >= columnWidths_.size()) Fatal("Illegal Cell selection");
  return columnWidths_[static_cast<std::size_t>(column)];
}

int SheetLayout::RowHeight(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rowHeights_.size()) Fatal("Illegal Cell selection");
  return rowHeights_[static_cast<std::size_t>(row)];
}

void SheetLayout::SetColumnWidth(int column, int width) {
  ColumnWidth(column);
  columnWidths_[static_cast<std::size_t>(column)] = std::max(0, width);
}

void SheetLayout::SetRowHeight(int row, int height) {
  RowHeight(row);
  rowHeights_[static_cast<std::size_t>(row)] = std::max(0, height);
}

int SheetLayout::TotalWidth(int firstColumn, int endColumn) const {
  int total = 0;
  for (int column = std::max(0, firstColumn); column < std::min(endColumn, columnCount_); ++column)
    total += ColumnWidth(column);
  return total;
}

int SheetLayout::FirstDataRow() const { return std::max(0, std::min(style_.fixedRows, rowCount_ - 1)); }

bool SheetLayout::ColumnKeepsWidth(int column) const { return cells_.IsSelectable(column, FirstDataRow()); }

int LimitedColumnWidth(int width, int maximum) {
  return std::max(kMinimumColumnWidth, std::min({kMaximumColumnWidth, maximum, width}));
}

void SheetLayout::LimitColumnWidths(int clientWidth) {
  const int room = clientWidth - TotalWidth(0, FixedColumnCount());
  for (int column = 0; column < columnCount_; ++column) {
    if (ColumnKeepsWidth(column)) SetColumnWidth(column, LimitedColumnWidth(ColumnWidth(column), room));
  }
}

void SheetLayout::RestoreColumnWidths() {
  if (display_ == nullptr) return;
  display_->RestoreColumnCutMask();
  const std::optional<std::string> name = display_->RegistryName(key_);
  if (!name) return;
  for (int column = 0; column < columnCount_; ++column) {
    if (!ColumnKeepsWidth(column)) continue;
    const std::optional<int32_t> stored = display_->ReadWidth(*name, column);
    if (!stored) continue;
    SetColumnWidth(column, printing_ ? std::min(ColumnWidth(column), PrintedWidth(*stored))
                                     : LimitedColumnWidth(*stored, kMaximumColumnWidth));
  }
}

// A width stored on screen at the settings' font size, for the printer's font size and
// resolution.
int SheetLayout::PrintedWidth(int32_t storedWidth) const {
  const double fontRatio = display_->PrinterFontSize() * 100.0 / std::max(1, FontSizePercentage());
  return static_cast<int>(std::lround(storedWidth * fontRatio * scale_ * 0.1));
}

void SheetLayout::SaveColumnWidths() {
  if (display_ == nullptr || printing_) return;
  display_->SaveColumnCutMask();
  const std::optional<std::string> name = display_->RegistryName(key_);
  if (!name) return;
  for (int column = 0; column < columnCount_; ++column) {
    if (ColumnKeepsWidth(column)) display_->WriteWidth(*name, column, ColumnWidth(column));
  }
}
