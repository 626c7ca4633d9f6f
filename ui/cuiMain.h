#pragma once
// The main controller: owner of the document and its commands, of the main window's menu,
// tool bar and navigation tree, of the one open sheet, whose grid position it remembers per
// sheet name, and of the menus' commands, one class per menu (FileMenuCommands,
// EditMenuCommands, ViewMenuCommands, PortMenuCommands, CloneMenuCommands,
// OptionMenuCommands, HelpMenuCommands). It routes menu, tool bar and tree entries and the
// events to them, and is the window the document and clone commands ask (DocumentWindow).
// indMain fills in what differs by radio model through the virtual operations.
//
// Menus, the tool bar and the tree ask the cell behaviour through the controller: the
// entries the window answers itself are answered here, every other request goes to the cell
// behaviour the model's controller installs, which hands a click back through
// RunMenuCommand.
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>

#include "base/LocaleFormats.h"
#include "base/VersionTexts.h"
#include "base/cmcTask.h"
#include "base/cmcTick.h"
#include "sheet/layout/SheetDisplayStore.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "text/cmcFCache.h"
#include "ui/SheetPosition.h"
#include "ui/TForm2.h"
#include "workflows/Document.h"
#include "workflows/DocumentWindow.h"
#include "workflows/MainServices.h"

class CellDocument;
class EventRecord;
class ApplicationWindow;
class cuiMenu;
class cuiSheet;
class cuiToolBar;
class cuiTree;
class DocumentCommands;
class FileMenuCommands;
class EditMenuCommands;
class ViewMenuCommands;
class PortMenuCommands;
class CloneMenuCommands;
class OptionMenuCommands;
class HelpMenuCommands;
class RecoveryStore;
class DocumentRecovery;

class cuiMain : public DocumentWindow {
 public:
  // The per-user settings key that sheets keep their column widths under.
  static constexpr const char* kSettingsKey = "Software\\Quor\\Tessel";
  // The image size the memory map needs; a smaller one fails the self check.
  static constexpr std::int32_t kRequiredImageSize = 136397;
  static constexpr int kNoSheetNumber = 253;

  cuiMain(MainServices services, std::int32_t imageSize);
  ~cuiMain() override;
  cuiMain(const cuiMain&) = delete;
  cuiMain& operator=(const cuiMain&) = delete;

  // --- Main window ---
  // Creates the main window with its menu, tool bar, tree and status bar, placed on the
  // screens as they are now, and shows it, unless the initial setup has to run first. With no
  // destination stored, a clone file named at start (startFile) gives its destination as the
  // setup's file choice would, and the setup is not needed; a file that cannot give one has
  // its error shown, then the setup follows. A file named with "/setup" waits for the setup
  // to close (OpenFileAfterSetup). Answers whether the main window shows.
  bool CreateMainWindow(const std::string& startFile = {});
  // Opens the file that waited for the initial setup, once; nothing when none waits.
  void OpenFileAfterSetup();
  ApplicationWindow* MainWindow() const { return window_.get(); }
  bool MainWindowVisible() const;
  void RebuildTree() override;
  cuiTree* Tree() const { return tree_.get(); }
  cuiMenu* Menu() const { return menu_.get(); }
  cuiToolBar* ToolBar() const { return toolBar_.get(); }
  void UpdateTitle();
  // The initial setup while it is shown, else nullptr (a closed one waits to be deleted).
  TForm2* InitialSetup() const { return setup_ != nullptr && setup_->isVisible() ? setup_.data() : nullptr; }

  // --- Document ---
  Document& Doc() { return document_; }
  const Document& Doc() const { return document_; }
  // New, Open, Save and the question that guards unsaved changes.
  DocumentCommands& Documents() { return *documents_; }

  // --- The menus' commands ---
  // Runs the command of an entry whose state the cell behaviour answers, once the cell
  // behaviour has let a click through; entries without a command do nothing.
  void RunMenuCommand(unsigned cellId, std::int32_t index);
  ViewMenuCommands& ViewMenu() { return *viewMenu_; }
  CloneMenuCommands& CloneMenu() { return *cloneMenu_; }
  HelpMenuCommands& HelpMenu() { return *helpMenu_; }

  // --- What the commands ask of the window ---
  bool Visible() const override { return MainWindowVisible(); }
  bool TakesInput() const override;
  void RunWarningCheck(int& errors, int& warnings) override;
  void BeginBusy() override;
  void EndBusy() override;
  void OpenInformationWindow() override;

