#include "ui/indMain.h"

#include <QApplication>
#include <QTreeWidget>
#include <array>

#include "base/cmcEvMan.h"
#include "memory/ChannelList.h"
#include "memory/NamedLists.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/TreeNodes.h"
#include "text/cmcGTex.h"
#include "ui/ApplicationWindow.h"
#include "ui/DisplayText.h"
#include "ui/MainCellDocument.h"
#include "ui/WindowPlacement.h"
#include "ui/cuiSheet.h"
#include "ui/cuiToolBar.h"
#include "ui/cuiTree.h"

namespace {

// The image size the constructor passes: the larger of the radio's map and the full
// generation-3 image.
constexpr std::int32_t kImageSize = std::max(131072, cuiMain::kRequiredImageSize);

// The caption a named list's tree node shows for the image; empty for other nodes and for
// lists without a name.
std::string NamedListCaption(const cmcEeprom& image, int nodeNumber) {
  for (const NamedListNodes& nodes : kNamedListNodes) {
    const int offset = nodeNumber - nodes.firstNode;
    if (offset < 0 || offset % nodes.nodeStep != 0) continue;
    const std::string label = NamedListLabel(image, nodes.list, offset / nodes.nodeStep);
    if (!label.empty()) return label;
  }
  return {};
}

}  // namespace

indMain::indMain(MainServices services)
    : cuiMain(services, kImageSize),
      applicationIcon_(QApplication::windowIcon()),
      cellDocument_(std::make_unique<MainCellDocument>(*this, services)),
      cellBehaviour_(std::make_unique<indActiveCell>(*cellDocument_)) {
  SetCellBehaviour(cellBehaviour_->Callback());
  SetSheetDocument(cellDocument_.get());
  Services().events.Register(&indMain::OnEvent, this);
}

// The sheet asks the cell behaviour until it is gone, so it goes first.
indMain::~indMain() {
  Services().events.Unregister(&indMain::OnEvent, this);
  CloseSheet();
  SetCellBehaviour({});
  SetSheetDocument(nullptr);
}

void indMain::RebuildTree() {
  cuiMain::RebuildTree();
  QTreeWidget& widget = Tree()->Widget();
  if (widget.topLevelItemCount() > 0) {
    widget.topLevelItem(0)->setText(0, DisplayText(Services().texts.GetLine("GI_AppInd_Model", 0)));
  }
  QApplication::setWindowIcon(applicationIcon_);
}

void indMain::PostListCaption(int nodeNumber) {
  Services().events.PostText(EV_TreeCaption, 0, nodeNumber, NamedListCaption(Doc().CurrentImage(), nodeNumber));
}

// Opens the selected node's sheet when none is open, and renames every named list's nodes.
void indMain::RefreshAll() {
  if (Tree() == nullptr) return;
  if (CurrentSheet() == nullptr && MainWindow() != nullptr) {
    if (cmcCellObj* selected = Tree()->SelectedCell()) ActivateTreeNode(*selected);
  }
  for (const NamedListNodes& nodes : kNamedListNodes) {
    for (int position = 0; position < NamedListCount(nodes.list); ++position) {
      PostListCaption(nodes.firstNode + position * nodes.nodeStep);
    }
  }
}

// The sheet comes back at its remembered position, with the column groups now chosen.
void indMain::ReopenSheet() {
  if (CurrentSheet() == nullptr) return;
  const std::string name = CurrentSheet()->Layout().GetName();
  CloseSheet();
  OpenSheet(name);
}

void indMain::ShowMainWindow() {
  ApplicationWindow* window = MainWindow();
  if (window == nullptr) return;
  window->show();
  KeepFrameOnScreens(*window);
  window->setEnabled(true);
  window->raise();
  window->activateWindow();
  Services().events.Send(EV_ToolBarRefresh);
  OpenFileAfterSetup();
}

void indMain::EnableMainWindow(bool enabled) {
  ApplicationWindow* window = MainWindow();
  if (window == nullptr || !window->isVisible()) return;
  window->setEnabled(enabled);
  if (enabled) window->activateWindow();
}

void indMain::OnEvent(void* user, const EventRecord& event) {
  auto& main = *static_cast<indMain*>(user);
  switch (event.code) {
    case EV_RefreshAll:
      main.RefreshAll();
      break;
    case EV_LanguageChanged:
      main.ApplyLanguageChange();
      break;
    case EV_LinkNameChanged:
      main.PostListCaption(NodesOf(NamedList::kScanLink).NodeOf(static_cast<int>(event.p2)));
      break;
    case EV_ViewChanged:
      main.ReopenSheet();
      break;
    case EV_ShowMainWindow:
      main.ShowMainWindow();
      break;
    case EV_DestinationSet:
      if (!main.MainWindowVisible()) {
        main.Doc().ResetToDefaults();
        main.Doc().MarkSaved();
      }
      break;
    case EV_CloneStarted:
      main.EnableMainWindow(false);
      break;
    case EV_CloneEnded:
    case EV_CloneWindowClosed:
      main.EnableMainWindow(true);
      break;
    case EV_RebuildBankIndex:
      RebuildBankTables(main.Doc().CurrentImage());
      break;
    default:
      break;
  }
}
