#include "ui/cuiMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "base/EventCodes.h"
#include "base/cmcEvMan.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"
#include "ui/CellContext.h"
#include "ui/DisplayText.h"
#include "ui/ImageLists.h"

namespace {

constexpr const char* kSeparatorCaption = "-";

QString ShortcutText(const cmcCellObj& cell) { return QString::fromLatin1(cell.argument); }

}  // namespace

// The menu bar or a sub-menu that entries are added to.
class cuiMenu::Container {
 public:
  explicit Container(QMenuBar& bar) : bar_(&bar) {}
  explicit Container(QMenu& menu) : menu_(&menu) {}

  QAction* AddAction(const QString& caption) {
    return menu_ != nullptr ? menu_->addAction(caption) : bar_->addAction(caption);
  }
  QAction* AddSeparator() { return menu_ != nullptr ? menu_->addSeparator() : bar_->addSeparator(); }
  // Sub-menus are children of their container, so that removing a container removes them.
  QWidget* Widget() const { return menu_ != nullptr ? static_cast<QWidget*>(menu_) : bar_; }

 private:
  QMenuBar* bar_ = nullptr;
  QMenu* menu_ = nullptr;
};

cuiMenu::cuiMenu(QMenuBar& bar, Services services, std::string key, QWidget* owner)
    : bar_(bar), services_(services), key_(std::move(key)), owner_(owner) {
  services_.events.Register(&cuiMenu::OnEvent, this);
}

cuiMenu::~cuiMenu() { services_.events.Unregister(&cuiMenu::OnEvent, this); }

void cuiMenu::Build() {
  bar_.clear();
  DeleteSubMenus(bar_);
  entries_.clear();
  ParseCellDefinition(basicCell_, services_.texts.GetLine(key_ + "_BasicCell", 0), nullptr, nullptr);
  AddEntries(Container(bar_), ReadIndentedBody(services_.texts, key_), *this);
}

// A line deeper than the one before opens a sub-menu under that line's entry; a shallower
// line goes back to the sub-menu of its depth.
void cuiMenu::AddEntries(Container root, const std::vector<BodyLine>& lines, cuiMenu& clickOwner) {
  struct Level {
    int depth;
    Container container;
  };
  std::vector<Level> levels{{lines.empty() ? 0 : lines.front().depth, root}};
  QAction* previous = nullptr;
  for (const BodyLine& line : lines) {
    if (line.depth > levels.back().depth && previous != nullptr) {
      auto* menu = new QMenu(levels.back().container.Widget());
      previous->setMenu(menu);
      // Entries whose state follows the open page and the document are asked again whenever
      // a menu opens, as the user is about to see them.
      QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { Refresh(); });
      levels.push_back({line.depth, Container(*menu)});
    }
    while (levels.size() > 1 && line.depth < levels.back().depth) levels.pop_back();
    previous = AddEntry(levels.back().container, line.definition, clickOwner);
  }
}

QAction* cuiMenu::AddEntry(Container& container, const std::string& definition, cuiMenu& clickOwner) {
  auto cell = std::make_unique<cmcCellObj>();
  ParseCellDefinition(*cell, definition, nullptr, &basicCell_);
  if (cell->caption == kSeparatorCaption) return container.AddSeparator();
  QAction* action = container.AddAction(DisplayText(cell->caption));
  // An entry may take more than one key: "Ctrl+Y; Ctrl+Shift+Z".
  if (!cell->argument.empty()) action->setShortcuts(QKeySequence::listFromString(ShortcutText(*cell)));
  if (cell->imageIndex >= 0) action->setIcon(ToolBarImage(cell->imageIndex));
  cmcCellObj* set = cell.get();
  QObject::connect(action, &QAction::triggered, action, [&clickOwner, set] { clickOwner.Click(*set); });
  entries_.push_back({std::move(cell), action});
  return action;
}

// An open in-place edit stays open while the menu is up and ends before the entry acts, as
// it did when the menu took the focus; Fill takes the text itself.
void cuiMenu::Click(cmcCellObj& cell) {
  if (cell.cellId != CL_Menu_Edit_Fill) services_.events.Send(EV_CommitEdit);
  CellContext context;
  context.Query(services_.events);
  cmcCellCapsule request = EntryRequest(cell, owner_, context);
  services_.behaviour(request, kCellAction);
  Refresh();
}

// Every entry of this menu belongs to the main menu: one query of the current cell serves all.
void cuiMenu::Refresh() {
  CellContext context;
  context.Query(services_.events);
  for (Entry& entry : entries_) RefreshEntry(entry, context);
}

// Flags 0 to 3 of the set answer: checked, hidden, disabled, caption replaced.
void cuiMenu::RefreshEntry(Entry& entry, const CellContext& context) {
  cmcCellObj& cell = *entry.cell;
  for (int flag = 0; flag <= 3; ++flag) cell.SetStateFlag(flag, false);
  cmcCellCapsule request = EntryRequest(cell, owner_, context);
  services_.behaviour(request, kCellQuery);
  QAction& action = *entry.action;
  action.setCheckable(cell.StateFlag(0));
  action.setChecked(cell.StateFlag(0));
  action.setVisible(!cell.StateFlag(1));
  action.setEnabled(!cell.StateFlag(2));
  if (cell.StateFlag(3) && action.text() != DisplayText(cell.caption)) action.setText(DisplayText(cell.caption));
  if (cell.imageIndex >= 0) action.setIcon(ToolBarImage(cell.imageIndex));
}

QAction* cuiMenu::FindByCellId(unsigned cellId) const {
  const auto found =
      std::ranges::find_if(entries_, [cellId](const Entry& entry) { return entry.cell->cellId == cellId; });
  return found != entries_.end() ? found->action : nullptr;
}

void cuiMenu::ClearSub(QAction* entry) {
  if (entry == nullptr || entry->menu() == nullptr) return;
  QMenu* menu = entry->menu();
  ForgetEntriesUnder(menu);
  menu->clear();
  DeleteSubMenus(*menu);
}

void cuiMenu::DeleteSubMenus(QWidget& container) {
  qDeleteAll(container.findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
}

void cuiMenu::ForgetEntriesUnder(QMenu* menu) {
  const QList<QAction*> actions = menu->actions();
  for (QAction* action : actions) {
    if (action->menu() != nullptr) ForgetEntriesUnder(action->menu());
  }
  std::erase_if(entries_, [&](const Entry& entry) { return actions.contains(entry.action); });
}

void cuiMenu::FillSub(QAction* entry, const std::string& key, cuiMenu& clickOwner) {
  if (entry == nullptr) return;
  if (entry->menu() == nullptr) entry->setMenu(new QMenu(qobject_cast<QWidget*>(entry->parent())));
  AddEntries(Container(*entry->menu()), ReadIndentedBody(services_.texts, key), clickOwner);
}

void cuiMenu::OnEvent(void* user, const EventRecord& event) {
  auto& menu = *static_cast<cuiMenu*>(user);
  switch (event.code) {
    case EV_MenuRefresh:
      menu.Refresh();
      break;
    case EV_MenuClearSub:
      menu.ClearSub(menu.FindByCellId(static_cast<unsigned>(event.p2)));
      break;
    case EV_MenuFillSub: {
      menu.FillSub(menu.FindByCellId(static_cast<unsigned>(event.p2)), std::string(event.Text()), menu);
      break;
    }
    default:
      break;
  }
}