  // --- Sheets ---
  void OpenSheet(const std::string& name);
  // Opens a page as a click on its tree node does, the node selected and shown.
  void OpenSheetThroughTree(const std::string& name);
  void CloseSheet() override;
  cuiSheet* CurrentSheet() const { return sheet_.get(); }
  // The open sheet's argument number (its tree node number); kNoSheetNumber without one.
  int CurrentSheetNumber() const;
  // The remembered position of a sheet name; an unset position when there is none.
  SheetPosition HistoryPosition(const std::string& name) const;
  // Column widths, font size and the column groups shown, kept for every sheet.
  SheetDisplayStore& DisplayStore() { return displayStore_; }
  // The next sheet opened sets its column widths afresh (a new font or language).
  void SetResetColumnWidths() { resetColumnWidths_ = true; }

  // --- Warning check ---
  // Marks the tree after the record checks, when only the marks matter.
  void RunWarningCheck();
  void StartWarningCheckDelay();

  // --- Cell behaviour ---
  // Installs the cell behaviour that menus, tool bar, tree and sheets ask; sheets opened
  // before keep the one they were given. Without one, entries answer nothing.
  void SetCellBehaviour(CellBehaviourCallback behaviour) { cellBehaviour_ = behaviour; }
  CellBehaviourCallback CellBehaviour() const { return cellBehaviour_; }
  // The document the sheets' models read (titles, list lengths, regional rows, column
  // groups) and the printout and the help ask; without one every sheet is a plain page.
  void SetSheetDocument(CellDocument* document) { sheetDocument_ = document; }
  CellDocument* SheetDocument() const { return sheetDocument_; }

  // --- Formats and versions ---
  const LocaleFormats& Formats() const { return formats_; }
  const VersionTexts& Versions() const { return versions_; }
  bool SystemJapanese() const { return systemJapanese_; }
  cmcFCache& ListCache() { return listCache_; }

  // --- Recovery copies ---
  // Offers the recovery copies that windows left when they ended without saving (the window
  // must take input): a damaged copy is named and moved aside, the others are listed in the
  // recovery dialog.
  void OfferRecovery();
  // Where this window keeps its recovery copy and finds those of others.
  RecoveryStore& Recovery() { return *recoveryStore_; }

  // --- Closing ---
  // Whether the main window may close now; stores its position when it may.
  bool CloseQuery();
  // The main window closes: timer stopped, sheet and tree gone.
  void OnClose();

 protected:
  MainServices& Services() { return services_; }
  // The event 32 rebuild of everything built from texts.
  void ApplyLanguageChange();
  // Opens the sheet of a tree node, unless that sheet is open already.
  void ActivateTreeNode(cmcCellObj& cell);

 private:
  struct HistoryEntry {
    std::string name;
    SheetPosition position;
  };

  // Applies the language setting: the text table, the display code page, the fragment cache.
  void SelectLanguageTables();
  void BuildUI();
  void BuildMenuAndToolBar();
  void SelfCheck() const;
  std::string InitialFolder() const;
  void StartTimer();
  void OnTimer();
  static void TimerHandler(void* user, cmcTask& task);
  static void OnEvent(void* user, const EventRecord& event);
  // What menus, tool bar and tree call: the window's own entries, then the cell behaviour.
  static int HandleEntryRequest(cmcCellCapsule& request, int op, void* object);
  // Answers the entries the window answers itself; -1 for any other request.
  int AnswerWindowEntry(cmcCellCapsule& request, int op);
  void RefreshHistoryEntries();
  // The document changed: its recovery copy is due soon.
  void NoteDocumentChange();
  // Writes or removes the recovery copy when due; a failed write shows in the status bar.
  void KeepRecoveryCopy();

  MainServices services_;
  std::int32_t imageSize_;
  Document document_;
  std::unique_ptr<DocumentCommands> documents_;
  std::unique_ptr<RecoveryStore> recoveryStore_;
  std::unique_ptr<DocumentRecovery> recovery_;
  QPointer<TForm2> setup_;
  std::string fileAfterSetup_;

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

  std::unique_ptr<FileMenuCommands> fileMenu_;
  std::unique_ptr<EditMenuCommands> editMenu_;
  std::unique_ptr<ViewMenuCommands> viewMenu_;
  std::unique_ptr<PortMenuCommands> portMenu_;
  std::unique_ptr<CloneMenuCommands> cloneMenu_;
  std::unique_ptr<OptionMenuCommands> optionMenu_;
  std::unique_ptr<HelpMenuCommands> helpMenu_;

  std::list<HistoryEntry> history_;  // newest first
  bool treeHadFocus_ = false;
  bool resetColumnWidths_ = false;
  std::optional<cmcTick> warningDelay_;
  cmcTaskPtr timer_;
};
