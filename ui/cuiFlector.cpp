#include "ui/cuiFlector.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include "text/cmcCellObj.h"
#include "ui/DisplayText.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"
#include "values/IntegerList.h"

namespace {

bool IsListEntry(const cmcCellObj& cell) { return cell.cellId >= Flex0 && cell.cellId <= CL_FlexMark_RptDup; }

}  // namespace

cuiFlector::cuiFlector(const CellPopupContext& context, const cmcCellCapsule& request, const SelectionListPopup& list,
                       std::vector<std::string> generatedLines)
    : CellPopupWindow(context, request), generatedLines_(std::move(generatedLines)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  sheet_ = new cuiSheet(this, ListTexts(), nullptr, *context.events, context.document);
  layout->addWidget(sheet_);
  sheet_->Layout().SetName(list.listKey);
  sheet_->Layout().SetListMode(true);
  sheet_->SetCallback(context.behaviour);
  sheet_->SetMarkImages(context.marks);
  sheet_->SetRequestingCell(Request());
  sheet_->SetInitialFocus(list.entryId, list.value);
  sheet_->Build();
  CollectEntries(list.entryId);
  if (!HasEntryFor(list.value)) sheet_->HideListCursor();
  sheet_->Grid().installEventFilter(this);
  SizeToList();
  sheet_->Grid().setFocus(Qt::PopupFocusReason);
}

cuiFlector::~cuiFlector() = default;

cmcGTex& cuiFlector::ListTexts() {
  if (generatedLines_.empty()) return *Context().texts;
  for (const std::string& line : generatedLines_) generatedTable_.push_back(line.c_str());
  privateTexts_ = std::make_unique<cmcGTex>();
  privateTexts_->SelectLineTable({generatedTable_.data(), generatedTable_.size()});
  return *privateTexts_;
}

void cuiFlector::CollectEntries(unsigned entryId) {
  const SheetLayout& layout = sheet_->Layout();
  for (int row = 0; row < layout.RowCount(); ++row) {
    for (int column = 0; column < layout.ColumnCount(); ++column) {
      const cmcCellObj& cell = layout.GetCell(column, row);
      if (!IsListEntry(cell) || cell.cellId != entryId) continue;
      entries_.push_back({column, row, GetCaption(cell)});
      indices_.push_back(cell.index);
    }
  }
}

bool cuiFlector::HasEntryFor(std::int32_t value) const {
  return std::find(indices_.begin(), indices_.end(), value) != indices_.end();
}

// The window shows the whole list when the work area allows; a longer or wider list scrolls.
void cuiFlector::SizeToList() {
  cuiGrid& grid = sheet_->Grid();
  const QSize wanted(sheet_->GetWantedWidth() + 2 * frameWidth(), sheet_->GetWantedHeight() + 2 * frameWidth());
  const QSize area = WorkArea().size();
  const bool fits = wanted.width() <= area.width() && wanted.height() <= area.height();
  const Qt::ScrollBarPolicy policy = fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn;
  grid.setHorizontalScrollBarPolicy(policy);
  grid.setVerticalScrollBarPolicy(policy);
  QSize size = wanted;
  if (!fits) {
    size += QSize(grid.verticalScrollBar()->sizeHint().width(), grid.horizontalScrollBar()->sizeHint().height());
  }
  ShowAtCell(size);
  grid.SetTopLeft(grid.FixedCols(), grid.FixedRows());
  grid.ScrollIntoView(grid.Col(), grid.Row());
}

void cuiFlector::MoveToEntry(std::size_t place) {
  if (place >= entries_.size()) return;
  sheet_->Grid().TrySelectCell(entries_[place].column, entries_[place].row);
}

// Typing extends the text searched for; when no caption starts with it, the search starts
// again from the last character typed.
bool cuiFlector::SearchTyped(const QString& typed) {
  const auto findPrefix = [this](const QString& prefix) -> std::size_t {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (DisplayText(entries_[i].caption).trimmed().startsWith(prefix, Qt::CaseInsensitive)) return i;
    }
    return entries_.size();
  };
  std::size_t place = findPrefix(typed_ + typed);
  typed_ += typed;
  if (place == entries_.size()) {
    typed_ = typed;
    place = findPrefix(typed_);
  }
  MoveToEntry(place);
  return place < entries_.size();
}

bool cuiFlector::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return CellPopupWindow::eventFilter(watched, event);
  auto& key = static_cast<QKeyEvent&>(*event);
  switch (key.key()) {
    case Qt::Key_Home:
      MoveToEntry(0);
      return true;
    case Qt::Key_End:
      MoveToEntry(entries_.empty() ? 0 : entries_.size() - 1);
      return true;
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Backspace:
      return CellPopupWindow::eventFilter(watched, event);
    default:
      break;
  }
  const QString text = key.text();
  if (text.isEmpty() || !text.at(0).isPrint() || (key.modifiers() & Qt::ControlModifier)) {
    return CellPopupWindow::eventFilter(watched, event);
  }
  SearchTyped(text);
  return true;
}

void OpenSelectionList(const CellPopupContext& context, const cmcCellCapsule& request, const SelectionListPopup& list) {
  new cuiFlector(context, request, list);
}

void OpenIntegerList(const CellPopupContext& context, const cmcCellCapsule& request, const IntegerListPopup& list) {
  SelectionListPopup generated;
  generated.listKey = kIntegerListKey;
  generated.entryId = Flex0;
  generated.value = list.value;
  new cuiFlector(context, request, generated, IntegerListLines(list));
}
