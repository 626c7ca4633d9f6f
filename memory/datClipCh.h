#pragma once
// The program's channel clipboard: it takes only the lists whose rows a user copies and
// pastes (memory channels, bank views, GPS memories, repeaters, your call signs and the
// broadcast lists), and it stores through a scratch record so that what an entry's encoder
// adjusts while storing never changes the clipboard's own copy.
#include <optional>
#include <string>

#include "memory/cmcClipCh.h"

class datClipCh final : public cmcClipCh {
 public:
  bool Accepts(int kind) const override;
  void StoreOne(cmcEeprom& image, int kind, int index, datCh& record) override;

  // The copied rows as text for other programs (program code page; empty for lists that
  // have none). The window places it on the system clipboard once after the Copy.
  void SetCopiedText(std::string text);
  std::optional<std::string> TakeTextToPlace();
  // What the window found on the system clipboard: text other than the last copy's was put
  // there by another program, and the next Paste reads it in place of the records.
  void NoteSystemText(std::string text);
  const std::string& ForeignText() const { return foreignText_; }
  void DropForeignText() { foreignText_.clear(); }

 private:
  std::string copiedText_;
  bool textToPlace_ = false;
  std::string foreignText_;
};
