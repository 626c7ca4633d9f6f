#pragma once
// One editable page of the main window. The sheet reads its definition (key + "_Style",
// "_BasicCell", "_Cells") from the text database, lays the cells out in a grid, draws them,
// moves the cursor over selectable cells, keeps a multi-selection by cells or by lines, runs
// the in-place editor and the pop-up menu of each cell, and routes every key, click, typed
// text and menu command to the cell behaviour as a cell request. What a bound cell shows and
// does is the cell behaviour's business; the sheet only routes.
//
// Life: construct, SetName (or SetArgument on a sheet already named), optionally
// SetSavedPosition / SetFontHeight / RequestWidthReset / SetCallback, then Build once. The
// sheet stores its column widths when it is destroyed.
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>

#include "ui/cuiSheetPosition.h"

class cmcCellCapsule;
class cmcCellObj;
class cmcEvMan;
class cmcGTex;
class cuiGrid;
class KeyValueStore;

class cuiSheet : public QWidget {
  Q_OBJECT

 public:
  // The cell behaviour: answers request; op 0 queries (drawing, menus), op 1 acts. Returns
  // 0 nothing more, 1 refresh, 2 open the in-place editor.
  using CellCallback = int (*)(void* object, cmcCellCapsule& request, int op);

  // texts, settings and events must outlive the sheet. settings is the per-user store that
  // keeps the column widths under "Software\Quor\Tessel\Display".
  cuiSheet(QWidget* parent, cmcGTex& texts, KeyValueStore& settings, cmcEvMan& events);
  ~cuiSheet() override;
  cuiSheet(const cuiSheet&) = delete;
  cuiSheet& operator=(const cuiSheet&) = delete;

  // The full name as opened, e.g. "[St_ColCut]GI_Sheet_MemoryCH,1,100": type tag, definition
  // key and argument text.
  void SetName(std::string_view fullName);
  virtual void SetArgument(std::string_view argument);
  // Restored by Build when it lies inside the grid.
  void SetSavedPosition(const cuiSheetPosition& position);
  // Font height in pixels used instead of the global font size percentage (0: none).
  void SetFontHeight(int pixels);
  // The global font size percentage of the sheets' fonts (100 unless set).
  void SetFontSizePercentage(int percent);
  // After a language or font size change: Build forgets the stored widths of every sheet.
  void RequestWidthReset();
  // Replaces the cell behaviour; without one the sheet uses placeholderCellBehaviour.
  void SetCallback(CellCallback function, void* object);
  // The first selectable cell bound to this identifier and index gets the cursor when no
  // saved position applies.
  void SetInitialFocus(unsigned cellId, int index);

  virtual void Build();

  const std::string& GetName() const { return fullName_; }
  const std::string& GetKey() const { return key_; }
  const std::string& GetArgument() const { return argument_; }
  // The title (program code page); empty for sheets without one.
  virtual std::string GetTitle() const;
  // The position to keep in the history for this sheet name.
  cuiSheetPosition GetPosition() const;
  virtual bool IsPrintable() const;

  // Ends an open in-place edit, storing its text.
  void CommitEdit();

  // The window size that shows every column (row): the sheet's size plus what the grid
  // lacks.
  int GetWantedWidth() const;
  int GetWantedHeight() const;

  cuiGrid& Grid();
  // The cell at (column, row); outside the table is fatal ("Illegal Cell selection").
  const cmcCellObj& GetCell(int column, int row) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
  std::string fullName_;
  std::string key_;
  std::string argument_;
};

// The cell behaviour until the dispatcher is in place: a query shows the cell's caption,
// an action changes nothing.
int placeholderCellBehaviour(void* object, cmcCellCapsule& request, int op);
