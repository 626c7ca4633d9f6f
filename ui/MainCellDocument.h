#pragma once
// The main controller as the cell behaviour sees it: the document images, the settings, the
// texts and the event manager of the running program, and the controller's answers to the
// notices of an edit (deferred warning check, modified state).
#include "help/cmcHelpGTex.h"
#include "sheet/layout/CellDocument.h"
#include "ui/CallSignPickerDialog.h"
#include "ui/cuiHtmlHelp.h"
#include "ui/cuiMain.h"
#include "ui/cuiPrinter.h"
#include "workflows/CsvFileCommands.h"

class MainCellDocument final : public CellDocument {
 public:
  // main and the services must outlive the document.
  MainCellDocument(cuiMain& main, MainServices services) : main_(main), services_(services) {}

  cmcEeprom& Image() override { return main_.Doc().CurrentImage(); }
  cmcEeprom& DefaultsImage() override { return main_.Doc().DefaultsImage(); }
  EnvironSettings& Settings() override;
  const cmcRecent& RecentFiles() const override;
  std::string CurrentFolder() const override { return main_.Doc().CurrentFolder(); }
  bool SystemLanguageJapanese() const override { return main_.SystemJapanese(); }
  int DateOrder() const override { return main_.Formats().dateOrder; }
  cmcGTex& Texts() override { return services_.texts; }
  cmcFCache& ListCache() override { return main_.ListCache(); }
  std::string VersionText() const override { return main_.Versions().version; }
  std::string YearText() const override { return main_.Versions().year; }
  std::span<const std::uint8_t> CloneInformation() const override { return main_.Doc().CloneInformation(); }
  cmcEvMan* Events() override { return &services_.events; }
  std::int32_t ColumnCutMask() const override;
  void SetColumnCutMask(std::int32_t mask) override;
  void NoteEdit() override;
  void RunCommand(unsigned cellId, std::int32_t index) override;
  void OpenSheet(const std::string& name) override { main_.OpenSheet(name); }
  bool MainWindowEnabled() const override;
  bool CurrentSheetPrintable() const override;
  int CurrentSheetNumber() const override { return main_.CurrentSheetNumber(); }
  datClipCh& Clipboard() override { return main_.Doc().Clipboard(); }
  bool ConfirmLanguageChange() override { return main_.ConfirmLanguageChange(); }
  void ShowHelp(const cmcCellObj& cell, const std::string& sheetName) override;
  // The help window and the topic table behind Help > Contents, F1 and the pop-up menu's Help.
  cuiHtmlHelp& Help() { return help_; }
  void ShowNoFreeChannel() override;
  bool OpenRepeaterSetting(datCh& record) override;
  bool OpenCallSignPicker(int type, CallSignText& call, const CallSignText& rpt1) override;

 private:
  cuiPrinter Printer();
  void PrintCurrentSheet();
  void PrintAllSheets();
  CallSignPickerDialog::Services DialogServices();

  // The set of help pages of the display language; the help window takes its captions from
  // the same language.
  QString PreparedHelpSet();

  cuiMain& main_;
  MainServices services_;
  cmcHelpGTex topics_;
  cuiHtmlHelp help_;
  CsvFileCommands csvFiles_{main_.Doc(), services_};
};
