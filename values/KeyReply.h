#pragma once
// A codec's answer to a key on its cell: nothing, the value stepped, the in-place editor to
// open with a start text, or the cell's pop-up (selection list, GPS text editor or bit-field
// editor) to open.
#include <string>

#include "values/KeyCodes.h"
#include "values/PopupRequest.h"

struct KeyReply {
  enum class Action { kNone, kChanged, kEdit, kPopup };

  static KeyReply None() { return {}; }
  static KeyReply Changed();
  // The editor opens with the whole text selected, so typing replaces it.
  static KeyReply EditSelected(std::string text, int maxLength = kDefaultEditorMaxLength);
  // The editor opens with the caret at caret and nothing selected.
  static KeyReply EditWithCaret(std::string text, int caret, int maxLength = kDefaultEditorMaxLength);
  // The editor opens with the typed text and the caret after it.
  static KeyReply EditTyped(std::string text, int maxLength = kDefaultEditorMaxLength);
  // The cell's pop-up; without a description the cell's own dialog, which its behaviour opens.
  static KeyReply Popup(PopupRequest popup = {});
  // The GPS text editor with its edit type, opened on text.
  static KeyReply GpsEditor(std::string text, int editType);

  Action action = Action::kNone;
  std::string text;  // the editor's start text
  int selectionStart = 0;
  int selectionLength = 0;
  int maxLength = kDefaultEditorMaxLength;
  PopupRequest popup;
};

// The character a key types when it is one a cell can start its editor with: printable ASCII
// other than the space (which steps) and half-width katakana. 0 for every other key.
char TypedCharacter(int key);

// Enter, the double-click and the pop-up command Edit: the keys that open a cell.
inline bool IsEnterKey(int key) { return key == kKeyEnter || key == kKeyDoubleClick; }

// Enter, F2, Space, Backspace and digits: the keys that open the GPS text editor on a date,
// time or position cell.
bool OpensGpsEditor(int key);
