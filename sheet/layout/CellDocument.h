#pragma once
// What the cell behaviour works on and whom it tells: the document's memory image, the
// defaults image that new records are made from, the program settings, the event manager
// and the main controller's commands and notices. The main controller supplies one to every
// sheet, menu, tool bar and tree it builds; the cell behaviour itself keeps nothing.
#include <cstdint>
#include <span>
#include <string>

#include "base/EnvironSettings.h"
#include "memory/FixedText.h"

class cmcCellObj;
class cmcEeprom;
class cmcEvMan;
class cmcFCache;
class cmcGTex;
class cmcRecent;
class datCh;
class datClipCh;

class CellDocument {
 public:
  virtual ~CellDocument() = default;

  // The document image (generation 3, unpacked) and the defaults image of the current
  // destination, whose band templates fill a channel that gets its first frequency.
  virtual cmcEeprom& Image() = 0;
  virtual cmcEeprom& DefaultsImage() = 0;

  virtual EnvironSettings& Settings() = 0;
  virtual const cmcRecent& RecentFiles() const = 0;
  // The folder files are opened from and saved to first; a recent file in it is shown by its
  // name alone. Empty when there is none: every recent file shows its full path.
  virtual std::string CurrentFolder() const { return {}; }
  // The system's default language is Japanese (the display then is Japanese whatever the
  // language setting says).
  virtual bool SystemLanguageJapanese() const = 0;
  // The date order of the locale: 0 yyyy/mm/dd, 1 mm/dd/yyyy, 2 dd/mm/yyyy.
  virtual int DateOrder() const = 0;
  virtual cmcGTex& Texts() = 0;
  // The parsed selection lists of Texts().
  virtual cmcFCache& ListCache() = 0;
  // The version and year texts the top page shows.
  virtual std::string VersionText() const = 0;
  virtual std::string YearText() const = 0;

  // The information block of the radio's last information reply; empty before the first.
  virtual std::span<const std::uint8_t> CloneInformation() const { return {}; }

  // The event manager; nullptr where nobody listens (a print run without a window).
  virtual cmcEvMan* Events() = 0;

  // The column groups shown (bit 0 tone ... bit 6 weather), program-wide.
  virtual std::int32_t ColumnCutMask() const = 0;
  virtual void SetColumnCutMask(std::int32_t mask) = 0;

  // After a request that carried a key, an input or a command: the controller restarts its
  // deferred error and warning scan and compares the image with its saved copy to set the
  // modified state.
  virtual void NoteEdit() = 0;

  // The controller's part of a menu or tool bar command (cell identifier, index of indexed
  // entries such as recent files, font sizes and languages). The settings the command
  // changes are already changed when it is called.
  virtual void RunCommand(unsigned cellId, std::int32_t index) = 0;
  // Opens the sheet of a full sheet name (tree navigation).
  virtual void OpenSheet(const std::string& name) = 0;
  virtual bool MainWindowEnabled() const = 0;
  virtual bool CurrentSheetPrintable() const = 0;
  // The tree node number of the open sheet, which chooses the list the CSV entries work on;
  // -1 when no sheet is open.
  virtual int CurrentSheetNumber() const { return -1; }
  // The channel clipboard that Copy and Paste share, program-wide.
  virtual datClipCh& Clipboard() = 0;

  // Questions and notices, worded by the text database. ConfirmLanguageChange asks
  // "GI_Mess_Language_Change" (OK and Cancel, Cancel the default) and answers OK;
  // ShowNoFreeChannel shows "GI_AppMess_BankChErr_NoChSpace" as an error.
  virtual bool ConfirmLanguageChange() = 0;
  // Help on a cell (F1 or the pop-up menu's Help): the cell's topic, else the topic of the
  // sheet it is on.
  virtual void ShowHelp(const cmcCellObj& /*cell*/, const std::string& /*sheetName*/) {}
  virtual void ShowNoFreeChannel() = 0;

  // The modal dialogs of the digital-voice call-sign cells. OpenRepeaterSetting edits a copy
  // of a channel record (bound to Image()) and stores nothing itself; OpenCallSignPicker
  // (type 0 UR, 1 RPT1, 2 RPT2; rpt1 is the channel's RPT1 for type 2) changes call only
  // on OK. Both answer whether the user confirmed; without a window nothing opens.
  virtual bool OpenRepeaterSetting(datCh& /*record*/) { return false; }
  virtual bool OpenCallSignPicker(int /*type*/, CallSignText& /*call*/, const CallSignText& /*rpt1*/) { return false; }
};

// The display is Japanese when the language setting or the system's language is Japanese.
inline bool IsJapaneseDisplay(CellDocument& document) {
  return document.Settings().displayLanguage == EnvironSettings::kLanguageJapanese || document.SystemLanguageJapanese();
}
