#pragma once
// The working state of one cell request while the cell behaviour answers it: what the
// prologue derived from the request's cell (list kind, the loaded record, the range of the
// current group), and what the behaviour accumulates for the epilogue (repaint scope, result,
// whether the record was written). Lives for one request.
#include <cstdint>
#include <string>
#include <string_view>

#include "memory/datCh.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "text/cmcCellObj.h"

// The record kind of the list a category's index addresses; a category outside the table is
// fatal.
int ListKindOf(unsigned category);

// The variable-length lists: GPS memories, repeaters, your call signs and broadcast memories,
// whose sheets end in a new-entry row.
bool IsCountedKind(int kind);

// The entries of the current group of a variable-length list; all zero when unknown.
struct ListRange {
  int group = 0;
  int first = 0;
  int last = 0;
  int count = 0;
};

struct ActiveCellFrame {
  ActiveCellFrame(cmcCellCapsule& request, int op, CellDocument& document);

  bool IsAction() const { return op == kCellAction; }
  int Key() const { return request.key; }
  bool Committed() const { return request.inputKind != kInputNone; }
  cmcEeprom& Image() const { return document.Image(); }

  // Loads the record, range and new-entry flag of a list kind and index; a bank sheet's
  // argument text names its bank.
  void Load(int kind, int32_t atIndex, std::string_view sheetArgument);
  // A memory channel row that shows empty: not in use, or above the highest channel frequency.
  bool ChannelRowEmpty() const;
  // Writes the record back (actions only) and notes the change for the repaint scope.
  void Commit();
  // Sends an event when an event manager listens.
  void Send(std::int32_t code, std::int64_t p1 = 0, std::int64_t p2 = 0) const;
  void PostText(std::int32_t code, std::int64_t p2, std::string_view text) const;

  // Output helpers: the editor opens on the cell with text (result 2).
  void OpenEditor(std::string text, int32_t selectionStart, int32_t selectionLength, int32_t maxLength);
  // The sheet opens the pop-up at the cell once the action is answered; a GPS text editor
  // learns the key that opened it.
  void OpenPopup(PopupRequest popup);
  void SetMark(std::uint8_t bit, int32_t position);

  cmcCellCapsule& request;
  const int op;
  CellDocument& document;

  unsigned category;
  unsigned cellId;
  int32_t index;
  int listKind = RecordKind::kNone;
  datCh record;
  // Bank sheets: the bank of the sheet argument (kNoBank outside A-Z) and whether the slot
  // holds no channel.
  int bank = kNoBank;
  bool bankSlotEmpty = false;
  ListRange range;
  bool newEntryRow = false;

  std::uint32_t scope = kRepaintSameCellAndIndex;
  int result = kCellResultNothing;
  bool handled = false;
  bool recordChanged = false;
};
