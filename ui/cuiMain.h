#pragma once
// The main controller: owner of the document, of the document and clone commands that work
// on it, of the main window's menu, tool bar and navigation tree, and of the one open sheet,
// whose grid position it remembers per sheet name. It is the window those commands ask
// (DocumentWindow). indMain fills in what differs by radio model through the virtual
// operations.
//
// Menus, the tool bar and the tree ask the cell behaviour through the controller: the shell's
// own commands (exit, language, font size, tool bar, opening a tree node's sheet) are
// answered here, every other request goes to the cell behaviour the model's controller
// installs.
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/LocaleFormats.h"
#include "base/VersionTexts.h"
#include "base/cmcTask.h"
#include "base/cmcTick.h"
#include "platform/MessageBox.h"
#include "platform/qt/QtSerialDevice.h"
#include "sheet/layout/SheetDisplayStore.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "text/cmcFCache.h"
#include "ui/QtCloneSessionUi.h"
#include "ui/SheetPosition.h"
#include "ui/TForm2.h"
#include "ui/cuiInformation.h"
#include "workflows/Document.h"
#include "workflows/DocumentWindow.h"
#include "workflows/MainServices.h"

class CellDocument;
class cmcEvMan;
class EventRecord;
class cmcGTex;
class ApplicationWindow;
class cuiMenu;
class cuiSheet;
class cuiToolBar;
class cuiTree;
class CloneCommands;
class DocumentCommands;
class indEnviron;

class cuiMain : public DocumentWindow {
 public:
  // The per-user settings key that sheets keep their column widths under.
  static constexpr const char* kSettingsKey = "Software\\Quor\\Tessel";
  // The image size the memory map needs; a smaller one fails the self check.
  static constexpr std::int32_t kRequiredImageSize = 136397;
  static constexpr int kNoSheetNumber = 253;

  cuiMain(MainServices services, std::string tag, std::int32_t imageSize);
  ~cuiMain() override;
  cuiMain(const cuiMain&) = delete;
  cuiMain& operator=(const cuiMain&) = delete;

  // --- Main window ---
  // Creates the main window with its menu, tool bar, tree and status bar, placed on the
  // screens as they are now, and shows it.
  void CreateMainWindow();
  ApplicationWindow* MainWindow() const { return window_.get(); }
  bool MainWindowVisible() const;
  void RebuildTree() override;
  cuiTree* Tree() const { return tree_.get(); }
  cuiMenu* Menu() const { return menu_.get(); }
  cuiToolBar* ToolBar() const { return toolBar_.get(); }
  void UpdateTitle();
  // A note in the first panel of the status bar.
  void ShowStatus(const QString& text);
  // The initial setup while it is shown, else nullptr (a closed one waits to be deleted).
  TForm2* InitialSetup() const { return setup_ != nullptr && setup_->isVisible() ? setup_.data() : nullptr; }

  // --- Document ---
  Document& Doc() { return document_; }
  const Document& Doc() const { return document_; }
  // New, Open, Save and the question that guards unsaved changes.
  DocumentCommands& Documents() { return *documents_; }
  // Clone Read, Clone Write and Clone Information.
  CloneCommands& Clone() { return *clone_; }
  // The progress window while a clone read or write runs, else nullptr.
  CloneProgressWindow* ProgressWindow() const { return cloneUi_.ProgressWindow(); }
  // The clone information window while it is open.
  cuiInformation* InformationWindow() const { return informationWindow_; }

  // --- What the commands ask of the window ---
  bool Visible() const override { return MainWindowVisible(); }
  bool TakesInput() const override;
  void RunWarningCheck(int& errors, int& warnings) override;
  void BeginBusy() override;
  void EndBusy() override;
  void OpenInformationWindow() override;

  // --- Sheets ---
  void OpenSheet(const std::string& name);
  void CloseSheet() override;
  cuiSheet* CurrentSheet() const { return sheet_.get(); }
  // The open sheet's argument number (its tree node number); kNoSheetNumber without one.
  int CurrentSheetNumber() const;
  // The remembered position of a sheet name; an unset position when there is none.
  SheetPosition HistoryPosition(const std::string& name) const;
  // Column widths, font size and the column groups shown, kept for every sheet.
  SheetDisplayStore& DisplayStore() { return displayStore_; }

