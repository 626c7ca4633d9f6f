#include "ui/cuiMain.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "files/RecoveryStore.h"
#include "manual/ProgramVersion.h"
#include "platform/Fatal.h"
#include "platform/Processes.h"
#include "platform/Timing.h"
#include "sheet/cells/WarningCheck.h"
#include "text/DisplayCodePage.h"
#include "text/LineTables.h"
#include "text/cmcGTex.h"
#include "ui/ApplicationWindow.h"
#include "ui/CellFonts.h"
#include "ui/CloneMenuCommands.h"
#include "ui/DisplayText.h"
#include "ui/EditMenuCommands.h"
#include "ui/FileMenuCommands.h"
#include "ui/HelpMenuCommands.h"
#include "ui/ImageLists.h"
#include "ui/OptionMenuCommands.h"
#include "ui/PortMenuCommands.h"
#include "ui/ViewMenuCommands.h"
#include "ui/WindowPlacement.h"
#include "ui/cuiGrid.h"
#include "ui/cuiMenu.h"
#include "ui/cuiSheet.h"
#include "ui/cuiToolBar.h"
#include "ui/iuiTree.h"
#include "workflows/DocumentCommands.h"
#include "workflows/DocumentRecovery.h"

namespace {

constexpr std::int32_t kControllerIntervalMs = 50;
constexpr std::uint32_t kWarningCheckDelayMs = 250;
constexpr int kMarkImageSide = 16;
constexpr int kDefaultTreeChangeDelayMs = 200;

// What the system's locale says, for base to make the formats of.
LocaleTexts SystemLocaleTexts(bool japanese) {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.timeFormat(QLocale::ShortFormat).toStdString(),
          locale.dateFormat(QLocale::ShortFormat).toStdString(), japanese};
}

QList<QPixmap> MarkImages() {
  QList<QPixmap> images;
  for (int index = 0; index <= kTreeImageError; ++index) {
    images.append(TreeImage(index).pixmap(QSize(kMarkImageSide, kMarkImageSide)));
  }
  return images;
}

int NumberOr(const std::string& text, int fallback) {
  int value = fallback;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() ? value : fallback;
}

}  // namespace

cuiMain::cuiMain(MainServices services, std::int32_t imageSize)
    : services_(services),
      imageSize_(imageSize),
      document_(imageSize),
      documents_(std::make_unique<DocumentCommands>(document_, *this, services_)),
      recoveryStore_(std::make_unique<RecoveryStore>(
          RecoveryStore::FolderOf(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")), CurrentProcessId(),
          static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()))),
      recovery_(std::make_unique<DocumentRecovery>(document_, *recoveryStore_)),
      displayStore_(services.environ, kSettingsKey, services.texts),
      systemJapanese_(QLocale::system().language() == QLocale::Japanese),
      fileMenu_(std::make_unique<FileMenuCommands>(*this, services_)),
      editMenu_(std::make_unique<EditMenuCommands>(*this, services_)),
      viewMenu_(std::make_unique<ViewMenuCommands>(*this, services_)),
      portMenu_(std::make_unique<PortMenuCommands>(*this, services_)),
      optionMenu_(std::make_unique<OptionMenuCommands>(services_)),
      helpMenu_(std::make_unique<HelpMenuCommands>(*this, services_)) {
  SelectLanguageTables();
  document_.SetCurrentFolder(InitialFolder());
  document_.SetTitleChangedHook([this] {
    UpdateTitle();
    NoteDocumentChange();
  });
  document_.SetHistoryChangedHook([this] {
    RefreshHistoryEntries();
    NoteDocumentChange();
  });
  formats_ = NormaliseLocaleFormats(SystemFormatsOf(SystemLocaleTexts(systemJapanese_)));
  InstallLocaleFormats(formats_);
  versions_ = ReadVersionTexts(services_.texts, ProgramVersion());
  timer_ = cmcTask::Create();
  services_.events.Register(&cuiMain::OnEvent, this);
  cloneMenu_ = std::make_unique<CloneMenuCommands>(*this, services_);
}

cuiMain::~cuiMain() {
  helpMenu_.reset();
  cloneMenu_.reset();
  timer_.reset();
  services_.events.Unregister(&cuiMain::OnEvent, this);
  sheet_.reset();
  tree_.reset();
  toolBar_.reset();
  menu_.reset();
  window_.reset();
}

