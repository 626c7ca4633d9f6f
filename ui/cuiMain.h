#pragma once
// The main controller: owner of the document (its images, file name, modified flag and
// generation), of the main window's menu, tool bar and navigation tree, and of the one open
// sheet, whose grid position it remembers per sheet name. indMain fills in what differs by
// radio model through the virtual operations.
//
// Menus, the tool bar and the tree ask the cell behaviour through the controller: the shell's
// own commands (exit, language, font size, tool bar, opening a tree node's sheet) are
// answered here, every other request goes to the cell behaviour the model's controller
// installs.
#include <QList>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "clone/cmcTask.h"
#include "clone/cmcTick.h"
#include "memory/cmcEeprom.h"
#include "platform/MessageBox.h"
#include "sheet/cmcCellCapsule.h"
#include "sheet/cmcSheetDisplayStore.h"
#include "shell/LocaleFormats.h"
#include "shell/VersionTexts.h"
#include "text/cmcFCache.h"
#include "ui/cuiSheetPosition.h"

class CellDocument;
class cmcEvMan;
class cmcEvent;
class cmcGTex;
class cuiMainWindow;
class cuiMenu;
class cuiSheet;
class cuiToolBar;
class cuiTree;
class CloneCommands;
class DocumentCommands;
class indEnviron;

struct MainServices {
  indEnviron& environ;
  cmcGTex& texts;
  cmcEvMan& events;
};

class cuiMain {
 public:
  // The per-user settings key that sheets keep their column widths under.
  static constexpr const char* kSettingsKey = "Software\\Quor\\Tessel";
  // The image size the memory map needs; a smaller one fails the self check.
  static constexpr std::int32_t kRequiredImageSize = 136397;
  static constexpr int kNoSheetNumber = 253;

  cuiMain(MainServices services, std::string tag, std::int32_t imageSize);
  virtual ~cuiMain();
  cuiMain(const cuiMain&) = delete;
  cuiMain& operator=(const cuiMain&) = delete;

  // --- Model identity ---
  virtual void InitModel();
  std::int32_t ImageSize() const { return imageSize_; }
  std::uint16_t ModelWord() const { return modelWord_; }
  int RadioGeneration() const { return radioGeneration_; }
  const std::string& DigestSeed() const { return digestSeed_; }

  // --- Main window ---
  // Creates the main window with its menu, tool bar, tree and status bar, placed on the
  // screens as they are now, and shows it.
  void CreateMainWindow();
  cuiMainWindow* MainWindow() const { return window_.get(); }
  bool MainWindowVisible() const;
  virtual void RebuildTree();
  cuiTree* Tree() const { return tree_.get(); }
  cuiMenu* Menu() const { return menu_.get(); }
  cuiToolBar* ToolBar() const { return toolBar_.get(); }
  void UpdateTitle();
  // A note in the first panel of the status bar.
  void ShowStatus(const QString& text);
  // The note that the document stands on the defaults of no destination: in the status bar
  // while no destination is set, gone once one is.
  void UpdateDestinationNote();

  // --- Document ---
  virtual void ShowImage(cmcEeprom& image);
  void BuildDefaults();
  void ResetToDefaults();
  void SetFileName(const std::string& name);
  std::string GetDisplayFileName();
  void MarkModified();
  void MarkSaved();
  bool IsModified();
  int DocumentGeneration() const { return documentGeneration_; }
  void SetDocumentGeneration(int generation) {
    documentGeneration_ = generation;
    UpdateTitle();
  }
  // Empty for an untitled document.
  const std::string& FileName() const { return fileName_; }
  // The information block of the radio's last information reply that passed its check;
  // empty before the first.
  std::span<const std::uint8_t> CloneInformation() const { return cloneInformation_; }
  void SetCloneInformation(std::span<const std::uint8_t> block) {
    cloneInformation_.assign(block.begin(), block.end());
  }
  cmcEeprom& CurrentImage() { return current_; }
  const cmcEeprom& DefaultsImage() const { return defaults_; }
  cmcEeprom& DefaultsImage() { return defaults_; }
  // The copy a clone write prepares and sends.
  cmcEeprom& WriteImage() { return writeImage_; }
  const std::string& CurrentFolder() const { return currentFolder_; }
  void SetCurrentFolder(const std::string& folder) { currentFolder_ = folder; }
  // New, Open, Save and the question that guards unsaved changes.
  DocumentCommands& Documents() { return *documents_; }
  // Clone Read, Clone Write and Clone Information.
  CloneCommands& Clone() { return *clone_; }

