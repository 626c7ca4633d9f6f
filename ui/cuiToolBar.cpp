#include "ui/cuiToolBar.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include "base/cmcEvMan.h"
#include "sheet/layout/BodyLines.h"
#include "text/cmcGTex.h"
#include "ui/CellContext.h"
#include "ui/DisplayText.h"
#include "ui/ImageLists.h"

namespace {

bool IsSeparator(const std::string& caption) { return caption == "-" || caption == "/"; }

}  // namespace

cuiToolBar::cuiToolBar(QMainWindow& window, Services services, std::string key)
    : window_(window), services_(services), key_(std::move(key)) {}

cuiToolBar::~cuiToolBar() { delete bar_; }

void cuiToolBar::Build() {
  buttons_.clear();
  delete bar_;
  bar_ = new QToolBar(&window_);
  bar_->setObjectName(QStringLiteral("MainToolBar"));
  bar_->setMovable(true);
  window_.addToolBar(Qt::TopToolBarArea, bar_);
  ParseCellDefinition(basicCell_, services_.texts.GetLine(key_ + "_BasicCell", 0), nullptr, nullptr);
  for (const std::string& line : ReadBodyTexts(services_.texts, key_)) AddLine(line);
  DropTrailingSeparator();
}

// A separator stands only between two buttons: one at the start or after another is dropped,
// and one at the end when the bar is built.
void cuiToolBar::AddLine(const std::string& definition) {
  auto cell = std::make_unique<cmcCellObj>();
  ParseCellDefinition(*cell, definition, nullptr, &basicCell_);
  if (IsSeparator(cell->caption)) {
    const QList<QAction*> actions = bar_->actions();
    if (!actions.isEmpty() && !actions.last()->isSeparator()) bar_->addSeparator();
    return;
  }
  QAction* action = bar_->addAction(ToolBarImage(cell->imageIndex), DisplayText(cell->caption));
  action->setToolTip(DisplayText(cell->caption));
  cmcCellObj* set = cell.get();
  QObject::connect(action, &QAction::triggered, action, [this, set] { Click(*set); });
  buttons_.push_back({std::move(cell), action});
}

void cuiToolBar::DropTrailingSeparator() {
  const QList<QAction*> actions = bar_->actions();
  if (!actions.isEmpty() && actions.last()->isSeparator()) bar_->removeAction(actions.last());
}

void cuiToolBar::Click(cmcCellObj& cell) {
  CellContext context;
  context.Query(services_.events);
  cmcCellCapsule request = EntryRequest(cell, &window_, context);
  services_.behaviour(request, kCellAction);
  Refresh();
}

// Flag 0 shows the button pressed, flag 2 disables it.
void cuiToolBar::Refresh() {
  CellContext context;
  context.Query(services_.events);
  for (Button& button : buttons_) {
    cmcCellObj& cell = *button.cell;
    for (int flag = 0; flag <= 3; ++flag) cell.SetStateFlag(flag, false);
    cmcCellCapsule request = EntryRequest(cell, &window_, context);
    services_.behaviour(request, kCellQuery);
    button.action->setCheckable(cell.StateFlag(0));
    button.action->setChecked(cell.StateFlag(0));
    button.action->setEnabled(!cell.StateFlag(2));
    button.action->setIcon(ToolBarImage(cell.imageIndex));
  }
}
