// The main controller's window building and the commands of the shell.
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <charconv>
#include <filesystem>

#include "base/ProgramMessage.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "platform/Fatal.h"
#include "text/Codepage.h"
#include "text/LineTables.h"
#include "text/cmcGTex.h"
#include "ui/ApplicationWindow.h"
#include "ui/CellFonts.h"
#include "ui/DisplayText.h"
#include "ui/WindowPlacement.h"
#include "ui/cuiMain.h"
#include "ui/cuiMenu.h"
#include "ui/cuiSheet.h"
#include "ui/cuiToolBar.h"
#include "ui/iuiTree.h"
#include "workflows/DocumentCommands.h"

namespace {

constexpr int kDefaultTreeChangeDelayMs = 200;

int NumberOr(const std::string& text, int fallback) {
  int value = fallback;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() ? value : fallback;
}

QList<QRect> WorkAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
  return areas;
}

}  // namespace

// --- Main window ---

void cuiMain::CreateMainWindow() {
  window_ = std::make_unique<ApplicationWindow>(*this);
  window_->setWindowTitle(DisplayText(services_.texts.GetLine("GI_Sys_AppTitle", 0)));
  cmcCellObj formCell;
  ParseCellDefinition(formCell, services_.texts.GetLine("GI_Form_Main_BasicCell", 0), nullptr, nullptr);
  window_->setFont(QtFont(EffectiveFont(formCell)));
  PlaceWindow();
  BuildUI();
  services_.environ.UpdateStartMode();
  const std::int32_t mode = services_.environ.settings.startMode;
  if (mode == EnvironSettings::kStartNoDestination || mode == EnvironSettings::kStartSetup) {
    ShowInitialSetup();
    return;
  }
  window_->show();
  KeepFrameOnScreens();
}

// The main window stays hidden until the setup closes; the setup shows it.
void cuiMain::ShowInitialSetup() {
  setup_ = new TForm2(window_.get(), {services_.texts, services_.environ, services_.events, *documents_});
  setup_->ShowInitialSetup();
}

// The stored rectangle, at least the form's minimum size, pulled onto the screens.
void cuiMain::PlaceWindow() {
  const EnvironSettings& settings = services_.environ.settings;
  const QRect stored(settings.windowLeft, settings.windowTop,
                     std::max(settings.windowWidth, int{ApplicationWindow::kMinimumWidth}),
                     std::max(settings.windowHeight, int{ApplicationWindow::kMinimumHeight}));
  window_->setGeometry(PlaceOnWorkAreas(stored, WorkAreas()));
}

// The stored place is the window's own rectangle; once shown, the window has a frame around
// it, and the frame too must lie on the screens.
void cuiMain::KeepFrameOnScreens() {
  const QRect frame = window_->frameGeometry();
  const QRect placed = PlaceOnWorkAreas(frame, WorkAreas());
  if (placed == frame) return;
  const QRect inner = window_->geometry();
  const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
  window_->setGeometry(placed.marginsRemoved(margins));
}

void cuiMain::BuildUI() {
  EnvironSettings& settings = services_.environ.settings;
  settings.modelType = std::min(settings.modelType, 0);
  document_.BuildDefaults();
  document_.ResetToDefaults();
  document_.MarkSaved();
  CloseSheet();
  BuildMenuAndToolBar();
  RebuildTree();
  window_->SetLeftPanelWidth(settings.treePanelWidth);
  SelfCheck();
  StartTimer();
}

void cuiMain::BuildMenuAndToolBar() {
  toolBar_.reset();
  menu_.reset();
  menu_ = std::make_unique<cuiMenu>(*window_->menuBar(),
                                    cuiMenu::Services{services_.texts, services_.events, EntryBehaviour()},
                                    "GI_Menu_Main", window_.get());
  menu_->Build();
  menu_->Refresh();
  toolBar_ = std::make_unique<cuiToolBar>(
      *window_, cuiToolBar::Services{services_.texts, services_.events, EntryBehaviour()}, "GI_ToolBar_Main");
  toolBar_->Build();
  toolBar_->Bar()->setVisible(services_.environ.settings.toolBarVisible != 0);
  services_.events.Send(EV_ToolBarRefresh);
}

void cuiMain::SelfCheck() const {
  if (imageSize_ < kRequiredImageSize) Fatal("Self Check Error.\nEEPROM Map is too large.");
}

void cuiMain::RebuildTree() {
  tree_.reset();
  const int delay = NumberOr(services_.texts.GetLine("GI_Sys_TreeChangeDelay", 0), kDefaultTreeChangeDelayMs);
  auto tree = std::make_unique<iuiTree>(window_->LeftPanel(), services_.texts, services_.events, delay);
  tree->onExpandChanged = [this] { RunWarningCheck(); };
  tree->onActivate = [this](cmcCellObj& cell) { ActivateTreeNode(cell); };
  tree->Build();
  tree_ = std::move(tree);
  RunWarningCheck();
  CloseSheet();
  QTreeWidget& widget = tree_->Widget();
  widget.show();
  if (widget.topLevelItemCount() > 0) widget.setCurrentItem(widget.topLevelItem(0));
  services_.events.Send(EV_RefreshAll);
}

// The display file name without its folder, the old-format marker, the application title.
void cuiMain::UpdateTitle() {
  if (window_ == nullptr) return;
  cmcGTex& texts = services_.texts;
  const std::string name = std::filesystem::path(document_.DisplayFileName(texts)).filename().string();
  window_->setWindowTitle(QString::fromStdString(name) + DisplayText(document_.TitleSuffix(texts)));
}

void cuiMain::ShowStatus(const QString& text) {
  if (window_ != nullptr) window_->SetStatusText(text);
}

// --- Languages ---

