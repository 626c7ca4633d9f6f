#pragma once
// The navigation tree built from the text tables: the lines of key + "_Body" are nodes (depth
// by indentation), each with its cell attribute set, whose argument is the name of the sheet
// the node opens. A selection change waits for the tree change delay (or for Tab, which
// leaves the tree) and then hands the selected node's set to onActivate; expanding or
// collapsing a node calls onExpandChanged, except for the first node that Build opens:
// whoever builds the tree knows its state then. Nodes carry the error and warning marks of
// the warning check as overlays on their pictures.
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "text/cmcCellObj.h"
#include "ui/ImageLists.h"

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class cmcGTex;

class cuiTree {
 public:
  // The tree fills panel (which must have a layout); changeDelayMs is the tree change delay.
  cuiTree(QWidget& panel, cmcGTex& texts, std::string key, int changeDelayMs);
  virtual ~cuiTree();
  cuiTree(const cuiTree&) = delete;
  cuiTree& operator=(const cuiTree&) = delete;

  void Build();

  QTreeWidget& Widget() const { return *widget_; }
  QTreeWidgetItem* FindBySheetName(const std::string& name) const;
  // The set of the selected node; nullptr when none is selected.
  cmcCellObj* SelectedCell() const;
  cmcCellObj* CellOf(const QTreeWidgetItem* node) const;
  TreeOverlay OverlayOf(const QTreeWidgetItem* node) const;

  void ClearMarks();
  // Gives overlay to node and its descendants whose sheet name is in names (letter case
  // ignored, blanks significant), and to each collapsed node with such a node beneath it.
  void Mark(QTreeWidgetItem* node, const std::vector<std::string>& names, TreeOverlay overlay);

  std::function<void(cmcCellObj& cell)> onActivate;
  std::function<void()> onExpandChanged;

 protected:
  struct Node {
    std::unique_ptr<cmcCellObj> cell;
    QTreeWidgetItem* item = nullptr;
    TreeOverlay overlay = TreeOverlay::None;
  };
  std::vector<Node>& Nodes() { return nodes_; }
  void SetCaption(Node& node, const std::string& caption);

 private:
  void AddNodes();
  Node* NodeOf(const QTreeWidgetItem* item);
  const Node* NodeOf(const QTreeWidgetItem* item) const;
  bool MarkBelow(QTreeWidgetItem* item, const std::vector<std::string>& names, TreeOverlay overlay);
  void SetOverlay(Node& node, TreeOverlay overlay);
  void ActivateSelected();

  cmcGTex& texts_;
  std::string key_;
  QTreeWidget* widget_;
  QTimer changeDelay_;
  cmcCellObj basicCell_;
  std::vector<Node> nodes_;
  bool building_ = false;
};
