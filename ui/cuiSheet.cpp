#include "ui/cuiSheet.h"

#include <QApplication>
#include <QFrame>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>

#include "base/ComponentId.h"
#include "base/cmcEvMan.h"
#include "platform/Fatal.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/RepaintScope.h"
#include "sheet/layout/SheetCursor.h"
#include "sheet/layout/SheetSelection.h"
#include "text/cmcGTex.h"
#include "ui/CellFonts.h"
#include "ui/CellPaintJob.h"
#include "ui/CellPainter.h"
#include "ui/CellPopupMenu.h"
#include "ui/CellPopups.h"
#include "ui/DisplayText.h"
#include "ui/InPlaceEditor.h"
#include "ui/QtCellTextMeasure.h"
#include "ui/SystemClipboard.h"
#include "ui/cuiGrid.h"

namespace {

constexpr int kEdgeTolerance = 4;  // pixels around a column edge that a double-click sizes at
constexpr int kPageRows = 10;
// A key a cell hands on to the cell the cursor moved to goes after these waits, shorter with
// each step of a chain, so that the user sees the cursor travel; a chain ends after
// kRepeatLimit steps.
constexpr int kRepeatWaitsMs[] = {30, 24, 18, 12, 6};
constexpr int kRepeatLimit = 1000;

// The layout measures on the screen; one measure serves every screen sheet.
QtCellTextMeasure& ScreenMeasure() {
  static QtCellTextMeasure measure;
  return measure;
}

int32_t FunctionKeyCode(int qtKey) { return (qtKey - Qt::Key_F1 + 0x70) << 8; }

// A key that only changes the keys after it: Shift before a capital letter, AltGr before a
// symbol, a dead accent before its letter. It must leave an open edit and the status line
// as they are.
bool IsModifierOnly(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
      return true;
    default:
      return qtKey >= Qt::Key_Dead_Grave && qtKey <= Qt::Key_Dead_Longsolidusoverlay;
  }
}

}  // namespace

struct cuiSheet::State {
  State(cmcGTex& t, cmcEvMan& e) : texts(t), events(e) {}

  cmcGTex& texts;
  cmcEvMan& events;
  CellBehaviourCallback callback;
  std::optional<cmcCellCapsule> requester;  // list mode: the cell that opened the list
  SheetPosition saved;
  unsigned focusCellId = kCellIdNone;
  int32_t focusIndex = 0;
  const QList<QPixmap>* marks = nullptr;

  QFrame* titlePanel = nullptr;
  QLabel* title = nullptr;
  QFrame* gridPanel = nullptr;
  cuiGrid* grid = nullptr;
  const ComponentId gridId = NewComponentId();  // the grid's number in events
  InPlaceEditor* editor = nullptr;
  CellPosition edited;
  CellPopupMenu* menu = nullptr;
  const cmcCellObj* menuCell = nullptr;
  std::optional<CellPainter> painter;

  bool built = false;
  bool extend = false;  // Shift is down for the move being made
  bool mouseSelecting = false;
  SelectionState selection;
  CellPosition remembered;
  CellPosition lastPointerCell;   // list mode
  bool listCursorHidden = false;  // list mode: no entry stands for the value; the first move shows the cursor
  CellDocument* document = nullptr;
  QTimer* repeatTimer = nullptr;
  int32_t pendingRepeat = 0;  // the key waiting for its repeat timer; 0 for none
  int repeatChain = 0;
};

cuiSheet::cuiSheet(QWidget* parent, cmcGTex& texts, SheetDisplayStore* display, cmcEvMan& events,
                   CellDocument* document)
    : QWidget(parent),
      layout_(std::make_unique<SheetLayout>(SheetEnvironment{texts, ScreenMeasure(), display, document})),
      state_(std::make_unique<State>(texts, events)) {
  state_->document = document;
  CreatePanels();
  events.Register(&cuiSheet::OnEvent, this);
}

cuiSheet::~cuiSheet() {
  State& s = *state_;
  s.events.Unregister(&cuiSheet::OnEvent, this);
  s.events.Send(EV_ComponentGone, 0, s.gridId);
  if (s.editor != nullptr) s.editor->hooks = {};
  s.grid->hooks = {};
  if (s.built && !layout_->Printing() && !layout_->ListMode()) {
    SyncGridSizes();
    layout_->SaveColumnWidths();
  }
}

void cuiSheet::SetSavedPosition(const SheetPosition& position) { state_->saved = position; }
void cuiSheet::SetCallback(CellBehaviourCallback callback) { state_->callback = callback; }
void cuiSheet::SetMarkImages(const QList<QPixmap>* images) { state_->marks = images; }
void cuiSheet::SetRequestingCell(const cmcCellCapsule& request) { state_->requester = request; }

void cuiSheet::HideListCursor() {
  state_->listCursorHidden = true;
  state_->grid->InvalidateAll();
}

void cuiSheet::SetInitialFocus(unsigned cellId, int32_t index) {
  state_->focusCellId = cellId;
  state_->focusIndex = index;
}

cuiGrid& cuiSheet::Grid() { return *state_->grid; }
ComponentId cuiSheet::GridId() const { return state_->gridId; }
std::string cuiSheet::GetTitle() const { return layout_->Title(); }
bool cuiSheet::IsPrintable() const { return layout_->Model().IsPrintable(layout_->Style()); }
bool cuiSheet::IsInPrintAll(const PrintAllChoices& choices) const {
  return layout_->Model().IsInPrintAll(layout_->Style(), choices);
}
bool cuiSheet::EditorVisible() const { return state_->editor != nullptr && state_->editor->IsOpen(); }