void cuiMain::SelectLanguageTables() {
  const bool japanese = services_.environ.settings.displayLanguage == EnvironSettings::kLanguageJapanese;
  const TableLanguage table = !japanese         ? TableLanguage::English
                              : systemJapanese_ ? TableLanguage::Japanese
                                                : TableLanguage::JapaneseWesternChrome;
  services_.texts.Reset();
  services_.texts.SelectLineTable(LineTableOf(table));
  SetDisplayJapanese(japanese || systemJapanese_);
}

void cuiMain::ApplyLanguageChange() {
  resetColumnWidths_ = true;
  SelectLanguageTables();
  if (window_ == nullptr) return;
  BuildMenuAndToolBar();
  RebuildTree();
  CloseSheet();
  services_.events.Send(EV_RefreshAll);
  UpdateTitle();
}

// --- Commands of the shell ---

void cuiMain::ChangeLanguage(int language) {
  indEnviron& environment = services_.environ;
  if (language == environment.settings.displayLanguage) return;
  if (language == EnvironSettings::kLanguageJapanese && !systemJapanese_ && !ConfirmLanguageChange()) return;
  environment.settings.displayLanguage = language;
  environment.WriteSettings();
  services_.events.Post(EV_LanguageChanged);
}

bool cuiMain::ConfirmLanguageChange() {
  return ShowProgramMessage(services_.texts.GetValueText("GI_Mess_Language_Change"),
                            services_.texts.GetLine("GI_Sys_AppTitle", 0), MessageButtons::OkCancel,
                            MessageIcon::Warning, kAnswerCancel) == kAnswerOk;
}

// The controller timer reopens the sheet with the new font.
void cuiMain::ChangeFontSize(int percentage) {
  services_.environ.settings.fontSizePercentage = percentage;
  services_.environ.WriteSettings();
  resetColumnWidths_ = true;
  CloseSheet();
}

void cuiMain::ToggleToolBar() {
  std::int32_t& visible = services_.environ.settings.toolBarVisible;
  visible = visible != 0 ? 0 : 1;
  services_.environ.WriteSettings();
  if (toolBar_ != nullptr) toolBar_->Bar()->setVisible(visible != 0);
}

void cuiMain::Exit() {
  if (window_ != nullptr) window_->close();
}

void cuiMain::StepHistory(bool forward) {
  services_.events.Send(EV_CommitEdit);
  if (!(forward ? document_.Redo() : document_.Undo())) return;
  services_.events.Post(EV_ViewChanged, 1);
  services_.events.Send(EV_RefreshAll);
  StartWarningCheckDelay();
}

// The shortcuts of Undo and Redo act only while their entries are enabled, so the entries
// follow the history at once rather than when their menu next opens.
void cuiMain::RefreshHistoryEntries() {
  services_.events.Send(EV_MenuRefresh);
  services_.events.Send(EV_ToolBarRefresh);
}

int cuiMain::HandleEntryRequest(cmcCellCapsule& request, int op, void* object) {
  auto& main = *static_cast<cuiMain*>(object);
  const int handled = main.HandleShellCommand(request, op);
  if (handled >= 0) return handled;
  return main.cellBehaviour_ ? main.cellBehaviour_(request, op) : kCellResultNothing;
}

// Answers the shell's own commands; -1 for any other request.
int cuiMain::HandleShellCommand(cmcCellCapsule& request, int op) {
  if (request.cell == nullptr) return -1;
  cmcCellObj& cell = *request.cell;
  const EnvironSettings& settings = services_.environ.settings;
  const bool act = op == kCellAction;
  if (act && documents_->RunCommand(cell.cellId, cell.index)) {
    document_.CommitEdit();  // the corrections a save made
    return kCellResultNothing;
  }
  switch (cell.cellId) {
    case CL_Menu_File_Exit:
      if (act) Exit();
      return kCellResultNothing;
    case CL_Menu_View_Language:
      if (act) ChangeLanguage(cell.index);
      cell.SetStateFlag(0, settings.displayLanguage == cell.index);
      return kCellResultNothing;
    case CL_Menu_View_FontSize:
      if (act) ChangeFontSize(cell.index);
      cell.SetStateFlag(0, settings.fontSizePercentage == cell.index);
      return kCellResultNothing;
    case CL_Menu_View_ToolBar:
      if (act) ToggleToolBar();
      cell.SetStateFlag(0, settings.toolBarVisible != 0);
      return kCellResultNothing;
    case CL_Menu_Edit_Undo:
    case CL_Menu_Edit_Redo: {
      const bool forward = cell.cellId == CL_Menu_Edit_Redo;
      if (act) StepHistory(forward);
      cell.SetStateFlag(2, !(forward ? document_.CanRedo() : document_.CanUndo()));
      return kCellResultNothing;
    }
    case CallSheet:
      if (act) OpenSheet(cell.argument);
      return kCellResultNothing;
    default:
      return -1;
  }
}

// --- Closing ---

// Refused while a clone session has the window disabled. The window's normal rectangle and
// the tree panel's width are kept for the next start.
bool cuiMain::CloseQuery() {
  if (window_ == nullptr || !window_->isEnabled()) return false;
  if (documents_->AskSaveChanges(false) == kAnswerCancel) return false;
  EnvironSettings& settings = services_.environ.settings;
  const QRect normal = window_->normalGeometry();
  settings.windowLeft = normal.left();
  settings.windowTop = normal.top();
  settings.windowWidth = normal.width();
  settings.windowHeight = normal.height();
  settings.treePanelWidth = window_->LeftPanelWidth();
  return true;
}

void cuiMain::OnClose() {
  timer_->Stop();
  sheet_.reset();
  tree_.reset();
  services_.environ.WriteSettings();
}
