#pragma once
// One editable page of the main window. The layout it derives from reads the definition
// (key + "_Style", "_BasicCell", "_Cells") and holds the cells; the sheet shows them in a grid
// under an optional title panel, draws them, moves the cursor over selectable cells, keeps a
// multi-selection by cells or by lines, runs the in-place editor and the pop-up menu of each
// cell, and routes every key, click, typed text and menu command to the cell behaviour as a
// cell request. What a bound cell shows and does is the cell behaviour's business.
//
// Life: construct, SetName, optionally SetSavedPosition / SetFontHeight / RequestWidthReset /
// SetCallback / SetInitialFocus, then Build once. Destroying the sheet stores its column
// widths (on screen, not in list mode).
#include <QList>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <string>

#include "sheet/cmcCellCapsule.h"
#include "sheet/cmcSheetLayout.h"
#include "ui/cuiSheetPosition.h"

class cmcEvMan;
class cmcGTex;
class cmcSheetDisplayStore;
class cuiGrid;

class cuiSheet : public QWidget, public cmcSheetLayout {
  Q_OBJECT

 public:
  // texts and events must outlive the sheet; display (column widths, font size) may be none,
  // then nothing is stored.
  cuiSheet(QWidget* parent, cmcGTex& texts, cmcSheetDisplayStore* display, cmcEvMan& events);
  ~cuiSheet() override;

  // Restored by Build when it lies inside the grid.
  void SetSavedPosition(const cuiSheetPosition& position);
  // After a language or font size change: Build forgets the stored widths of every sheet.
  void RequestWidthReset() { SetResetWidths(true); }
  // Replaces the cell behaviour; without one the sheet uses placeholderCellBehaviour.
  void SetCallback(CellBehaviourCallback callback);
  // The first selectable cell bound to this identifier and index gets the cursor when no
  // saved position applies.
  void SetInitialFocus(unsigned cellId, int32_t index);
  // The image list with the warning (index 4) and error (index 5) marks; without one the
  // marks are drawn as figures.
  void SetMarkImages(const QList<QPixmap>* images);

  void Build() override;

  // The title (program code page); empty for sheets without one.
  virtual std::string GetTitle() const;
  // The position to keep in the history for this sheet name.
  cuiSheetPosition GetPosition() const;
  virtual bool IsPrintable() const;

  // Ends an open in-place edit, storing its text.
  void CommitEdit();
  bool EditorVisible() const;

  // The window size that shows every column (row): the sheet's size plus what the grid lacks.
  int GetWantedWidth() const;
  int GetWantedHeight() const;

  cuiGrid& Grid();
  // The cell request for (column, row) as the sheet fills it before asking the behaviour.
  virtual void PrepareRequest(int column, int row, cmcCellCapsule& request);

 protected:
  // Sends a request about (column, row) to the cell behaviour as an action and carries out
  // its answer. A text makes it a committed edit.
  virtual void SendRequest(int column, int row, int32_t key, int32_t command, const std::string* text);
  // Moves the cursor by dx columns and dy rows over selectable cells.
  virtual void MoveCursor(int dx, int dy);
  // A cell became current through the user.
  virtual void OnCellSelected(cmcCellObj& cell);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The cell behaviour until the dispatcher is in place: a query shows the cell's caption
// (the sizing template), an action changes nothing.
int placeholderCellBehaviour(cmcCellCapsule& request, int op, void* object);