SheetPosition cuiSheet::GetPosition() const {
  const cuiGrid& grid = *state_->grid;
  return {grid.Col(), grid.Row(), grid.LeftCol(), grid.TopRow()};
}

int cuiSheet::GetWantedWidth() const {
  return width() + state_->grid->TotalWidth() - state_->grid->viewport()->width();
}

int cuiSheet::GetWantedHeight() const {
  return height() + state_->grid->TotalHeight() - state_->grid->viewport()->height();
}

// ---------------------------------------------------------------------------------------------
// Building

void cuiSheet::CreatePanels() {
  State& s = *state_;
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  s.titlePanel = new QFrame(this);
  s.titlePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  s.titlePanel->setLineWidth(2);
  s.titlePanel->setAutoFillBackground(true);
  s.title = new QLabel(s.titlePanel);
  s.title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  auto* titleLayout = new QVBoxLayout(s.titlePanel);
  titleLayout->setContentsMargins(2, 2, 2, 2);
  titleLayout->addWidget(s.title);
  s.titlePanel->hide();
  s.gridPanel = new QFrame(this);
  auto* gridLayout = new QVBoxLayout(s.gridPanel);
  s.grid = new cuiGrid(s.gridPanel);
  gridLayout->addWidget(s.grid);
  layout->addWidget(s.titlePanel);
  layout->addWidget(s.gridPanel, 1);
  s.menu = new CellPopupMenu(s.grid, s.texts);
  s.menu->chosen = [this](unsigned cellId) { RunMenuEntry(cellId); };
}

void cuiSheet::Build() {
  State& s = *state_;
  if (!s.callback) Fatal("A sheet was built without its cell behaviour.");
  layout_->Build();
  ShowTitle();
  ConfigureGrid();
  s.built = true;
  AttachGridHooks();
  layout()->activate();
  PlaceInitialCursor();
  s.grid->InvalidateAll();
  UpdatePopupMenu(nullptr);
  UpdateInputMethod();
}

void cuiSheet::ShowTitle() {
  State& s = *state_;
  if (layout_->Style().titleString.empty()) return;
  const QFont font = QtFont(layout_->Style().titleFont.value_or(CellFont{}));
  QPalette palette = s.titlePanel->palette();
  palette.setColor(QPalette::Window, QtColor(layout_->Style().titleColor, palette));
  if (layout_->Style().titleFont)
    palette.setColor(QPalette::WindowText, QtColor(layout_->Style().titleFont->color, palette));
  s.titlePanel->setPalette(palette);
  s.title->setFont(font);
  RefreshTitle();
  s.titlePanel->setFixedHeight(QFontMetrics(font).height() + s.titlePanel->lineWidth() + 8);
  s.titlePanel->show();
}

// The title panel follows the page: a renamed bank or group, entries added or removed.
void cuiSheet::RefreshTitle() {
  if (layout_->Style().titleString.empty()) return;
  const QString text = DisplayText(layout_->StatusText());
  if (state_->title->text() != text) state_->title->setText(text);
}

// The list grew or shrank by one row at its end; the cursor leaves a row that is gone.
void cuiSheet::ListRowsChanged(bool removed) {
  State& s = *state_;
  if (removed ? !layout_->RemoveListRow() : !layout_->AddListRow()) return;
  s.menuCell = nullptr;
  if (removed && Current().row >= layout_->RowCount()) MoveTo({Current().column, layout_->RowCount() - 1});
  s.grid->SetSize(layout_->ColumnCount(), layout_->RowCount());
  SyncGridSizes();
  UpdatePopupMenu(nullptr);
  RefreshTitle();
  s.grid->InvalidateAll();
}

void cuiSheet::ConfigureGrid() {
  State& s = *state_;
  const int bevel = layout_->ListMode() ? 1 : 2;
  s.gridPanel->setFrameStyle(QFrame::Panel | (layout_->ListMode() ? QFrame::Raised : QFrame::Sunken));
  s.gridPanel->setLineWidth(bevel);
  s.gridPanel->layout()->setContentsMargins(layout_->ListMode() ? 2 : 0, layout_->ListMode() ? 2 : 0,
                                            layout_->ListMode() ? 2 : 0, layout_->ListMode() ? 2 : 0);
  QPalette palette = s.grid->viewport()->palette();
  palette.setColor(QPalette::Base, QtColor(layout_->BasicCell().color, palette));
  s.grid->viewport()->setPalette(palette);
  s.gridPanel->setFont(QtFont(EffectiveFont(layout_->BasicCell())));
  s.grid->SetDefaultSizes(1, 1);
  s.grid->SetSize(layout_->ColumnCount(), layout_->RowCount());
  SyncGridSizes();
  s.grid->SetFixed(layout_->FixedColumnCount(), layout_->FixedRowCount());
  s.grid->SetColumnSizing(layout_->Style().columnSizing);
  const QPalette& colours = QWidget::palette();
  s.painter.emplace(CellPainter::Target{1.0, false, colours, CellPainter::InactiveSelectionColour(colours),
                                        CellPainter::CurrentLineColour(colours), s.marks});
}

void cuiSheet::SyncGridSizes() {
  cuiGrid& grid = *state_->grid;
  for (int column = 0; column < layout_->ColumnCount(); ++column) {
    if (grid.ColWidth(column) != layout_->ColumnWidth(column)) grid.SetColWidth(column, layout_->ColumnWidth(column));
  }
  for (int row = 0; row < layout_->RowCount(); ++row) {
    if (grid.RowHeight(row) != layout_->RowHeight(row)) grid.SetRowHeight(row, layout_->RowHeight(row));
  }
}