std::string cuiMain::InitialFolder() const {
  const std::string& stored = services_.environ.settings.currentDirectory;
  if (!stored.empty()) return stored;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir(documents).exists()) return documents.toStdString();
  return QDir::currentPath().toStdString();
}

// --- Main window ---

bool cuiMain::CreateMainWindow(const std::string& startFile) {
  window_ = std::make_unique<ApplicationWindow>(*this, services_.texts);
  window_->setWindowTitle(DisplayText(services_.texts.GetLine("GI_Sys_AppTitle", 0)));
  cmcCellObj formCell;
  ParseCellDefinition(formCell, services_.texts.GetLine("GI_Form_Main_BasicCell", 0), nullptr, nullptr);
  window_->setFont(QtFont(EffectiveFont(formCell)));
  // The stored rectangle, at least the form's minimum size.
  const EnvironSettings& settings = services_.environ.settings;
  PlaceOnScreens(*window_, QRect(settings.windowLeft, settings.windowTop,
                                 std::max(settings.windowWidth, int{ApplicationWindow::kMinimumWidth}),
                                 std::max(settings.windowHeight, int{ApplicationWindow::kMinimumHeight})));
  BuildUI();
  services_.environ.UpdateStartMode();
  if (services_.environ.settings.startMode == EnvironSettings::kStartNoDestination && !startFile.empty() &&
      documents_->ReadDestinationFromFile(startFile) == 0) {
    services_.environ.UpdateStartMode();
  }
  const std::int32_t mode = services_.environ.settings.startMode;
  if (mode == EnvironSettings::kStartNoDestination || mode == EnvironSettings::kStartSetup) {
    // The main window stays hidden until the setup closes; the setup shows it.
    setup_ = new TForm2(window_.get(), {services_.texts, services_.environ, services_.events, *documents_});
    setup_->ShowInitialSetup();
    if (mode == EnvironSettings::kStartSetup) fileAfterSetup_ = startFile;
    return false;
  }
  window_->show();
  KeepFrameOnScreens(*window_);
  return true;
}

void cuiMain::OpenFileAfterSetup() {
  if (fileAfterSetup_.empty()) return;
  documents_->OpenFile(std::exchange(fileAfterSetup_, {}));
}

bool cuiMain::MainWindowVisible() const { return window_ != nullptr && window_->isVisible(); }

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
  const CellBehaviourCallback entries{&cuiMain::HandleEntryRequest, this};
  menu_ = std::make_unique<cuiMenu>(*window_->menuBar(), cuiMenu::Services{services_.texts, services_.events, entries},
                                    "GI_Menu_Main", window_.get());
  menu_->Build();
  menu_->Refresh();
  toolBar_ = std::make_unique<cuiToolBar>(*window_, cuiToolBar::Services{services_.texts, services_.events, entries},
                                          "GI_ToolBar_Main");
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

// --- What the commands ask of the window ---

bool cuiMain::TakesInput() const { return MainWindowVisible() && window_->isEnabled(); }

void cuiMain::BeginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void cuiMain::EndBusy() { QApplication::restoreOverrideCursor(); }

void cuiMain::OpenInformationWindow() { cloneMenu_->OpenInformationWindow(); }

// --- Sheets ---

void cuiMain::OpenSheet(const std::string& name) {
  CloseSheet();
  if (window_ == nullptr) return;
  auto sheet = std::make_unique<cuiSheet>(&window_->RightPanel(), services_.texts, &displayStore_, services_.events,
                                          sheetDocument_);
  sheet->Layout().SetName(name);
  sheet->SetSavedPosition(HistoryPosition(name));
  if (resetColumnWidths_) sheet->RequestWidthReset();
  resetColumnWidths_ = false;
  sheet->SetCallback(cellBehaviour_);
  if (markImages_.isEmpty()) markImages_ = MarkImages();
  sheet->SetMarkImages(&markImages_);
  sheet->Build();
  window_->ShowSheet(*sheet);
  sheet_ = std::move(sheet);
  // The page decides whether the tool bar's Print and Print Preview may act.
  services_.events.Send(EV_ToolBarRefresh);
  if (!window_->isVisible() || !window_->isEnabled()) return;
  if (treeHadFocus_ && tree_ != nullptr) {
    tree_->Widget().setFocus();
  } else {
    sheet_->Grid().setFocus();
  }
}

