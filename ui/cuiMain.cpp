#include "ui/cuiMain.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>

#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "sheet/cells/WarningCheck.h"
#include "text/cmcGTex.h"
#include "ui/ApplicationWindow.h"
#include "ui/DisplayText.h"
#include "ui/ImageLists.h"
#include "ui/cuiGrid.h"
#include "ui/cuiInformation.h"
#include "ui/cuiMenu.h"
#include "ui/cuiSheet.h"
#include "ui/cuiToolBar.h"
#include "ui/cuiTree.h"
#include "workflows/CloneCommands.h"
#include "workflows/DocumentCommands.h"

namespace {

constexpr std::int32_t kControllerIntervalMs = 50;
constexpr std::uint32_t kWarningCheckDelayMs = 250;
constexpr int kMarkImageSide = 16;

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

}  // namespace

cuiMain::cuiMain(MainServices services, std::string tag, std::int32_t imageSize)
    : services_(services),
      tag_(std::move(tag)),
      imageSize_(imageSize),
      document_(imageSize),
      documents_(std::make_unique<DocumentCommands>(document_, *this, services_)),
      cloneUi_([this]() -> QWidget* { return MainWindow(); }),
      displayStore_(services.environ, kSettingsKey, services.texts),
      systemJapanese_(QLocale::system().language() == QLocale::Japanese) {
  SelectLanguageTables();
  document_.SetCurrentFolder(InitialFolder());
  document_.SetTitleChangedHook([this] { UpdateTitle(); });
  document_.SetHistoryChangedHook([this] { RefreshHistoryEntries(); });
  formats_ = NormaliseLocaleFormats(SystemFormatsOf(SystemLocaleTexts(systemJapanese_)));
  InstallLocaleFormats(formats_);
  versions_ = ReadVersionTexts(services_.texts, QCoreApplication::applicationDirPath().toStdString());
  timer_ = cmcTask::Create();
  services_.events.Register(&cuiMain::OnEvent, this);
  clone_ = std::make_unique<CloneCommands>(document_, *documents_, *this, services_, device_, cloneUi_);
  clone_->SetBackupFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
}

cuiMain::~cuiMain() {
  delete informationWindow_;
  clone_.reset();
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

bool cuiMain::MainWindowVisible() const { return window_ != nullptr && window_->isVisible(); }

// --- What the commands ask of the window ---

bool cuiMain::TakesInput() const { return MainWindowVisible() && window_->isEnabled(); }

void cuiMain::BeginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void cuiMain::EndBusy() { QApplication::restoreOverrideCursor(); }

// The backups of the radio that answered, or of all radios, opened through File > Open's path.
cuiInformation::Backups cuiMain::InformationBackups() {
  return {[this](bool allRadios) {
            const RadioBackups backups(clone_->BackupFolder());
            return allRadios ? backups.List() : backups.List(clone_->RadioBackupName());
          },
          [this](const std::string& path) { documents_->OpenFile(path); }};
}

void cuiMain::OpenInformationWindow() {
  delete informationWindow_;
  informationWindow_ =
      new cuiInformation(window_.get(), cuiInformation::Services{services_.texts, services_.events, cellBehaviour_},
                         services_.texts.GetLine("GI_Sys_AppTitle", 0), "GI_Sheet_CloneInfo", InformationBackups());
  informationWindow_->Open();
}

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
  if (!window_->isVisible() || !window_->isEnabled()) return;
  if (treeHadFocus_ && tree_ != nullptr) {
    tree_->Widget().setFocus();
  } else {
    sheet_->Grid().setFocus();
  }
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

// --- Controller timer ---

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
}

void cuiMain::OnEvent(void* user, const EventRecord& event) {
  auto& main = *static_cast<cuiMain*>(user);
  if (event.code == EV_ToolBarRefresh && main.toolBar_ != nullptr) main.toolBar_->Refresh();
  // The list operations say what they did; a key on the sheet clears the word again.
  if (event.code == EV_StatusMessage) main.ShowStatus(DisplayText(std::string(event.Text())));
}

void cuiMain::StartTimer() {
  timer_->SetHandler(&cuiMain::TimerHandler, this);
  timer_->SetInterval(kControllerIntervalMs);
}