  // --- Warning check ---
  // Marks the tree after the record checks, when only the marks matter.
  void RunWarningCheck();
  void StartWarningCheckDelay();

  // --- Commands of the shell ---
  void ChangeLanguage(int language);
  // Asks whether to switch to Japanese; true for OK.
  bool ConfirmLanguageChange();
  void ChangeFontSize(int percentage);
  void ToggleToolBar();
  void Exit();
  // Edit > Undo and Redo: the document steps back or forward, the open sheet comes back at
  // its cursor and the tree marks follow.
  void StepHistory(bool forward);

  // --- Cell behaviour ---
  // Installs the cell behaviour that menus, tool bar, tree and sheets ask; sheets opened
  // before keep the one they were given. Without one, entries answer nothing.
  void SetCellBehaviour(CellBehaviourCallback behaviour) { cellBehaviour_ = behaviour; }
  CellBehaviourCallback CellBehaviour() const { return cellBehaviour_; }
  // The document the sheets' models read (titles, list lengths, regional rows, column
  // groups); without one every sheet is a plain page.
  void SetSheetDocument(CellDocument* document) { sheetDocument_ = document; }
  // What menus, tool bar and tree call: the shell's commands, then the cell behaviour.
  CellBehaviourCallback EntryBehaviour() { return {&cuiMain::HandleEntryRequest, this}; }

  // --- Formats and versions ---
  const LocaleFormats& Formats() const { return formats_; }
  const VersionTexts& Versions() const { return versions_; }
  bool SystemJapanese() const { return systemJapanese_; }
  cmcFCache& ListCache() { return listCache_; }

  // --- Closing ---
  // Whether the main window may close now; stores its position when it may.
  bool CloseQuery();
  // The main window closes: timer stopped, sheet and tree gone.
  void OnClose();

 protected:
  MainServices& Services() { return services_; }
  // Applies the language setting: the text table, the display code page, the fragment cache.
  void SelectLanguageTables();
  // The event 32 rebuild of everything built from texts.
  void ApplyLanguageChange();
  // Opens the sheet of a tree node, unless that sheet is open already.
  void ActivateTreeNode(cmcCellObj& cell);
  void SetResetColumnWidths() { resetColumnWidths_ = true; }
  // Once shown, the window has a frame around it, and the frame too must lie on the screens.
  void KeepFrameOnScreens();

 private:
  cuiInformation::Backups InformationBackups();
  struct HistoryEntry {
    std::string name;
    SheetPosition position;
  };

  void BuildUI();
  void PlaceWindow();
  void ShowInitialSetup();
  void BuildMenuAndToolBar();
  void SelfCheck() const;
  std::string InitialFolder() const;
  void StartTimer();
  void OnTimer();
  static void TimerHandler(void* user, cmcTask& task);
  static void OnEvent(void* user, const EventRecord& event);
  static int HandleEntryRequest(cmcCellCapsule& request, int op, void* object);
  int HandleShellCommand(cmcCellCapsule& request, int op);
  void RefreshHistoryEntries();

  MainServices services_;
  std::string tag_;
  std::int32_t imageSize_;
  Document document_;
  std::unique_ptr<DocumentCommands> documents_;
  QtSerialDevice device_;
  QtCloneSessionUi cloneUi_;
  std::unique_ptr<CloneCommands> clone_;
  QPointer<cuiInformation> informationWindow_;
  QPointer<TForm2> setup_;

  std::unique_ptr<ApplicationWindow> window_;
  std::unique_ptr<cuiMenu> menu_;
  std::unique_ptr<cuiToolBar> toolBar_;
  std::unique_ptr<cuiTree> tree_;
  std::unique_ptr<cuiSheet> sheet_;
  QList<QPixmap> markImages_;
  SheetDisplayStore displayStore_;
  CellBehaviourCallback cellBehaviour_;
  CellDocument* sheetDocument_ = nullptr;

  bool systemJapanese_ = false;
  LocaleFormats formats_;
  VersionTexts versions_;
  cmcFCache listCache_{services_.texts};

  std::list<HistoryEntry> history_;  // newest first
  bool treeHadFocus_ = false;
  bool resetColumnWidths_ = false;
  std::optional<cmcTick> warningDelay_;
  cmcTaskPtr timer_;
};
