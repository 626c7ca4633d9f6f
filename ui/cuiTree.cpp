#include "ui/cuiTree.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QTreeWidget>
#include <algorithm>
#include <cctype>

#include "sheet/layout/BodyLines.h"
#include "text/cmcGTex.h"
#include "ui/CellFonts.h"
#include "ui/DisplayText.h"

namespace {

constexpr int kNodeRole = Qt::UserRole;

// Runs act before the tree takes a key that moves the focus on (Tab, Shift+Tab).
class FocusLeavingKeys : public QObject {
 public:
  FocusLeavingKeys(QObject* parent, std::function<void()> act) : QObject(parent), act_(std::move(act)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) act_();
    return false;
  }

 private:
  std::function<void()> act_;
};

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

cuiTree::cuiTree(QWidget& panel, cmcGTex& texts, std::string key, int changeDelayMs)
    : texts_(texts), key_(std::move(key)), widget_(new QTreeWidget(&panel)) {
  widget_->setObjectName(QStringLiteral("NavigationTree"));
  widget_->setHeaderHidden(true);
  widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  widget_->setSelectionMode(QAbstractItemView::SingleSelection);
  widget_->setUniformRowHeights(true);
  // Captions are shown whole, as list names with their blanks: a long one scrolls.
  widget_->setTextElideMode(Qt::ElideNone);
  widget_->header()->setStretchLastSection(false);
  widget_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  widget_->hide();
  panel.layout()->addWidget(widget_);
  changeDelay_.setSingleShot(true);
  changeDelay_.setInterval(std::max(1, changeDelayMs));
  QObject::connect(&changeDelay_, &QTimer::timeout, widget_, [this] { ActivateSelected(); });
  QObject::connect(widget_, &QTreeWidget::itemSelectionChanged, widget_, [this] { changeDelay_.start(); });
  // A user who chooses a node and tabs on at once types into the page chosen, not into the
  // page about to be replaced.
  widget_->installEventFilter(new FocusLeavingKeys(widget_, [this] {
    if (!changeDelay_.isActive()) return;
    changeDelay_.stop();
    ActivateSelected();
  }));
  const auto expandChanged = [this] {
    if (onExpandChanged && !building_) onExpandChanged();
  };
  QObject::connect(widget_, &QTreeWidget::itemExpanded, widget_, expandChanged);
  QObject::connect(widget_, &QTreeWidget::itemCollapsed, widget_, expandChanged);
}

cuiTree::~cuiTree() { delete widget_; }

void cuiTree::Build() {
  widget_->clear();
  nodes_.clear();
  ParseCellDefinition(basicCell_, texts_.GetLine(key_ + "_BasicCell", 0), nullptr, nullptr);
  widget_->setFont(QtFont(EffectiveFont(basicCell_)));
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Base, QtColor(basicCell_.color, palette));
  widget_->setPalette(palette);
  building_ = true;
  AddNodes();
  if (widget_->topLevelItemCount() > 0) widget_->topLevelItem(0)->setExpanded(true);
  building_ = false;
}

// A line deeper than the one before becomes a child of that line's node; a shallower line
// goes back to the parent of its depth.
void cuiTree::AddNodes() {
  const std::vector<BodyLine> lines = ReadIndentedBody(texts_, key_);
  nodes_.reserve(lines.size());
  std::vector<std::pair<int, QTreeWidgetItem*>> parents;  // depth of the children, their parent
  QTreeWidgetItem* previous = nullptr;
  int previousDepth = lines.empty() ? 0 : lines.front().depth;
  for (const BodyLine& line : lines) {
    if (line.depth > previousDepth && previous != nullptr) parents.emplace_back(line.depth, previous);
    while (!parents.empty() && line.depth < parents.back().first) parents.pop_back();
    auto* item = parents.empty() ? new QTreeWidgetItem(widget_) : new QTreeWidgetItem(parents.back().second);
    auto cell = std::make_unique<cmcCellObj>();
    ParseCellDefinition(*cell, line.definition, nullptr, &basicCell_);
    item->setData(0, kNodeRole, static_cast<int>(nodes_.size()));
    item->setText(0, DisplayText(cell->caption));
    item->setIcon(0, TreeImage(cell->imageIndex));
    nodes_.push_back({std::move(cell), item, TreeOverlay::None});
    previous = item;
    previousDepth = line.depth;
  }
}

cuiTree::Node* cuiTree::NodeOf(const QTreeWidgetItem* item) {
  return const_cast<Node*>(static_cast<const cuiTree*>(this)->NodeOf(item));
}

const cuiTree::Node* cuiTree::NodeOf(const QTreeWidgetItem* item) const {
  if (item == nullptr) return nullptr;
  const int index = item->data(0, kNodeRole).toInt();
  return index >= 0 && index < static_cast<int>(nodes_.size()) ? &nodes_[static_cast<std::size_t>(index)] : nullptr;
}

QTreeWidgetItem* cuiTree::FindBySheetName(const std::string& name) const {
  const auto found = std::ranges::find_if(nodes_, [&](const Node& node) { return node.cell->argument == name; });
  return found != nodes_.end() ? found->item : nullptr;
}

cmcCellObj* cuiTree::SelectedCell() const {
  const QList<QTreeWidgetItem*> selected = widget_->selectedItems();
  return selected.isEmpty() ? nullptr : CellOf(selected.front());
}

cmcCellObj* cuiTree::CellOf(const QTreeWidgetItem* node) const {
  const Node* found = NodeOf(node);
  return found != nullptr ? found->cell.get() : nullptr;
}

TreeOverlay cuiTree::OverlayOf(const QTreeWidgetItem* node) const {
  const Node* found = NodeOf(node);
  return found != nullptr ? found->overlay : TreeOverlay::None;
}

void cuiTree::ClearMarks() {
  for (Node& node : nodes_) SetOverlay(node, TreeOverlay::None);
}

void cuiTree::Mark(QTreeWidgetItem* node, const std::vector<std::string>& names, TreeOverlay overlay) {
  if (node != nullptr) MarkBelow(node, names, overlay);
}

// Answers whether item or a node beneath it is named in names.
bool cuiTree::MarkBelow(QTreeWidgetItem* item, const std::vector<std::string>& names, TreeOverlay overlay) {
  Node* node = NodeOf(item);
  if (node == nullptr) return false;
  const bool named = std::ranges::any_of(
      names, [&](const std::string& name) { return EqualIgnoringCase(node->cell->argument, name); });
  bool below = false;
  for (int i = 0; i < item->childCount(); ++i) below = MarkBelow(item->child(i), names, overlay) || below;
  if (named || (below && !item->isExpanded())) SetOverlay(*node, overlay);
  return named || below;
}

void cuiTree::SetOverlay(Node& node, TreeOverlay overlay) {
  if (node.overlay == overlay) return;
  node.overlay = overlay;
  node.item->setIcon(0, TreeImage(node.cell->imageIndex, overlay));
}

void cuiTree::SetCaption(Node& node, const std::string& caption) {
  node.cell->caption = caption;
  node.item->setText(0, DisplayText(caption));
}

void cuiTree::ActivateSelected() {
  cmcCellObj* cell = SelectedCell();
  if (cell != nullptr && onActivate) onActivate(*cell);
}
