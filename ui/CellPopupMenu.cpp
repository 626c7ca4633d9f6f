#include "ui/CellPopupMenu.h"

#include <QKeySequence>

#include "text/cmcGTex.h"
#include "ui/DisplayText.h"

namespace {

// The tables write "Enter" for the main Enter key and "Del"/"Ins" for Delete and Insert;
// both Enter keys of a keyboard count.
QList<QKeySequence> ShortcutsOf(const std::string& argument) {
  if (argument.empty()) return {};
  QString text = DisplayText(argument);
  QList<QKeySequence> keys{QKeySequence::fromString(text)};
  if (text.endsWith(QStringLiteral("Enter"))) {
    text.replace(text.size() - 5, 5, QStringLiteral("Return"));
    keys.prepend(QKeySequence::fromString(text));
  }
  return keys;
}

}  // namespace

CellPopupMenu::CellPopupMenu(QWidget* shortcutOwner, cmcGTex& texts)
    : QMenu(shortcutOwner), shortcutOwner_(shortcutOwner), texts_(texts) {}

CellPopupMenu::~CellPopupMenu() = default;

void CellPopupMenu::Clear() {
  for (Entry& entry : entries_) shortcutOwner_->removeAction(entry.action);
  clear();
  entries_.clear();
  key_.clear();
}

void CellPopupMenu::Build(const std::string& key) {
  Clear();
  key_ = key;
  if (key.empty()) return;
  ParseCellDefinition(basicCell_, texts_.GetLine(key + "_BasicCell", 0), nullptr, nullptr);
  // Pop-up menus are flat: each line is '+' and one entry's definition.
  const std::string bodyKey = key + "_Body";
  for (int n = 0;; ++n) {
    const std::string line = texts_.GetLine(bodyKey, n);
    if (!line.empty() && line.front() == '#') break;
    const auto plus = line.find('+');
    if (plus != std::string::npos) AddEntry(line.substr(plus + 1));
  }
}

void CellPopupMenu::AddEntry(const std::string& definition) {
  Entry entry;
  entry.cell = std::make_unique<cmcCellObj>();
  ParseCellDefinition(*entry.cell, definition, nullptr, &basicCell_);
  entry.action = addAction(DisplayText(cmcGTex::EscapeAmpersands(GetCaption(*entry.cell))));
  entry.action->setShortcuts(ShortcutsOf(entry.cell->argument));
  entry.action->setShortcutContext(Qt::WidgetShortcut);
  shortcutOwner_->addAction(entry.action);
  const unsigned cellId = entry.cell->cellId;
  connect(entry.action, &QAction::triggered, this, [this, cellId] {
    if (chosen) chosen(cellId);
  });
  entries_.push_back(std::move(entry));
}

bool CellPopupMenu::HasEntry(unsigned cellId) const {
  for (const Entry& entry : entries_) {
    if (entry.cell->cellId == cellId) return true;
  }
  return false;
}

void CellPopupMenu::Refresh(const CellBehaviourCallback& behaviour, const cmcCellCapsule& parent) {
  for (Entry& entry : entries_) {
    cmcCellObj& cell = *entry.cell;
    for (int flag = 0; flag <= 3; ++flag) cell.SetStateFlag(flag, false);
    cmcCellCapsule request;
    request.parent = &parent;
    request.owner = parent.owner;
    request.cell = &cell;
    request.sheetName = parent.sheetName;
    request.sheetArgument = parent.sheetArgument;
    behaviour(request, kCellQuery);
    entry.action->setCheckable(cell.StateFlag(0));
    entry.action->setChecked(cell.StateFlag(0));
    entry.action->setVisible(!cell.StateFlag(1));
    entry.action->setEnabled(!cell.StateFlag(2));
    if (cell.StateFlag(3)) entry.action->setText(DisplayText(cmcGTex::EscapeAmpersands(GetCaption(cell))));
  }
}
