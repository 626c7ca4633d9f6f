#pragma once
// The list cell: a value that is the index of a selection list entry. It shows the entry's
// text, steps through the entries with Space and Backspace, opens the pop-up list on Enter
// and takes the entry picked there. Some lists also take typing (tone and DTCS lists a
// number, the bank list the start of an entry's text).
#include <string>

#include "sheet/cells/ActiveCellFrame.h"

enum class ListTyping {
  kNone,
  kNearestNumber,  // digits or F2 open the editor; the entry nearest the typed number is taken
  kTextPrefix,     // a printable character or F2 opens the editor; the first entry starting so
};

struct ListCellTraits {
  std::string key;           // "GI_Sheet_Sel_" + name
  unsigned entryId = Flex0;  // the cell identifier of the list's entries
  ListTyping typing = ListTyping::kNone;
};

// Answers the request on a list cell over value. Changes value only for an action; true when
// it changed.
bool AnswerListCell(ActiveCellFrame& frame, const ListCellTraits& traits, int& value);