void cuiSheet::AttachGridHooks() {
  cuiGrid::Hooks& hooks = state_->grid->hooks;
  hooks.selectCell = [this](int column, int row) { return OnSelectCell(column, row); };
  hooks.drawCell = [this](QPainter& painter, int column, int row, const QRect& rect) {
    DrawCell(painter, column, row, rect);
  };
  hooks.columnWidthsChanged = [this] { AfterUserSizing(); };
  hooks.timedScroll = [this](int directions) {
    const auto has = [directions](int bit) { return (directions & bit) != 0 ? 1 : 0; };
    MoveCursor(has(cuiGrid::kScrollRight) - has(cuiGrid::kScrollLeft),
               has(cuiGrid::kScrollDown) - has(cuiGrid::kScrollUp));
  };
  hooks.focusGained = [this] { OnFocusGained(); };
  hooks.focusLost = [this] { OnFocusLost(); };
  hooks.compositionStarted = [this] { SendRequest(Grid().Col(), Grid().Row(), kKeyInputMethodStart, 0, nullptr); };
  hooks.keyPressed = [this](QKeyEvent& event) { return OnKey(event); };
  hooks.mousePressed = [this](QMouseEvent& event) { return OnMousePress(event); };
  hooks.mouseReleased = [this](QMouseEvent& event) { return OnMouseRelease(event); };
  hooks.mouseMoved = [this](QMouseEvent& event) { return OnMouseMove(event); };
  hooks.doubleClicked = [this](QMouseEvent& event) { return OnDoubleClick(event); };
  hooks.wheel = [this](QWheelEvent& event) { return OnWheel(event); };
}

void cuiSheet::PlaceInitialCursor() {
  State& s = *state_;
  const CellPosition first = FirstSelectableCell(layout_->Cells());
  if (first.IsSet()) MoveTo(first);
  MoveCursor(0, 0);
  const SheetPosition& saved = s.saved;
  const bool savedInside = saved.IsSet() && saved.column < layout_->ColumnCount() && saved.row < layout_->RowCount() &&
                           saved.leftColumn < layout_->ColumnCount() && saved.topRow < layout_->RowCount();
  if (savedInside) {
    if (layout_->Cells().IsSelectable(saved.column, saved.row)) MoveTo({saved.column, saved.row});
    s.grid->SetTopLeft(saved.leftColumn, saved.topRow);
    return;
  }
  if (s.focusCellId == kCellIdNone) return;
  const CellPosition focus = FindSelectableCell(layout_->Cells(), s.focusCellId, s.focusIndex);
  if (focus.IsSet()) MoveTo(focus);
}

// The user has dragged a column edge: the grid's widths become the layout's, held to limits.
void cuiSheet::AfterUserSizing() {
  cuiGrid& grid = *state_->grid;
  for (int column = 0; column < layout_->ColumnCount(); ++column)
    layout_->SetColumnWidth(column, grid.ColWidth(column));
  layout_->LimitColumnWidths(grid.viewport()->width());
  SyncGridSizes();
}

void cuiSheet::AutoSizeColumn(int column) {
  QtCellTextMeasure& measure = ScreenMeasure();
  const int margin = layout_->ScaledPixels(8);
  int width = 0;
  for (int row = 0; row < layout_->RowCount(); ++row) {
    cmcCellObj& cell = layout_->GetCell(column, row);
    std::string text;
    if (row < layout_->FixedRowCount()) {
      const bool spans = column + 1 < layout_->ColumnCount() && layout_->GetCell(column + 1, row).Continuation();
      if (spans) continue;
      text = GetCaption(cell);
    } else if (cell.cellId != kCellIdNone) {
      cmcCellCapsule request;
      PrepareRequest(column, row, request);
      state_->callback(request, kCellQuery);
      text = request.outputText;
    } else {
      text = GetCaption(cell);
    }
    const CellFont font = EffectiveFont(cell);
    std::string_view rest = text;
    while (true) {
      const auto end = rest.find('\n');
      width = std::max(width, measure.Width(font, rest.substr(0, end)) + margin);
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
  }
  layout_->SetColumnWidth(column, width);
}

void cuiSheet::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::PaletteChange || !state_->painter) return;
  const QPalette& colours = QWidget::palette();
  state_->painter.emplace(CellPainter::Target{1.0, false, colours, CellPainter::InactiveSelectionColour(colours),
                                              CellPainter::CurrentLineColour(colours), state_->marks});
  state_->grid->InvalidateAll();
}

// ---------------------------------------------------------------------------------------------
// Drawing

CellPosition cuiSheet::OwnerOfAttached(int column, int row) const {
  int owner = column;
  while (owner >= 0 && layout_->Cells().Entry(owner, row).cell.Attached()) {
    if (--owner < 0) return {};
    if (layout_->Cells().IsSelectable(owner, row)) return {owner, row};
  }
  return layout_->Cells().IsSelectable(column, row) ? CellPosition{column, row} : CellPosition{};
}

bool cuiSheet::DrawnSelected(int column, int row) const {
  const cuiGrid& grid = *state_->grid;
  const bool current = column == grid.Col() && row == grid.Row() && !state_->listCursorHidden;
  if (current || layout_->Cells().Entry(column, row).MarkedSelected()) return true;
  if (row != grid.Row() || !layout_->Cells().Entry(column, row).cell.Attached()) return false;
  const CellPosition owner = OwnerOfAttached(column, row);
  return owner.IsSet() && owner.column != column && DrawnSelected(owner.column, row);
}

