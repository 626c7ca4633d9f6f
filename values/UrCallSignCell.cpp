#include "values/UrCallSignCell.h"

#include "memory/YourCallList.h"
#include "memory/datCh.h"

UrCallSignCell::UrCallSignCell(const CodecSettings& settings, bool typingAllowed)
    : callSign_(settings), repeaterDialog_(settings.repeaterDialog), typingAllowed_(typingAllowed) {}

std::string UrCallSignCell::Display(const CallSignText& call) const { return callSign_.Display(call); }

bool UrCallSignCell::Commit(std::string_view text, CallSignText& call) const { return callSign_.Commit(text, call); }

bool UrCallSignCell::Pick(int entry, const cmcEeprom& image, CallSignText& call) const {
  if (entry == kCqEntry) {
    call = kCallEveryone;
    return true;
  }
  if (entry < 0 || entry >= YourCallCount(image)) return false;
  call = YourCallOf(image, entry);
  return true;
}

KeyReply UrCallSignCell::Key(int key, const CallSignText& call) const {
  const KeyReply reply = callSign_.Key(key, call);
  if (!repeaterDialog_ || reply.action != KeyReply::Action::kEdit) return reply;
  const bool typed = TypedCharacter(key) != 0;
  return typed && typingAllowed_ ? reply : KeyReply::Popup();
}
