#pragma once
// The layout of a sheet: reads a sheet definition (the keys name + "_Style", "_BasicCell" and
// "_Cells" of the text database) and expands it into a grid of cells with column widths, row
// heights, fixed rows and columns and a selectable region. The sheet widget derives from it
// and draws what it holds; the model sheets override the virtual steps.
//
// Typical use: construct, SetName (which makes the model of the name's type tag and hands it
// the argument), optionally SetPrinting / SetFontHeight / SetListMode / SetBaseIndex, then
// Build. Widths of listed sheets are restored during Build and saved again
// by SaveColumnWidths (the widget calls it when the sheet closes on screen).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetCells.h"
#include "sheet/layout/SheetModel.h"
#include "sheet/layout/SheetStyle.h"
#include "sheet/layout/clsSheeRowAtr.h"
#include "text/cmcCellObj.h"

class CellDocument;
class cmcGTex;
class SheetDisplayStore;

// Limits of a column the user may size: at least 10 pixels, at most 650 and at most the room
// the fixed columns leave in the grid's client area.
constexpr int kMinimumColumnWidth = 10;
constexpr int kMaximumColumnWidth = 650;
int LimitedColumnWidth(int width, int maximum);

struct SheetEnvironment {
  cmcGTex& texts;
  CellTextMeasure& measure;
  // Column widths and the column-cut mask; none keeps nothing (and takes font size 100 %).
  SheetDisplayStore* display = nullptr;
  // The document the page shows; without one every sheet takes the plain model.
  CellDocument* document = nullptr;
};

class SheetLayout {
 public:
  explicit SheetLayout(const SheetEnvironment& environment);
  virtual ~SheetLayout() = default;
  SheetLayout(const SheetLayout&) = delete;
  SheetLayout& operator=(const SheetLayout&) = delete;

  // --- Set before Build ---
  // Splits a full sheet name into type tag, definition key and arguments, makes the model of
  // the type tag and sets the arguments (SetArgument).
  void SetName(std::string_view fullName);
  virtual void SetArgument(std::string_view text);
  // Lays the sheet out for a printer with printer pixels per inch / screen pixels per inch =
  // scale; toBitmap for the print preview. Without it the sheet is laid out for the screen.
  void SetPrinting(double scale, bool toBitmap);
  // A character height in pixels used instead of the settings' font size; 0 for none.
  void SetFontHeight(int pixels) { fontHeight_ = pixels; }
  // A selection-list sheet: it neither restores nor saves widths.
  void SetListMode(bool on) { listMode_ = on; }
  // Asks the next build to forget the stored widths of every listed sheet (after a language
  // or font size change).
  void SetResetWidths(bool on) { resetWidths_ = on; }
  // Added to the index of every cell (and of the basic cell) after the cells are filled.
  void SetBaseIndex(int32_t base) { baseIndex_ = base; }

  // Reads the style and builds the cells. Definition errors are fatal.
  virtual void Build();

  // --- The model of the page ---
  SheetModel& Model() { return *model_; }
  const SheetModel& Model() const { return *model_; }
  // The title and the status text the model makes of the style's title.
  std::string Title() const { return model_->Title(style_.titleString); }
  std::string StatusText() const { return model_->StatusText(style_.titleString); }

  // --- Lists whose length follows the data ---
  // The row of the list's first entry; -1 on sheets without such a list.
  int FirstListRow() const { return firstListRow_; }
  // The row that takes a new entry (after the last entry, on screen only); -1 when none.
  int NewEntryRow() const;
  // An entry was added to (removed from) the end of the list: the new-entry row becomes an
  // entry row and a new one follows (the last entry row becomes the new-entry row). False
  // on sheets without a list, and for a removal from an empty list.
  bool AddListRow();
  bool RemoveListRow();

  // --- Name and arguments ---
  const std::string& GetName() const { return fullName_; }
  const std::string& TypeTag() const { return typeTag_; }
  const std::string& Key() const { return key_; }
  const std::string& GetArgument() const { return argument_; }
  int ArgumentNumber() const { return argumentNumber_; }
  int32_t BaseIndex() const { return baseIndex_; }

  // --- Layout state ---
  const SheetStyle& Style() const { return style_; }
  bool ListMode() const { return listMode_; }
  bool Printing() const { return printing_; }
  bool PrintingToBitmap() const { return toBitmap_; }
  double Scale() const { return scale_; }
  int ColumnCount() const { return columnCount_; }
  int RowCount() const { return rowCount_; }
  // The fixed columns and rows of the grid: the style's, at most all but one.
  int FixedColumnCount() const;
  int FixedRowCount() const;
  // The smallest column and row holding a selectable cell; -1 when none.
  int FirstSelectableColumn() const { return firstSelectableColumn_; }
  int FirstSelectableRow() const { return firstSelectableRow_; }
  const clsSheeRowAtr& RowAttributes() const { return rowAttributes_; }
  const CellVariables& Variables() const { return variables_; }