void cuiSheet::DrawCell(QPainter& painter, int column, int row, const QRect& rect) {
  State& s = *state_;
  if (!s.built || rect.isEmpty()) return;
  cuiGrid& grid = *s.grid;
  int owner = column;
  QRect area = rect;
  while (owner > 0 && layout_->GetCell(owner, row).Continuation()) {
    --owner;
    area.setLeft(area.left() - grid.ColWidth(owner));
  }
  cmcCellObj& cell = layout_->GetCell(owner, row);
  CellPainter::Job job;
  job.cell = &cell;
  job.rect = area;
  const bool lastShown =
      column + 1 >= layout_->ColumnCount() || (column >= grid.FixedCols() && column >= grid.LastVisibleCol());
  job.rightBorder = !lastShown && !layout_->GetCell(column + 1, row).Continuation();
  if (DrawnSelected(owner, row)) {
    const bool focused = grid.hasFocus() || layout_->ListMode();
    // While the editor is open the other selected cells stay marked: Fill takes them.
    const bool edited = EditorVisible() && owner == state_->edited.column && row == state_->edited.row;
    job.background = edited    ? CellPainter::Background::Editing
                     : focused ? CellPainter::Background::Highlight
                               : CellPainter::Background::InactiveSelection;
  } else if (row == grid.Row() && layout_->Style().colorSelectLine && owner >= grid.FixedCols() &&
             !layout_->ListMode()) {
    job.background = CellPainter::Background::CurrentLine;
  }
  FillCellPaintJob(job, painter, s.callback, [&](cmcCellCapsule& request) { PrepareRequest(owner, row, request); });
  s.painter->Paint(painter, job);
}

// A cell and the cells that draw with it: continuations to its right and an attached
// neighbour.
void cuiSheet::RepaintCell(CellPosition cell) {
  if (!layout_->Cells().Contains(cell)) return;
  cuiGrid& grid = *state_->grid;
  grid.InvalidateCell(cell.column, cell.row);
  for (int column = cell.column + 1; column < layout_->ColumnCount(); ++column) {
    const cmcCellObj& next = layout_->GetCell(column, cell.row);
    if (!next.Continuation() && !next.Attached()) break;
    grid.InvalidateCell(column, cell.row);
  }
}

void cuiSheet::RepaintCells(const std::vector<CellPosition>& cells) {
  for (const CellPosition& cell : cells) RepaintCell(cell);
}

void cuiSheet::RepaintRow(int row) { state_->grid->InvalidateRow(row); }

void cuiSheet::RepaintRelated(const cmcCellCapsule& request, uint32_t scope) {
  if (request.cell == nullptr) return;
  const cmcCellObj& asked = *request.cell;
  cuiGrid& grid = *state_->grid;
  for (int row = 0; row < layout_->RowCount(); ++row) {
    if (row >= grid.FixedRows() && (row < grid.TopRow() || row > grid.LastVisibleRow())) continue;
    for (int column = 0; column < layout_->ColumnCount(); ++column) {
      if (InRepaintScope(asked, layout_->GetCell(column, row), scope)) RepaintCell({column, row});
    }
  }
}

void cuiSheet::RepaintIndex(int32_t index) {
  cmcCellObj probe;
  probe.category = CT_Null;
  probe.index = index;
  cmcCellCapsule request;
  request.cell = &probe;
  RepaintRelated(request, kRepaintSameIndex);
}

void cuiSheet::RepaintThunk(const cmcCellCapsule& request, uint32_t scope, void* object) {
  static_cast<cuiSheet*>(object)->RepaintRelated(request, scope);
}

// ---------------------------------------------------------------------------------------------
// Requests

void cuiSheet::PrepareRequest(int column, int row, cmcCellCapsule& request) {
  State& s = *state_;
  request = cmcCellCapsule{};
  request.owner = s.grid;
  request.cell = &layout_->GetCell(column, row);
  request.markImages = const_cast<QList<QPixmap>*>(s.marks);
  if (s.requester) request.parent = &*s.requester;
  request.repaint = {&cuiSheet::RepaintThunk, this};
  request.editor = {&cuiSheet::EditorThunk, this};
  if (column == s.grid->Col() && row == s.grid->Row()) request.flags |= kRequestCurrentCell;
  if (layout_->Printing()) request.flags |= kRequestPrinting;
  request.sheetName = layout_->GetName();
  request.sheetArgument = layout_->GetArgument();
  request.sheet = layout_.get();
  FillRequestRange(request, layout_->Cells(), s.selection, layout_->FixedColumnCount(), s.grid->Row());
}

void cuiSheet::SendRequest(int column, int row, int32_t key, int32_t command, const std::string* text) {
  FlushRepeat();
  state_->repeatChain = 0;
  DispatchRequest(column, row, key, command, text);
}

// The next step of a key chain waits on a single-shot timer; anything the user does before it
// fires lets it go first, so keys keep their order.
void cuiSheet::ScheduleRepeat(int32_t key) {
  State& s = *state_;
  if (s.repeatChain >= kRepeatLimit) return;
  if (s.repeatTimer == nullptr) {
    s.repeatTimer = new QTimer(this);
    s.repeatTimer->setSingleShot(true);
    connect(s.repeatTimer, &QTimer::timeout, this, [this] { FlushRepeat(); });
  }
  s.pendingRepeat = key;
  s.grid->update();
  s.repeatTimer->start(s.repeatChain < 5 ? kRepeatWaitsMs[s.repeatChain] : 1);
}