  // --- Sheets ---
  void OpenSheet(const std::string& name);
  void CloseSheet();
  cuiSheet* CurrentSheet() const { return sheet_.get(); }
  // The open sheet's argument number (its tree node number); kNoSheetNumber without one.
  int CurrentSheetNumber() const;
  // The remembered position of a sheet name; an unset position when there is none.
  cuiSheetPosition HistoryPosition(const std::string& name) const;
  // Column widths, font size and the column groups shown, kept for every sheet.
  cmcSheetDisplayStore& DisplayStore() { return displayStore_; }

  // --- Warning check ---
  void RunWarningCheck(int* errors = nullptr, int* warnings = nullptr);
  void StartWarningCheckDelay();

  // --- Commands of the shell ---
  void ChangeLanguage(int language);
  // Asks whether to switch to Japanese; true for OK.
  bool ConfirmLanguageChange();
  void ChangeFontSize(int percentage);
  void ToggleToolBar();
  void Exit();

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

  // --- Messages ---
  // Text and caption in the program's code page.
  std::int32_t ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon icon, std::int32_t defaultAnswer = 0);

  // --- Formats and versions ---
  const LocaleFormats& Formats() const { return formats_; }
  const VersionTexts& Versions() const { return versions_; }
  bool SystemJapanese() const { return systemJapanese_; }
  cmcFCache& FragmentCache() { return *fragments_; }

  // --- Closing ---
  // Whether the main window may close now; stores its position when it may.
  bool CloseQuery();
  // The main window closes: timer stopped, sheet and tree gone.
  void OnClose();

 protected:
  MainServices& Services() { return services_; }
  void SetModelIdentity(std::uint16_t modelWord, int generation, std::string digestSeed);
  // Applies the language setting: the text table, the display code page, the fragment cache.
  void SelectLanguageTables();
  // The event 32 rebuild of everything built from texts.
  void ApplyLanguageChange();
  // Opens the sheet of a tree node, unless that sheet is open already.
  void ActivateTreeNode(cmcCellObj& cell);
  void SetResetColumnWidths() { resetColumnWidths_ = true; }

 private:
  struct HistoryEntry {
    std::string name;
    cuiSheetPosition position;
  };

  void BuildUI();
  void PlaceWindow();
  void KeepFrameOnScreens();
  void BuildMenuAndToolBar();
  void SelfCheck() const;
  std::string InitialFolder() const;
  void StartTimer();
  void OnTimer();
  static void TimerHandler(void* user, cmcTask& task);
  static void OnEvent(void* user, const cmcEvent& event);
  static int HandleEntryRequest(cmcCellCapsule& request, int op, void* object);
  int HandleShellCommand(cmcCellCapsule& request, int op);

  MainServices services_;
  std::unique_ptr<DocumentCommands> documents_;
  std::unique_ptr<CloneCommands> clone_;
  std::string tag_;
  std::int32_t imageSize_;
  std::uint16_t modelWord_ = 0;
  int radioGeneration_ = 0;
  std::string digestSeed_;

  std::unique_ptr<cuiMainWindow> window_;
  std::unique_ptr<cuiMenu> menu_;
  std::unique_ptr<cuiToolBar> toolBar_;
  std::unique_ptr<cuiTree> tree_;
  std::unique_ptr<cuiSheet> sheet_;
  QList<QPixmap> markImages_;
  cmcSheetDisplayStore displayStore_;
  CellBehaviourCallback cellBehaviour_;
  CellDocument* sheetDocument_ = nullptr;

  std::string currentFolder_;
  std::string fileName_;
  bool modified_ = false;
  int documentGeneration_ = 3;
  cmcEeprom current_;
  cmcEeprom defaults_;
  cmcEeprom savedReference_;
  cmcEeprom writeImage_;
  std::vector<std::uint8_t> cloneInformation_;

  bool systemJapanese_ = false;
  LocaleFormats formats_;
  VersionTexts versions_;
  std::unique_ptr<cmcFCache> fragments_;

  std::list<HistoryEntry> history_;  // newest first
  bool treeHadFocus_ = false;
  bool resetColumnWidths_ = false;
  std::optional<cmcTick> warningDelay_;
  cmcTaskPtr timer_;
};
