#pragma once
// A document for cell behaviour tests: the default image of a destination, the English text
// table selected into the application's text database, settings with their defaults, an
// event manager on manual timing that rebuilds the bank index as the controller does, and a
// record of the commands and notices asked for.
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "base/cmcEvMan.h"
#include "base/cmcRecent.h"
#include "memory/ChannelList.h"
#include "memory/DefaultImages.h"
#include "memory/DestinationTestSupport.h"
#include "memory/cmcEeprom.h"
#include "memory/datCh.h"
#include "memory/datClipCh.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/CellDocument.h"
#include "support/ManualTiming.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"
#include "text/cmcFCache.h"
#include "text/cmcGTex.h"

class TestDocument final : public CellDocument {
 public:
  explicit TestDocument(std::int32_t destination) : destination_(destination) {
    settings.destinationCode = destination;
    texts.Reset();
    texts.SelectLineTable(LineTableOf(TableLanguage::English));
    BuildDefaultsImage(defaults);
    image.Assign(defaults);
    events.Register(&OnEvent, this);
  }
  ~TestDocument() override {
    events.Unregister(&OnEvent, this);
    texts.Reset();
  }

  cmcEeprom& Image() override { return image; }
  cmcEeprom& DefaultsImage() override { return defaults; }
  EnvironSettings& Settings() override { return settings; }
  const cmcRecent& RecentFiles() const override { return recent; }
  std::string CurrentFolder() const override { return currentFolder; }
  bool SystemLanguageJapanese() const override { return false; }
  int DateOrder() const override { return 0; }
  cmcGTex& Texts() override { return texts; }
  cmcFCache& ListCache() override { return listCache; }
  std::string VersionText() const override { return "1.00"; }
  std::string YearText() const override { return "2024"; }
  cmcEvMan* Events() override { return &events; }
  std::int32_t ColumnCutMask() const override { return columnCutMask; }
  void SetColumnCutMask(std::int32_t mask) override { columnCutMask = mask; }
  void NoteEdit() override { ++edits; }
  void RunCommand(unsigned cellId, std::int32_t index) override { commands.emplace_back(cellId, index); }
  void OpenSheet(const std::string& name) override { openedSheets.push_back(name); }
  bool MainWindowEnabled() const override { return true; }
  bool CurrentSheetPrintable() const override { return printable; }
  datClipCh& Clipboard() override { return clipboard; }
  bool ConfirmLanguageChange() override {
    ++languageQuestions;
    return languageAnswer;
  }
  void ShowNoFreeChannel() override { ++noFreeChannelNotices; }

  datCh Channel(int index) {
    datCh record(image);
    record.Load(RecordKind::kChannel, index);
    return record;
  }

  ScopedDestination destination_;
  ManualTiming timing;
  cmcEvMan events;
  cmcGTex& texts = ApplicationTexts();  // the markup reads its cell models from it
  cmcFCache listCache{texts};
  cmcEeprom defaults;
  cmcEeprom image;
  EnvironSettings settings;
  cmcRecent recent{10};
  datClipCh clipboard;
  std::string currentFolder;
  std::int32_t columnCutMask = 127;
  bool printable = true;
  bool languageAnswer = false;
  int languageQuestions = 0;
  int noFreeChannelNotices = 0;
  int edits = 0;
  std::vector<std::pair<unsigned, std::int32_t>> commands;
  std::vector<std::string> openedSheets;
  std::vector<std::int32_t> eventsSeen;

 private:
  static void OnEvent(void* user, const EventRecord& event) {
    auto* self = static_cast<TestDocument*>(user);
    self->eventsSeen.push_back(event.code);
    if (event.code == EV_RebuildBankIndex) RebuildBankTables(self->image);
  }
};

// Answers the list range query as an open list sheet does: its list number and entry count,
// which grows as entries are added.
class OpenListSheet {
 public:
  OpenListSheet(cmcEvMan& events, int list, int count) : events_(events), list_(list), count_(count) {
    events_.Register(&OnEvent, this);
  }
  ~OpenListSheet() { events_.Unregister(&OnEvent, this); }
  OpenListSheet(const OpenListSheet&) = delete;
  OpenListSheet& operator=(const OpenListSheet&) = delete;

  void SetCount(int count) { count_ = count; }

 private:
  static void OnEvent(void* user, const EventRecord& event) {
    auto* self = static_cast<OpenListSheet*>(user);
    if (event.code == EV_QueryListRange) self->events_.Answer(self->list_, self->count_);
    if (event.code == EV_ListEntryAdded) ++self->count_;
  }

  cmcEvMan& events_;
  int list_;
  int count_;
};

// Requests through capsules, as a sheet, a menu or a list sends them.
class CellRequests {
 public:
  explicit CellRequests(TestDocument& document) : behaviour_(document) {}

  cmcCellCapsule Query(unsigned category, unsigned cellId, int index, std::string sheetArgument = {}) {
    cmcCellCapsule request = Make(category, cellId, index, std::move(sheetArgument));
    behaviour_.HandleCellRequest(request, kCellQuery);
    return request;
  }

  // An action with a key; returns the request after it was handled and its result.
  std::pair<cmcCellCapsule, int> Key(unsigned category, unsigned cellId, int index, int key,
                                     std::string sheetArgument = {}) {
    cmcCellCapsule request = Make(category, cellId, index, std::move(sheetArgument));
    request.key = key;
    const int result = Act(request);
    return {request, result};
  }

  cmcCellCapsule Commit(unsigned category, unsigned cellId, int index, std::string text,
                        std::string sheetArgument = {}) {
    cmcCellCapsule request = Make(category, cellId, index, std::move(sheetArgument));
    request.inputKind = kInputCommitted;
    request.inputText = std::move(text);
    Act(request);
    return request;
  }

  // What the cell's pop-up editor (GPS text editor, bit-field editor) hands back.
  cmcCellCapsule EditorPick(unsigned category, unsigned cellId, int index, std::string text) {
    cmcCellCapsule request = Make(category, cellId, index, {});
    request.inputKind = kInputPicked;
    request.inputText = std::move(text);
    Act(request);
    return request;
  }

  // The entry `entry` picked in the selection list the cell opened (entries of Flex0 unless
  // told otherwise).
  cmcCellCapsule ListPick(unsigned category, unsigned cellId, int index, int entry, unsigned entryId = Flex0) {
    cmcCellCapsule picked = Make(kCategoryNone, entryId, entry, {});
    cmcCellCapsule request = Make(category, cellId, index, {});
    request.parent = &picked;
    request.inputKind = kInputPicked;
    Act(request);
    request.parent = nullptr;
    return request;
  }

  int Act(cmcCellCapsule& request) {
    request.actionGrid = this;
    return behaviour_.HandleCellRequest(request, kCellAction);
  }

  cmcCellCapsule Make(unsigned category, unsigned cellId, int index, std::string sheetArgument) {
    cells_.emplace_back();
    cmcCellObj& cell = cells_.back();
    cell.category = category;
    cell.cellId = cellId;
    cell.index = index;
    cmcCellCapsule request;
    request.cell = &cell;
    request.sheetArgument = std::move(sheetArgument);
    return request;
  }

  indActiveCell& Behaviour() { return behaviour_; }

 private:
  indActiveCell behaviour_;
  std::deque<cmcCellObj> cells_;  // requests point at their cells
};