bool cuiSheet::FlushRepeat() {
  State& s = *state_;
  if (s.pendingRepeat == 0) return false;
  const int32_t key = s.pendingRepeat;
  s.pendingRepeat = 0;
  s.repeatTimer->stop();
  ++s.repeatChain;
  DispatchRequest(s.grid->Col(), s.grid->Row(), key, 0, nullptr);
  return true;
}

bool cuiSheet::ShowCell(unsigned category, unsigned cellId, int32_t index) {
  const CellPosition target = FindSelectableCell(layout_->Cells(), category, cellId, index);
  if (!target.IsSet()) return false;
  EndSelection();
  MoveTo(target);
  return true;
}

void cuiSheet::Fill() {
  State& s = *state_;
  if (s.editor != nullptr && s.editor->IsOpen()) return s.editor->CloseToFill();
  RunEditCommand(CL_Menu_Edit_Fill, 0);
}

void cuiSheet::RunEditCommand(unsigned cellId, int32_t argument) {
  FlushRepeat();
  state_->repeatChain = 0;
  DispatchRequest(Grid().Col(), Grid().Row(), 0, static_cast<int32_t>(cellId), nullptr, argument);
}

void cuiSheet::DispatchRequest(int column, int row, int32_t key, int32_t command, const std::string* text,
                               int32_t argument) {
  State& s = *state_;
  cmcCellCapsule request;
  PrepareRequest(column, row, request);
  request.actionGrid = s.grid;
  request.key = key;
  request.command = command;
  request.commandArgument = argument;
  if (text != nullptr) {
    request.inputKind = kInputCommitted;
    request.key = 0;
    request.inputText = *text;
  }
  if (layout_->ListMode()) {
    if ((key != kKeyEnter && key != kKeyDoubleClick) || !s.requester || s.listCursorHidden) return;
    cmcCellCapsule pick = *s.requester;
    pick.parent = &request;
    pick.inputKind = kInputPicked;
    pick.key = 0;
    if (command == CL_Menu_Edit_Fill) pick.command = command;
    s.callback(pick, kCellAction);
    window()->hide();
    return;
  }
  const int result = s.callback(request, kCellAction);
  if (request.moveRequest != 0) MoveToTarget(request);
  if (result == kCellResultRefresh) {
    EndSelection();
    s.grid->InvalidateAll();
  }
  // The editor opened by a key keeps the selection for Fill.
  const bool editing = result == kCellResultEdit;
  if (editing) OpenEditorWith(request);
  if (HasPopup(request.popup)) OpenPopup(column, row, request);
  if (request.repeatKey != 0) ScheduleRepeat(request.repeatKey);
  const bool multiSelect = layout_->Style().multiSelect != MultiSelectMode::None;
  if (multiSelect && (request.rangeFlags & kRangeApplied) != 0) {
    const IndexRange range{request.rangeLow, request.rangeHigh};
    RepaintCells(SelectAppliedRange(layout_->Cells(), s.selection,
                                    {layout_->Style().multiSelect, layout_->FixedColumnCount()}, Current(), range));
  } else if (!editing) {
    EndSelection();
    UpdateSelectionTo(Current());
  }
  s.events.Send(EV_MenuRefresh);
}

void cuiSheet::MoveToTarget(const cmcCellCapsule& request) {
  const CellPosition target =
      FindSelectableCell(layout_->Cells(), request.moveCategory, request.moveCellId, request.moveIndex);
  if (target.IsSet()) MoveTo(target);
}

// ---------------------------------------------------------------------------------------------
// Cursor and selection

CellPosition cuiSheet::Current() const { return {state_->grid->Col(), state_->grid->Row()}; }

bool cuiSheet::MoveCursor(int dx, int dy) {
  State& s = *state_;
  const bool single = std::abs(dx) + std::abs(dy) <= 1;
  const bool noScrollBars =
      s.grid->TotalWidth() <= s.grid->viewport()->width() && s.grid->TotalHeight() <= s.grid->viewport()->height();
  const CursorFrame frame{layout_->FixedColumnCount(), layout_->FixedRowCount(), layout_->FirstSelectableColumn(),
                          layout_->FirstSelectableRow(), layout_->ListMode() && single && noScrollBars};
  const CursorMove move = FindCursorMove(layout_->Cells(), frame, Current(), s.remembered, dx, dy);
  if (!move.cell.IsSet()) return false;
  MoveTo(move.cell);
  if (move.showFixedColumns) s.grid->SetTopLeft(s.grid->FixedCols(), s.grid->TopRow());
  if (move.showFixedRows) s.grid->SetTopLeft(s.grid->LeftCol(), s.grid->FixedRows());
  return move.moved;
}

void cuiSheet::MoveTo(CellPosition cell) {
  const CellPosition previous = Current();
  UpdateSelectionTo(cell);
  state_->grid->SetCurrentCell(cell.column, cell.row);
  AfterCurrentChanged(previous);
}

// Announces a new current cell, retints the rows and follows it with the menu and the input
// method.
void cuiSheet::AfterCurrentChanged(CellPosition previous) {
  State& s = *state_;
  const CellPosition now = Current();
  if (now == previous) return;
  if (s.listCursorHidden) {
    s.listCursorHidden = false;
    s.grid->InvalidateAll();
  }
  if (now.row != previous.row && !layout_->ListMode()) {
    RepaintRow(previous.row);
    RepaintRow(now.row);
  }
  const cmcCellObj& cell = layout_->GetCell(now.column, now.row);
  const int32_t block[3] = {static_cast<int32_t>(cell.category), static_cast<int32_t>(cell.cellId), cell.index};
  s.events.PostData(EV_CurrentCellChanged, reinterpret_cast<const uint8_t*>(block), sizeof block);
  UpdatePopupMenu(nullptr);
  UpdateInputMethod();
}