  // --- Cells ---
  const cmcCellObj& BasicCell() const { return basicCell_; }
  cmcCellObj& GetCell(int column, int row) { return cells_.Entry(column, row).cell; }
  const cmcCellObj& GetCell(int column, int row) const { return cells_.Entry(column, row).cell; }
  SheetCells& Cells() { return cells_; }
  const SheetCells& Cells() const { return cells_; }

  // --- Sizes in the grid's pixels ---
  // Pixels of a screen pixel on the target (the printer scale, rounded).
  int ScaledPixels(int pixels) const;
  int ColumnWidth(int column) const;
  int RowHeight(int row) const;
  void SetColumnWidth(int column, int width);
  void SetRowHeight(int row, int height);
  int TotalWidth(int firstColumn, int endColumn) const;

  // The row whose cells decide which columns keep their widths: the first row below the
  // fixed rows (the last row when there are fewer).
  int FirstDataRow() const;
  // Whether the column's width is restored, saved and held to the user limits: its cell in
  // the first data row is selectable.
  bool ColumnKeepsWidth(int column) const;
  // Holds every column that keeps its width to the user limits for a grid whose client area
  // is clientWidth pixels wide (the grid calls it after the user resized a column).
  void LimitColumnWidths(int clientWidth);

  // --- Column width persistence (on screen; when printing Restore scales the widths) ---
  virtual void RestoreColumnWidths();
  virtual void SaveColumnWidths();

 protected:
  // Steps of Build, in order; subclasses override them.
  virtual void ApplyStyleItem(std::string_view item);
  virtual void BuildCells();
  virtual void BuildBasicCell();
  virtual void LayOutRows(const std::string& cellsKey);
  virtual void ApplyDirective(std::string_view item);
  virtual void FillCells(const std::string& cellsKey);
  virtual void OnRowFill(int row);
  virtual void OnCellFill(int column, int row);
  // Whether the lines a regional directive (Only_JPUSKR, Only_USA) guards are laid out; the
  // model decides.
  virtual bool AllowsRegionalLines(std::string_view directive) const;

  // For subclasses: the building blocks of the steps above.
  void ReadStyle();
  void MakeCellTable(int tableRows);
  void AddBaseIndex();
  void PersistWidthsAfterFill();
  // Starts a loop at the current line that repeats its body count times in all.
  void StartLoop(int count);
  void SetSelectOn(bool on) { selectOn_ = on; }
  bool SelectOn() const { return selectOn_; }
  int CurrentLine() const { return currentLine_; }
  void SetRowCount(int rows) { rowCount_ = rows; }
  clsSheeRowAtr& MutableRowAttributes() { return rowAttributes_; }
  CellVariables& MutableVariables() { return variables_; }
  cmcGTex& Texts() const { return texts_; }
  SheetDisplayStore* Display() const { return display_; }
  // Fills row with the first `cells` cells of the row above, each one index further on, and
  // gives it the height of the row above (how repetitions of a one-row loop body are made).
  void CopyRowAbove(int row, int cells);

 private:
  void AppendRow(bool inLoopBody);
  void StartListLoop();
  void MarkListRegion();
  void FinishDirectiveLine();
  int ParseRow(int row, std::string_view text);
  int PrintedWidth(int32_t storedWidth) const;
  void FitCell(const cmcCellObj& cell, int column, int row);
  void NoteSelectable(const cmcCellObj& cell, int column, int row);
  void SetRegionFlag(int row);
  int DefaultSize() const;
  int FontSizePercentage() const;

  cmcGTex& texts_;
  CellTextMeasure& measure_;
  SheetDisplayStore* display_;
  CellDocument* document_;
  std::unique_ptr<SheetModel> model_;

  std::string fullName_;
  std::string typeTag_;
  std::string key_;
  std::string argument_;
  int argumentNumber_ = -1;
  int32_t baseIndex_ = 0;

  SheetStyle style_;
  bool listMode_ = false;
  bool printing_ = false;
  bool toBitmap_ = false;
  double scale_ = 1.0;
  int fontHeight_ = 0;
  bool resetWidths_ = false;

  // While the rows are laid out.
  int linesToSkip_ = 0;
  int currentLine_ = 0;
  int loopStartLine_ = -1;
  int loopEndLine_ = -1;
  int loopCount_ = 0;
  std::vector<int> loopBodyRows_;
  bool selectOn_ = true;
  int firstListRow_ = -1;

  int rowCount_ = 0;
  int columnCount_ = 0;
  clsSheeRowAtr rowAttributes_;
  CellVariables variables_{};
  cmcCellObj basicCell_;
  SheetCells cells_;
  std::vector<int> columnWidths_;
  std::vector<int> rowHeights_;
  int firstSelectableColumn_ = -1;
  int firstSelectableRow_ = -1;
};
