#pragma once
// The program's channel clipboard: it takes only the lists whose rows a user copies and
// pastes (memory channels, bank views, GPS memories, repeaters, your call signs and the
// broadcast lists), and it stores through a scratch record so that what an entry's encoder
// adjusts while storing never changes the clipboard's own copy.
#include "memory/cmcClipCh.h"

class datClipCh final : public cmcClipCh {
 public:
  bool Accepts(int kind) const override;
  void StoreOne(cmcEeprom& image, int kind, int index, datCh& record) override;
};