void cuiSheet::UpdateSelectionTo(CellPosition target) {
  State& s = *state_;
  const bool extend = s.extend || s.mouseSelecting;
  RepaintCells(UpdateSelection(layout_->Cells(), s.selection,
                               {layout_->Style().multiSelect, layout_->FixedColumnCount()}, Current(), target, extend));
  if (layout_->Style().multiSelect == MultiSelectMode::Line) s.grid->InvalidateAll();
}

void cuiSheet::EndSelection() { RepaintCells(EndMultiSelection(layout_->Cells(), state_->selection)); }

void cuiSheet::OnCellSelected(cmcCellObj&) {}

bool cuiSheet::OnSelectCell(int column, int row) {
  State& s = *state_;
  CloseEditor(true);
  if (!MayBecomeCurrent(layout_->Cells(), {column, row}, s.selection.active)) return false;
  OnCellSelected(layout_->GetCell(column, row));
  MoveTo({column, row});
  return true;
}

// ---------------------------------------------------------------------------------------------
// Keys, mouse, wheel, focus

bool cuiSheet::OnKey(QKeyEvent& event) {
  State& s = *state_;
  if (FlushRepeat() && EditorVisible()) {
    QCoreApplication::sendEvent(s.editor, &event);
    return true;
  }
  if (IsModifierOnly(event.key())) return false;
  CloseEditor(true);
  s.events.SendText(EV_StatusMessage, 0, 0, "");
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  s.extend = modifiers & Qt::ShiftModifier;
  const int key = event.key();
  const CellPosition at = Current();
  bool handled = true;
  if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
    MoveCursor(0, key == Qt::Key_PageUp ? -kPageRows : kPageRows);
  } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
    const bool left = key == Qt::Key_Left;
    if (!MoveCursor(left ? -1 : 1, 0))
      SendRequest(at.column, at.row, left ? kKeyLeftAtEdge : kKeyRightAtEdge, 0, nullptr);
  } else if (key == Qt::Key_Down && modifiers == Qt::AltModifier) {
    SendRequest(at.column, at.row, kKeyEnter, 0, nullptr);  // opens the cell's list, as in spreadsheets
  } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
    if (modifiers != Qt::ControlModifier) MoveCursor(0, key == Qt::Key_Up ? -1 : 1);
  } else if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
    SendRequest(at.column, at.row, FunctionKeyCode(key), 0, nullptr);
  } else if (key == Qt::Key_Home || key == Qt::Key_End) {
  } else if (key == Qt::Key_X && modifiers == Qt::ControlModifier) {
    Cut();
  } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::ControlModifier &&
             layout_->ListMode()) {
    SendRequest(at.column, at.row, kKeyEnter, CL_Menu_Edit_Fill, nullptr);  // the pick fills the selected cells
  } else if (!event.text().isEmpty() && !(modifiers & Qt::ControlModifier)) {
    SendTypedText(event.text());
  } else {
    handled = false;
  }
  s.extend = false;
  return handled;
}

// Ctrl+X as in a spreadsheet: the rows go to the clipboard and are emptied, on pages whose
// menu offers both Copy and Clear.
void cuiSheet::Cut() {
  State& s = *state_;
  if (!s.menu->HasEntry(CL_PMenu_Copy) || !s.menu->HasEntry(CL_PMenu_Clear)) return;
  RunMenuEntry(CL_PMenu_Copy);
  RunMenuEntry(CL_PMenu_Clear);
}

// Copy and Paste also reach the desktop's clipboard: the copied rows go there as text, and a
// paste first looks whether another program has put text there since.
void cuiSheet::RunMenuEntry(unsigned cellId) {
  State& s = *state_;
  if (s.document != nullptr && cellId == CL_PMenu_Paste) NoteSystemClipboard(s.document->Clipboard());
  SendRequest(Grid().Col(), Grid().Row(), 0, static_cast<int32_t>(cellId), nullptr);
  if (s.document != nullptr && cellId == CL_PMenu_Copy) PlaceCopiedText(s.document->Clipboard());
}

// Each byte of a typed character goes to the current cell as a key, as double-byte
// characters arrive in the program's code page: lead byte first.
void cuiSheet::SendTypedText(const QString& text) {
  for (const QChar c : text) {
    const bool control = c.unicode() < 32 && c.unicode() != kKeyBackspace && c.unicode() != kKeyEnter;
    if (control || c.unicode() == 127) continue;
    for (const char byte : ProgramText(QString(c))) {
      SendRequest(Grid().Col(), Grid().Row(), static_cast<unsigned char>(byte), 0, nullptr);
    }
  }
}

bool cuiSheet::OnMousePress(QMouseEvent& event) {
  State& s = *state_;
  s.extend = event.modifiers() & Qt::ShiftModifier;
  if (event.button() == Qt::LeftButton) {
    // The pressed cell becomes current as a click (or a Shift click) makes it; only the cells
    // the pointer reaches while the button stays down extend the selection from there.
    int column = 0;
    int row = 0;
    if (s.grid->CellAt(event.position().toPoint(), column, row) && CellPosition{column, row} != Current()) {
      s.grid->TrySelectCell(column, row);
    }
    s.mouseSelecting = true;
    return false;
  }
  if (event.button() != Qt::RightButton) return true;
  int column = 0;
  int row = 0;
  if (!s.grid->CellAt(event.position().toPoint(), column, row)) return true;
  bool becameCurrent = false;
  if (!s.selection.active) {
    const CellPosition owner = OwnerOfAttached(column, row);
    if (owner.IsSet()) becameCurrent = Current() == owner || s.grid->TrySelectCell(owner.column, owner.row);
  }
  const bool header = layout_->Style().columnCutMenu && row < layout_->FixedRowCount();
  if (becameCurrent || header) {
    ShowPopupMenu(event.globalPosition().toPoint(), header ? &layout_->GetCell(column, row) : nullptr);
  }
  return true;
}

