#pragma once
// A document without a window, for pages drawn where nobody edits them (tessel-cli's print,
// benchmarks): the image and defaults it is given, the program's default settings, the
// English texts, no commands, and events only when given an event manager (the comparison of
// two documents answers the list range of the page it walks through it). Asking it to act does
// nothing.
#include <cstdint>
#include <string>

#include "base/EnvironSettings.h"
#include "base/cmcRecent.h"
#include "memory/datClipCh.h"
#include "sheet/layout/CellDocument.h"
#include "text/cmcFCache.h"

class StandaloneCellDocument final : public CellDocument {
 public:
  // image and defaults must outlive the document; texts must have a table selected.
  StandaloneCellDocument(cmcEeprom& image, cmcEeprom& defaults, cmcGTex& texts)
      : image_(image), defaults_(defaults), texts_(texts), listCache_(texts) {}

  cmcEeprom& Image() override { return image_; }
  cmcEeprom& DefaultsImage() override { return defaults_; }
  EnvironSettings& Settings() override { return settings_; }
  const cmcRecent& RecentFiles() const override { return recent_; }
  bool SystemLanguageJapanese() const override { return false; }
  int DateOrder() const override { return 0; }
  cmcGTex& Texts() override { return texts_; }
  cmcFCache& ListCache() override { return listCache_; }
  std::string VersionText() const override { return {}; }
  std::string YearText() const override { return {}; }
  cmcEvMan* Events() override { return events_; }
  // events must outlive the document; none by default.
  void SetEvents(cmcEvMan* events) { events_ = events; }
  std::int32_t ColumnCutMask() const override { return columnCutMask_; }
  void SetColumnCutMask(std::int32_t mask) override { columnCutMask_ = mask; }
  void NoteEdit() override {}
  void RunCommand(unsigned, std::int32_t) override {}
  void OpenSheet(const std::string&) override {}
  bool MainWindowEnabled() const override { return false; }
  bool CurrentSheetPrintable() const override { return false; }
  datClipCh& Clipboard() override { return clipboard_; }
  bool ConfirmLanguageChange() override { return false; }
  void ShowNoFreeChannel() override {}

 private:
  cmcEeprom& image_;
  cmcEeprom& defaults_;
  cmcGTex& texts_;
  EnvironSettings settings_;
  cmcRecent recent_{10};
  datClipCh clipboard_;
  cmcFCache listCache_;
  std::int32_t columnCutMask_ = 127;
  cmcEvMan* events_ = nullptr;
};