void cuiMain::OpenSheetThroughTree(const std::string& name) {
  if (tree_ != nullptr) {
    if (QTreeWidgetItem* node = tree_->FindBySheetName(name)) {
      // The node's own delayed opening would come after the page is open and move its cursor.
      const QSignalBlocker quiet(&tree_->Widget());
      tree_->Widget().setCurrentItem(node);
      tree_->Widget().scrollToItem(node);
    }
  }
  OpenSheet(name);
}

void cuiMain::CloseSheet() {
  if (sheet_ == nullptr) return;
  if (sheet_->isVisible()) {
    const std::string name = sheet_->Layout().GetName();
    history_.remove_if([&](const HistoryEntry& entry) { return entry.name == name; });
    history_.push_front({name, sheet_->GetPosition()});
    treeHadFocus_ = tree_ != nullptr && tree_->Widget().hasFocus();
  }
  sheet_.reset();
}

int cuiMain::CurrentSheetNumber() const {
  return sheet_ != nullptr ? sheet_->Layout().ArgumentNumber() : kNoSheetNumber;
}

SheetPosition cuiMain::HistoryPosition(const std::string& name) const {
  const auto found = std::ranges::find_if(history_, [&](const HistoryEntry& entry) { return entry.name == name; });
  return found != history_.end() ? found->position : SheetPosition{};
}

void cuiMain::ActivateTreeNode(cmcCellObj& cell) {
  if (sheet_ != nullptr && sheet_->Layout().GetName() == cell.argument) return;
  cmcCellCapsule request;
  request.owner = window_.get();
  request.cell = &cell;
  request.key = kKeyEnter;
  HandleEntryRequest(request, kCellAction, this);
}

// --- Warning check ---

// The record checks mark the tree: an error wins over a warning on a node, and a collapsed
// folder shows the marks of the nodes below it.
void cuiMain::RunWarningCheck(int& errors, int& warnings) {
  const WarningCheckResult result = RunWarningCheckList(cellBehaviour_, services_.texts);
  errors = result.Errors();
  warnings = result.Warnings();
  if (tree_ == nullptr) return;
  tree_->ClearMarks();
  QTreeWidget& widget = tree_->Widget();
  for (int i = 0; i < widget.topLevelItemCount(); ++i) {
    tree_->Mark(widget.topLevelItem(i), result.warningSheets, TreeOverlay::Warning);
    tree_->Mark(widget.topLevelItem(i), result.errorSheets, TreeOverlay::Error);
  }
}

void cuiMain::RunWarningCheck() {
  int errors = 0;
  int warnings = 0;
  RunWarningCheck(errors, warnings);
}

void cuiMain::StartWarningCheckDelay() {
  warningDelay_.emplace();
  warningDelay_->Start(kWarningCheckDelayMs);
}

// --- Controller timer and events ---

void cuiMain::TimerHandler(void* user, cmcTask&) { static_cast<cuiMain*>(user)->OnTimer(); }

void cuiMain::OnTimer() {
  if (sheet_ == nullptr && MainWindowVisible()) {
    if (tree_ != nullptr) {
      if (cmcCellObj* selected = tree_->SelectedCell()) ActivateTreeNode(*selected);
    } else if (!history_.empty()) {
      OpenSheet(history_.front().name);
    }
  }
  if (warningDelay_ && warningDelay_->Remaining() == 0) {
    warningDelay_.reset();
    RunWarningCheck();
  }
  KeepRecoveryCopy();
}

void cuiMain::OnEvent(void* user, const EventRecord& event) {
  auto& main = *static_cast<cuiMain*>(user);
  if (event.code == EV_ToolBarRefresh && main.toolBar_ != nullptr) main.toolBar_->Refresh();
  // The list operations say what they did in the status bar's first panel; a key on the
  // sheet clears the word again.
  if (event.code == EV_StatusMessage && main.window_ != nullptr) {
    main.window_->SetStatusText(DisplayText(std::string(event.Text())));
  }
}

void cuiMain::StartTimer() {
  timer_->SetHandler(&cuiMain::TimerHandler, this);
  timer_->SetInterval(kControllerIntervalMs);
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

// A clean end keeps no recovery copy, whatever the user answered about the changes.
void cuiMain::OnClose() {
  timer_->Stop();
  recovery_->Remove();
  sheet_.reset();
  tree_.reset();
  services_.environ.WriteSettings();
}