bool cuiSheet::OnMouseRelease(QMouseEvent& event) {
  State& s = *state_;
  s.mouseSelecting = false;
  s.extend = false;
  if (layout_->ListMode() && event.button() == Qt::LeftButton)
    SendRequest(Grid().Col(), Grid().Row(), kKeyDoubleClick, 0, nullptr);
  return false;
}

bool cuiSheet::OnMouseMove(QMouseEvent& event) {
  State& s = *state_;
  if (!layout_->ListMode() || EditorVisible()) return false;
  int column = 0;
  int row = 0;
  if (!s.grid->CellAt(event.position().toPoint(), column, row)) return false;
  const CellPosition under{column, row};
  if (under == s.lastPointerCell) return false;
  s.lastPointerCell = under;
  if (layout_->Cells().IsSelectable(under) && under != Current()) s.grid->TrySelectCell(column, row);
  return false;
}

bool cuiSheet::OnDoubleClick(QMouseEvent& event) {
  State& s = *state_;
  cuiGrid& grid = *s.grid;
  const QPoint point = event.position().toPoint();
  int column = 0;
  int row = 0;
  const bool inCells = grid.CellAt(point, column, row);
  if (layout_->Style().columnSizing) {
    int sized = -1;
    if (inCells && row < layout_->FixedRowCount()) sized = grid.ColumnEdgeNear(point.x(), kEdgeTolerance);
    const int right = grid.RightEdgeOfCells();
    if (!inCells && point.x() >= right && point.x() <= right + kEdgeTolerance) sized = grid.LastVisibleCol();
    if (sized >= 0) {
      AutoSizeColumn(sized);
      layout_->LimitColumnWidths(grid.viewport()->width());
      SyncGridSizes();
    }
  }
  if (inCells && OwnerOfAttached(column, row) == Current()) SendRequest(column, row, kKeyDoubleClick, 0, nullptr);
  return true;
}

bool cuiSheet::OnWheel(QWheelEvent&) {
  State& s = *state_;
  if (!window()->isEnabled()) return true;
  if (layout_->ListMode()) return false;
  const cmcEvAns& answer = s.events.Query(EV_QueryIsPopup, 0, s.gridId);
  return answer.answered && answer.value1 != 0;
}

void cuiSheet::OnFocusGained() {
  UpdatePopupMenu(nullptr);
  UpdateInputMethod();
  state_->grid->InvalidateAll();
}

void cuiSheet::OnFocusLost() {
  State& s = *state_;
  s.menu->Clear();
  s.menuCell = nullptr;
  s.events.Send(EV_MenuClearSub, 0, CL_Menu_Edit_Top);
  s.grid->InvalidateAll();
}

// ---------------------------------------------------------------------------------------------
// Pop-ups

