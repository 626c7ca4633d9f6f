#pragma once
// One editable page of the main window. The layout it holds reads the definition
// (key + "_Style", "_BasicCell", "_Cells") and keeps the cells; the sheet shows them in a grid
// under an optional title panel, draws them, moves the cursor over selectable cells, keeps a
// multi-selection by cells or by lines, runs the in-place editor and the pop-up menu of each
// cell, and routes every key, click, typed text and menu command to the cell behaviour as a
// cell request. What a bound cell shows and does is the cell behaviour's business.
//
// Life: construct, Layout().SetName, SetCallback, optionally SetSavedPosition / SetFontHeight /
// RequestWidthReset / SetInitialFocus, then Build once. Destroying the sheet stores its column
// widths (on screen, not in list mode).
#include <QList>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "base/ComponentId.h"
#include "sheet/layout/SheetLayout.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "ui/SheetPosition.h"

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWheelEvent;
class CellDocument;
class cmcEvMan;
class EventRecord;
class cmcGTex;
class SheetDisplayStore;
class cuiGrid;
class InPlaceEditor;

class cuiSheet : public QWidget {
  Q_OBJECT

 public:
  // texts and events must outlive the sheet; display (column widths, font size) may be none,
  // then nothing is stored; document is what the page shows (none for pages that show no
  // document, which then take the plain model whatever their type tag).
  cuiSheet(QWidget* parent, cmcGTex& texts, SheetDisplayStore* display, cmcEvMan& events,
           CellDocument* document = nullptr);
  ~cuiSheet() override;

  // Restored by Build when it lies inside the grid.
  void SetSavedPosition(const SheetPosition& position);
  // After a language or font size change: Build forgets the stored widths of every sheet.
  void RequestWidthReset() { layout_->SetResetWidths(true); }
  // The cell behaviour every bound cell asks; a sheet cannot be built without one.
  void SetCallback(CellBehaviourCallback callback);
  // The first selectable cell bound to this identifier and index gets the cursor when no
  // saved position applies.
  void SetInitialFocus(unsigned cellId, int32_t index);
  // The image list with the warning (index 4) and error (index 5) marks; without one the
  // marks are drawn as figures.
  void SetMarkImages(const QList<QPixmap>* images);

  void Build();

  // The page's layout: its name, model, cells, sizes and style.
  SheetLayout& Layout() { return *layout_; }
  const SheetLayout& Layout() const { return *layout_; }

  // The title (program code page), as the model names the page; empty for sheets without one.
  std::string GetTitle() const;
  // The position to keep in the history for this sheet name.
  SheetPosition GetPosition() const;
  bool IsPrintable() const;
  bool IsInPrintAll(const PrintAllChoices& choices) const;

  // Ends an open in-place edit, storing its text.
  void CommitEdit();
  bool EditorVisible() const;

  // The window size that shows every column (row): the sheet's size plus what the grid lacks.
  int GetWantedWidth() const;
  int GetWantedHeight() const;

  cuiGrid& Grid();
  // The number events name the grid by (EV_ComponentGone, EV_QueryIsPopup).
  ComponentId GridId() const;
  // A pop-up selection list: the request of the cell that opened it. A pick hands the
  // picked entry to that cell's behaviour and hides the list's window.
  void SetRequestingCell(const cmcCellCapsule& request);
  // A list whose value has no entry: no entry shows selected, and Enter picks nothing, until
  // the cursor moves.
  void HideListCursor();
  // Puts the cursor on the selectable cell of this category, identifier and index, scrolled
  // into view; false when the page has none.
  bool ShowCell(unsigned category, unsigned cellId, int32_t index);
  // Edit > Fill: the open in-place edit's text, or without one the current cell's value, goes
  // to every selected cell of the current column.
  void Fill();
  // Runs a command of the Edit menu on the current cell and the selected rows, as a pop-up
  // menu entry runs, with what the command carries.
  void RunEditCommand(unsigned cellId, int32_t argument);
  // The cell request for (column, row) as the sheet fills it before asking the behaviour.
  virtual void PrepareRequest(int column, int row, cmcCellCapsule& request);

 protected:
  // Sends a request about (column, row) to the cell behaviour as an action and carries out
  // its answer. A text makes it a committed edit.
  virtual void SendRequest(int column, int row, int32_t key, int32_t command, const std::string* text);
  // Sends a key a cell handed on (the request's repeat key) once its timer fires; true when one
  // was waiting.
  void ScheduleRepeat(int32_t key);
  bool FlushRepeat();
  // Moves the cursor by dx columns and dy rows over selectable cells; false when it stayed.
  virtual bool MoveCursor(int dx, int dy);
  // A cell became current through the user.
  virtual void OnCellSelected(cmcCellObj& cell);
  // Width of the widest text column shows, in the grid's pixels.
  void AutoSizeColumn(int column);
  void changeEvent(QEvent* event) override;

 private:
  struct State;

  void DispatchRequest(int column, int row, int32_t key, int32_t command, const std::string* text,
                       int32_t argument = 0);
  void CreatePanels();
  void ShowTitle();
  void RefreshTitle();
  void ListRowsChanged(bool removed);
  void ConfigureGrid();
  void AttachGridHooks();
  void PlaceInitialCursor();
  void SyncGridSizes();
  void AfterUserSizing();

  void DrawCell(QPainter& painter, int column, int row, const QRect& rect);
  CellPosition OwnerOfAttached(int column, int row) const;
  bool DrawnSelected(int column, int row) const;
  void RepaintCell(CellPosition cell);
  void RepaintCells(const std::vector<CellPosition>& cells);
  void RepaintRow(int row);
  void RepaintRelated(const cmcCellCapsule& request, uint32_t scope);
  void RepaintIndex(int32_t index);

  CellPosition Current() const;
  void MoveTo(CellPosition cell);
  void AfterCurrentChanged(CellPosition previous);
  void UpdateSelectionTo(CellPosition target);
  void EndSelection();
  void MoveToTarget(const cmcCellCapsule& request);

  bool OnSelectCell(int column, int row);
  bool OnKey(QKeyEvent& event);
  void Cut();
  void RunMenuEntry(unsigned cellId);
  void SendTypedText(const QString& text);
  bool OnMousePress(QMouseEvent& event);
  bool OnMouseRelease(QMouseEvent& event);
  bool OnMouseMove(QMouseEvent& event);
  bool OnDoubleClick(QMouseEvent& event);
  bool OnWheel(QWheelEvent& event);
  void OnFocusGained();
  void OnFocusLost();

  InPlaceEditor& Editor();
  void OpenEditor(int column, int row, const cmcCellCapsule& request);
  void OpenEditorWith(const cmcCellCapsule& request);
  // The pop-up list or editor an action asked for, at the cell.
  void OpenPopup(int column, int row, const cmcCellCapsule& request);
  QRect EditorRect(const cmcCellObj& cell, QRect rect) const;
  void CloseEditor(bool commit);

  void UpdatePopupMenu(const cmcCellObj* headerCell);
  void ShowPopupMenu(QPoint globalPosition, const cmcCellObj* headerCell);
  void UpdateInputMethod();

  static void OnEvent(void* user, const EventRecord& event);
  static void RepaintThunk(const cmcCellCapsule& request, uint32_t scope, void* object);
  static void EditorThunk(cmcCellCapsule& request, void* object);

  std::unique_ptr<SheetLayout> layout_;
  std::unique_ptr<State> state_;
};
