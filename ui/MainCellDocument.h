#pragma once
// The main controller as the cell behaviour sees it: the document images, the settings, the
// texts and the event manager of the running program, the controller's answers to the
// notices of an edit (deferred warning check, modified state), and the way back to the
// menus' commands and the help.
#include "sheet/layout/CellDocument.h"
#include "ui/CallSignPickerDialog.h"
#include "ui/cuiMain.h"

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
  void RunCommand(unsigned cellId, std::int32_t index) override { main_.RunMenuCommand(cellId, index); }
  void OpenSheet(const std::string& name) override { main_.OpenSheet(name); }
  bool MainWindowEnabled() const override;
  bool CurrentSheetPrintable() const override;
  int CurrentSheetNumber() const override { return main_.CurrentSheetNumber(); }
  datClipCh& Clipboard() override { return main_.Doc().Clipboard(); }
  bool ConfirmLanguageChange() override;
  void ShowHelp(const cmcCellObj& cell, const std::string& sheetName) override;
  void ShowNoFreeChannel() override;
  bool OpenRepeaterSetting(datCh& record) override;
  bool OpenCallSignPicker(int type, CallSignText& call, const CallSignText& rpt1) override;

 private:
  CallSignPickerDialog::Services DialogServices();

  cuiMain& main_;
  MainServices services_;
};