void cuiSheet::OpenPopup(int column, int row, const cmcCellCapsule& request) {
  State& s = *state_;
  CellPopupContext context;
  context.ownerGrid = s.grid;
  context.ownerId = s.gridId;
  context.texts = &s.texts;
  context.events = &s.events;
  context.document = s.document;
  context.behaviour = s.callback;
  context.marks = s.marks;
  const QRect cell = s.grid->CellRect(column, row);
  context.cellOnScreen = QRect(s.grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
  OpenCellPopup(context, request);
}

// ---------------------------------------------------------------------------------------------
// In-place editor

void cuiSheet::OpenEditorWith(const cmcCellCapsule& request) { OpenEditor(Grid().Col(), Grid().Row(), request); }

void cuiSheet::EditorThunk(cmcCellCapsule& request, void* object) {
  static_cast<cuiSheet*>(object)->OpenEditorWith(request);
}

InPlaceEditor& cuiSheet::Editor() {
  State& s = *state_;
  if (s.editor != nullptr) return *s.editor;
  s.editor = new InPlaceEditor(s.grid->viewport());
  s.editor->hooks.commit = [this](const QString& text) {
    const std::string bytes = ProgramText(text);
    SendRequest(state_->edited.column, state_->edited.row, 0, 0, &bytes);
  };
  s.editor->hooks.fill = [this](const QString& text) {
    const std::string bytes = ProgramText(text);
    SendRequest(state_->edited.column, state_->edited.row, 0, CL_Menu_Edit_Fill, &bytes);
  };
  s.editor->hooks.returnFocus = [this] { state_->grid->setFocus(Qt::OtherFocusReason); };
  s.editor->hooks.leftByKey = [this](int key) {
    const int step = key == Qt::Key_Up || key == Qt::Key_Down ? 1 : kPageRows;
    MoveCursor(0, key == Qt::Key_Up || key == Qt::Key_PageUp ? -step : step);
  };
  return *s.editor;
}

// The cursor goes to the cell, and the multi-selection ends unless the cell is the current
// one (whose selection Fill takes); the editor opens with the request's text, selection and
// maximum length on a cell that shows at least one pixel.
void cuiSheet::OpenEditor(int column, int row, const cmcCellCapsule& request) {
  State& s = *state_;
  InPlaceEditor& editor = Editor();
  if (CellPosition{column, row} != Current()) {
    EndSelection();
    MoveTo({column, row});
  }
  const cmcCellObj& cell = layout_->GetCell(column, row);
  InPlaceEditor::Opening opening;
  opening.rect = EditorRect(cell, s.grid->CellRect(column, row));
  opening.font = QtFont(EffectiveFont(cell));
  opening.multiLine = cell.WordWrap();
  opening.inputMethod = cell.InputMethod();
  opening.maxLength = request.maxLength;
  opening.text = DisplayText(request.outputText);
  opening.selectionStart = request.selectionStart;
  opening.selectionLength = request.selectionLength;
  s.edited = {column, row};
  editor.Open(opening);
}

QRect cuiSheet::EditorRect(const cmcCellObj& cell, QRect rect) const {
  if (rect.isEmpty()) return rect;
  const int cellHeight = rect.height();
  const QFontMetrics metrics(QtFont(EffectiveFont(cell)));
  const int lineHeight = metrics.height() + 2;
  if (!cell.WordWrap() && metrics.boundingRect(QLatin1Char('A')).height() < cellHeight && lineHeight < cellHeight) {
    int top = rect.top();
    if (cell.VAlign() == kAlignMiddle) top += (cellHeight - lineHeight) / 2;
    if (cell.VAlign() == kAlignBottom) top = rect.bottom() + 1 - lineHeight;
    rect = QRect(rect.left(), top, rect.width(), lineHeight);
  }
  if (cell.hasCombination) {
    rect.setTop(rect.top() - cell.combination[1] * cellHeight);
    rect.setHeight(rect.height() + (cell.combination[1] + cell.combination[2]) * cellHeight);
  }
  if (cell.RightBorderKind() != kRightBorderNone) rect.setWidth(rect.width() - 1);
  return rect;
}

void cuiSheet::CloseEditor(bool commit) {
  if (state_->editor != nullptr) state_->editor->Close(commit);
}

void cuiSheet::CommitEdit() { CloseEditor(true); }

// ---------------------------------------------------------------------------------------------
// Pop-up menu and input method

void cuiSheet::UpdatePopupMenu(const cmcCellObj* headerCell) {
  State& s = *state_;
  if (!s.built) return;
  const cmcCellObj& cell = headerCell != nullptr ? *headerCell : layout_->GetCell(Current().column, Current().row);
  const std::string key = FindPopupMenuKey(cell, headerCell != nullptr).value_or(std::string());
  if (!s.grid->hasFocus() || (&cell == s.menuCell && key == s.menu->Key())) return;
  s.menu->Build(key);
  s.menuCell = &cell;
  s.events.SendText(EV_MenuFillSub, 0, CL_Menu_Edit_Top, key);
}

void cuiSheet::ShowPopupMenu(QPoint globalPosition, const cmcCellObj* headerCell) {
  State& s = *state_;
  UpdatePopupMenu(headerCell);
  if (s.menu->Key().empty()) return;
  cmcCellCapsule parent;
  PrepareRequest(Current().column, Current().row, parent);
  if (s.document != nullptr) NoteSystemClipboard(s.document->Clipboard());
  s.menu->Refresh(s.callback, parent);
  s.menu->popup(globalPosition);
}

void cuiSheet::UpdateInputMethod() {
  State& s = *state_;
  if (!s.built || layout_->ListMode()) return;
  const cmcCellObj& cell = layout_->GetCell(Current().column, Current().row);
  if (!cell.Selectable()) return;
  const bool allowed = cell.InputMethod();
  if (s.grid->testAttribute(Qt::WA_InputMethodEnabled) == allowed) return;
  if (!allowed && s.grid->hasFocus()) QGuiApplication::inputMethod()->commit();
  s.grid->setAttribute(Qt::WA_InputMethodEnabled, allowed);
  if (s.grid->hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

// ---------------------------------------------------------------------------------------------
// Events

void cuiSheet::OnEvent(void* user, const EventRecord& event) {
  auto& sheet = *static_cast<cuiSheet*>(user);
  State& s = *sheet.state_;
  if (!s.built) return;
  const auto answerText = [&s](const std::string& text) {
    s.events.AnswerData(reinterpret_cast<const uint8_t*>(text.c_str()), static_cast<int32_t>(text.size() + 1));
  };
  switch (event.code) {
    case EV_CommitEdit:
      sheet.CommitEdit();
      break;
    case EV_SheetRefreshAll:
      s.grid->InvalidateAll();
      break;
    case EV_SheetRefreshIndex:
      sheet.RepaintIndex(static_cast<int32_t>(event.p2));
      break;
    case EV_QueryCurrentCell:
      if (sheet.Layout().ListMode()) break;
      s.events.AnswerObject(sheet.Layout().GetCell(sheet.Current().column, sheet.Current().row));
      break;
    case EV_QuerySheetKey:
      if (!sheet.Layout().ListMode()) answerText(sheet.Layout().Key());
      break;
    case EV_QuerySheetName:
      if (!sheet.Layout().ListMode()) answerText(sheet.Layout().GetName());
      break;
    case EV_QueryListRange:
      if (const SheetList* list = sheet.Layout().Model().List(); list != nullptr && !sheet.Layout().ListMode()) {
        s.events.Answer(list->number, list->count);
      }
      break;
    case EV_ListEntryAdded:
      sheet.ListRowsChanged(false);
      break;
    case EV_ListEntryRemoved:
      sheet.ListRowsChanged(true);
      break;
    case EV_ListChanged:
      sheet.RefreshTitle();
      break;
    default:
      break;
  }
}
